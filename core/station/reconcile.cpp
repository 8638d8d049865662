// Bringing the entity columns of a freshly read table in line with the
// reference file, one question for every difference.
#include <unordered_map>

#include "files/file_messages.h"
#include "files/reference_file.h"
#include "files/station_file.h"
#include "io/file_system.h"
#include "station/history_commands.h"
#include "station/station.h"
#include "text/columns.h"

namespace zorva {
namespace {

constexpr const char* kMismatchCaption = "Niezgodność danych";
constexpr const char* kReconcileStep = "uzgodnienie z bazą podmiotów";

Answer AskMismatch(Prompter& prompter, const std::string& text) {
    return prompter.Show({text, kMismatchCaption, Icon::Warning, Buttons::YesNo, {}});
}

bool OfferDifference(Station& s, int index, const std::string& line, const EntityRow& reference) {
    if (!s.Document().DiffersFromReference(index, reference)) return false;
    const std::string question =
        "W pliku wzorcowym oraz w pliku danych występują różnice:\n\nwzorzec: " +
        QuotableLine(Columns(line, 0, 36)) + "\n" +
        "dane     : " + ReferenceDataView(s.Document().Table().Row(index)) + "\n" + "\n" +
        "Czy zaktualizować dane ?";
    if (AskMismatch(s.prompter, question) != Answer::Yes) return false;
    UndoStep step(s, kReconcileStep);
    s.Document().TakeFromReference(index, reference);
    s.MarkModified();
    return true;
}

bool OfferMissingEntity(Station& s, const std::string& line, const EntityRow& reference) {
    const std::string question =
        "W pliku wzorcowym występuje Podmiot,\nktórego nie ma w pliku danych:\n\n" +
        QuotableLine(line) + "\n" + "\n" + "Czy zaktualizować dane?";
    if (AskMismatch(s.prompter, question) != Answer::Yes) return false;
    UndoStep step(s, kReconcileStep);
    s.Document().AddFromReference(reference);
    s.MarkModified();
    return true;
}

// The first row of every adif, rebuilt whenever an accepted change moves rows.
class AdifIndex {
  public:
    explicit AdifIndex(const EntityTable& table) : table_(table) {}

    int Find(const std::string& adif) {
        if (stale_) Rebuild();
        auto found = firstRow_.find(adif);
        return found == firstRow_.end() ? 0 : found->second;
    }
    void Invalidate() { stale_ = true; }

  private:
    void Rebuild() {
        firstRow_.clear();
        for (int i = 1; i <= table_.Count(); ++i) firstRow_.emplace(table_.Row(i).adif, i);
        stale_ = false;
    }
    const EntityTable& table_;
    std::unordered_map<std::string, int> firstRow_;
    bool stale_ = true;
};

}  // namespace

Outcome Station::ReconcileWithReference() {
    const std::string path = document_.ReferencePath();
    ReferenceList reference;
    Outcome refused;
    if (!FileExists(path)) {
        refused = Refusal(Reason::NoReference, "", path);
    } else if (reference = ReadReferenceList(path); !reference.ok()) {
        refused = FileFault(reference.status);
    } else if (reference.Empty()) {
        refused = Refusal(Reason::EmptyReference, "", path);
    }
    if (!refused.ok()) {
        ShowError(prompter, OutcomeMessage(refused));
        return refused;
    }
    AdifIndex index(document_.Table());
    bool anyChanged = false;
    for (const auto& line : reference.lines) {
        EntityRow entity = ParseReferenceLine(line);
        const int row = index.Find(entity.adif);
        const bool changed = row > 0 ? OfferDifference(*this, row, line, entity)
                                     : OfferMissingEntity(*this, line, entity);
        if (changed) index.Invalidate();
        anyChanged = anyChanged || changed;
    }
    if (anyChanged) ShowStatusCounters(kAllPanels);
    if (!reference.badLine) return {};
    // The rows read are in line with the lines before the bad one: the load stands.
    const Outcome warned = AsWarning(Refusal(Reason::BadReferenceLine, *reference.badLine));
    ShowError(prompter, OutcomeMessage(warned));
    return warned;
}

}  // namespace zorva
