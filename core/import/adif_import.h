#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "import/import_rules.h"
#include "import/record_spool.h"
#include "io/io_status.h"
#include "session/edit_session.h"

namespace zorva {

class AdifReader;
class AppendSession;
class UndoStep;

inline constexpr const char* kImportWindowCaption = "Importowanie danych z pliku ADIF";
inline constexpr const char* kAdifFileFilter = "Pliki ADIF |*.ADI|Wszystkie pliki|*.*";
inline constexpr const char* kImportErrorFileName = "bledy_dxcc.txt";
inline constexpr const char* kImportErrorFileTitle =
    "Błędy związane z niewłaściwym numerem podmiotu DXCC lub jego brakiem:";
inline constexpr const char* kImportContinueQuestion =
    "Dane z pliku zostały zaimportowane.\nCzy chcesz zaimportować dane z kolejnego pliku ?";
inline constexpr const char* kImportDone = "Dane zostały zaimportowane.";
// The final message when the run wrote to the error file, which lies in the program's folder.
std::string ImportDoneWithErrorsMessage(const std::string& programDir);
// Added to the final message when a LoTW report gave confirmations without entity numbers.
inline constexpr const char* kImportLotwWithoutDetail =
    "\n\nRaport LoTW nie zawiera numerów podmiotów DXCC -\nnależy go pobrać z LoTW ze "
    "szczegółami QSL\n(opcja \"detail\").";
std::string ImportInfoText();
// Added to the final message when records of verified entities were left out.
std::string VerifiedRecordsText(int count, const std::string& programDir);
std::string NotAdifMessage(const std::string& path);

// The file's header says it is a report of LoTW; false for any other or unreadable file.
bool IsLotwReport(const std::string& path);

// The import window's controls; they keep their values for the whole program run.
struct ImportControls {
    std::string fileName;
    ImportSource source = ImportSource::Log;    // "Log" or "LoTW"
    Confirmation priority = Confirmation::Qsl;  // "Log (QSL)" or "LoTW"
    bool extractQsl = false;
    bool extractLotw = false;
    bool includeDeleted = false;
};

// Bytes read so far and the file's size, while a run reads.
using ImportProgress = std::function<void(uint64_t bytesRead, uint64_t totalBytes)>;

enum class RunEnd {
    Refused,   // no file name or no such file: nothing was read
    Failed,    // a file error stopped the run (reported); the window stays open
    NextFile,  // another file was asked for: the window stays open
    Finished,  // the series is complete: the window closes
};

// The import series of the main window's "Import danych" and the runs of the import
// window's "Importuj". The station's table, counters, texts and view change in place.
class AdifImport {
  public:
    explicit AdifImport(EditSession& session);
    ~AdifImport();

    ImportControls controls;
    bool progressVisible = false;

    // The two extract boxes exclude each other: checking one unchecks the other.
    void SetExtractQsl(bool checked);
    void SetExtractLotw(bool checked);

    // "Import danych": "Nowy" first on an empty table, then a fresh series and error file.
    // False when the import window must not open.
    bool BeginSeries();
    // The window closed: whatever the series changed so far is one step to undo.
    void EndSeries();
    // "Wybierz": the source follows the chosen file (LoTW for a LoTW report, else Log).
    void ChooseFile();
    // "Info".
    void ShowInfo();
    // "Importuj" with the file of controls.fileName.
    RunEnd Import(const ImportProgress& progress = {});
    // The same without the question whether another file follows: the caller knows.
    RunEnd ImportFile(bool anotherFileFollows, const ImportProgress& progress = {});

    std::string ErrorFilePath() const {
        return session_.Document().ProgramFile(kImportErrorFileName);
    }

  private:
    RunEnd Run(const ImportProgress& progress, const std::function<bool()>& anotherFileFollows);
    enum class ReadEnd { Done, Failed };
    ReadEnd ReadRecords(AdifReader& reader, AppendSession& errors, const ImportProgress& progress,
                        uint64_t total);
    bool Evaluate(const AdifReader& reader, AppendSession& errors);
    bool Apply(int row, const AdifReader& reader, bool qsl, bool lotw, AppendSession& errors);
    bool KeepVerified(const EntityRow& entity, std::string_view raw, AppendSession& errors);
    bool Fill(int row, const AdifReader& reader, Confirmation method);
    bool WriteError(std::string_view raw, AppendSession& errors);
    bool AppendErrorLine(const std::string& line, AppendSession& errors);
    void BuildEntityIndex();
    bool WriteExtract();
    IoStatus WriteExtractTo(AtomicFileWriter& out, Confirmation method);
    void FinishSeries(bool errorsWritten);

    EditSession& session_;
    std::unique_ptr<UndoStep> step_;  // while a series runs
    RecordSpool records_;
    std::array<int, 1000> rowOfEntity_{};
    IoStatus runFault_;  // what stopped the run: the file read, the error file or the spool
    bool filledRowSeen_ = false;
    bool lotwWithoutDetail_ = false;
    bool entityErrorWritten_ = false;  // this run listed a record without a usable entity
    int verifiedRecords_ = 0;          // records of verified entities left out this series
};

}  // namespace zorva
