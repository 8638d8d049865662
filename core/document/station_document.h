#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "document/disk_version.h"
#include "document/outcome.h"
#include "model/counters.h"
#include "model/entity_table.h"
#include "ports/clock.h"
#include "undo/change_history.h"
#include "versions/version_store.h"

namespace zorva {

enum class ConfirmationMethod { Qsl, Lotw };

// The field a refused confirmation blames, so a dialog can put the cursor there.
enum class FaultyField { None, Call, Date };

struct FillOutcome : Outcome {
    bool tableReplaced = false;  // false when the reference file could not be read at all
};

struct ReadOutcome : Outcome {
    bool missing = false;  // no such file (refused only when a name was given)
    std::optional<std::string>
        badLine;  // the first line that is no entity; the rows before it read
};

struct ConfirmOutcome : Outcome {
    FaultyField field = FaultyField::None;
    bool changed = false;  // the call, date or method differ from before
};

// One station: its table of entities, call, file, counters and whether it
// changed since it was last read or written. The operations a user performs
// check their input and change table and counters together; they never ask.
// Stable sort of the rows by prefix, comparing Windows-1250 character codes.
void SortByPrefix(EntityTable& table);

class StationDocument {
  public:
    explicit StationDocument(std::string programDir);

    // --- what the document holds ---
    const EntityTable& Table() const { return table_; }
    const Counters& Counts() const { return counters_; }
    bool IsModified() const { return modified_; }
    const std::string& FileName() const { return fileName_; }
    const std::string& Call() const { return call_; }
    const KnownVersions& DiskVersions() const { return diskVersions_; }
    const std::string& NotSavedAdvice() const { return notSavedAdvice_; }

    // --- files beside the program ---
    const std::string& ProgramDir() const { return programDir_; }
    std::string ProgramFile(const std::string& name) const;
    std::string ReferencePath() const { return ProgramFile("dxcc_adif.kvt"); }
    std::string SettingsPath() const { return ProgramFile("zorva_rade.ini"); }

    void SetFileName(const std::string& path) { fileName_ = path; }
    void SetCall(const std::string& call) { call_ = call; }
    void SetModified(bool modified) { modified_ = modified; }
    void SetNotSavedAdvice(std::string advice) { notSavedAdvice_ = std::move(advice); }
    // A version saved by another program that the user chose not to load.
    void KeepOutsideVersion(const DiskVersion& version) { diskVersions_.kept = version; }

    // The table, call and counters from FileName(), as far as it reads. A file
    // that cannot be read leaves an empty table; reconciliation is the caller's.
    ReadOutcome Read();

    // A new station of `call` from the reference file, named after the call in
    // the program directory and not yet saved.
    Outcome Create(const std::string& call);
    // The table replaced by the reference file's entities. A bad reference line
    // refuses and leaves the entities read before it.
    FillOutcome FillFromReference();

    // Records the confirmation of the entity `adif` (three characters, as the
    // grid shows it). The date is the date field's ten characters, blanks where
    // a part is missing; an empty call removes the confirmation.
    ConfirmOutcome Confirm(const std::string& adif, const std::string& call,
                           const std::string& date, ConfirmationMethod method);
    // The same for a copy of an entity shown elsewhere (a grid row): the copy and
    // the table's entity of its adif, when there is one, change alike, and the
    // counters follow the copy.
    ConfirmOutcome ConfirmShownRow(EntityRow& shown, const std::string& call,
                                   const std::string& date, ConfirmationMethod method);
    // Removes the confirmation of `adif`; an unconfirmed entity is left alone.
    ConfirmOutcome Clear(const std::string& adif);

    // Reconciliation with the reference file, one entity at a time, each change
    // applied only when the user accepted it. Entity `index` is 1-based.
    bool DiffersFromReference(int index, const EntityRow& reference) const;
    // The reference's deleted mark, prefix and name; a new prefix re-sorts the table
    // and a changed deleted mark moves the entity between the counters.
    void TakeFromReference(int index, const EntityRow& reference);
    // An entity the table lacks, put before the first greater prefix.
    void AddFromReference(const EntityRow& reference);
    // An entity the editor added (isNew) or changed in the reference file, carried
    // into the table; a changed entity the table lacks is left out.
    void ApplyEntityChange(const EntityRow& entity, bool isNew);

    // An imported confirmation written into row `index` (1-based). A row that had
    // none counts as to verify at once; the methods are counted by RecountMethods.
    void FillFromImport(int index, const std::string& call, const std::string& qsoDate,
                        const std::string& confirmation);
    // The QSL and LoTW counters counted again from the table.
    void RecountMethods();
    void ClearCounters() { counters_ = {}; }

    bool HasRowsToVerify() const;
    // Stamps the verification date into every confirmed, unverified row
    // (deleted rows included); changedRows says how many.
    Outcome Verify(std::string_view typedDate);

    // The station file's bytes written to path, the file they replace kept first
    // as a version; the caller holds the file's lock.
    Outcome WriteStationBytes(const std::string& path, std::string_view bytes,
                              const LocalDateTime& now);

    // The rows and counters for the undo history, with the mark to show while they
    // are not the saved ones, and a state of the history put back.
    DocumentState Snapshot(std::string modifiedMark) const;
    void Restore(DocumentState state);

  private:
    std::string programDir_;
    EntityTable table_;
    std::string fileName_;
    std::string call_;
    bool modified_ = false;
    Counters counters_;
    KnownVersions diskVersions_;  // for telling another program's save apart
    // Ends a message of data not saved: what this front end lets the user do instead.
    std::string notSavedAdvice_ = kSaveAsAdvice;
};

}  // namespace zorva
