#include "convert/spelling_difference.h"

#include "text/columns.h"

namespace zorva {
namespace {

// Within a 32-character key "|" + prefix (5) + "|" + name (24) + "|", counted from 0.
constexpr size_t kPrefixStart = 1;
constexpr size_t kPrefixWidth = 5;
constexpr size_t kNameStart = 7;
constexpr size_t kNameWidth = 24;
constexpr size_t kKeyWidth = 32;

// More lines than this would push the question's buttons off a small screen.
constexpr size_t kLinesShown = 10;

bool HasKeyFrame(std::string_view key) {
    return ColumnAt(key, 1) == "|" && ColumnAt(key, kNameStart) == "|" &&
           ColumnAt(key, kKeyWidth) == "|" && ColumnAt(key, kKeyWidth + 1).empty();
}

std::string PrefixOf(std::string_view key) {
    return Trim(Columns(key, kPrefixStart, kPrefixWidth));
}

std::string NameOf(std::string_view key) {
    return Trim(Columns(key, kNameStart, kNameWidth));
}

// Whether some entry other than the one at position carries this prefix or name.
bool UsedElsewhere(const OldEntityList& list, size_t position, const std::string& text,
                   std::string (*part)(std::string_view)) {
    for (size_t other = 0; other < list.Count(); ++other)
        if (other != position && part(list.keys[other]) == text) return true;
    return false;
}

// The prefix and name of a key as the user reads them.
std::string Spelling(std::string_view key) {
    const std::string prefix = PrefixOf(key);
    return prefix.empty() ? NameOf(key) : prefix + " " + NameOf(key);
}

}  // namespace

bool OnlySpellingDiffers(const OldEntityList& list, size_t position, std::string_view fileKey) {
    if (!HasKeyFrame(fileKey)) return false;
    const std::string_view listKey = list.keys[position];
    const std::string prefix = PrefixOf(fileKey);
    const std::string name = NameOf(fileKey);
    const bool samePrefix = prefix == PrefixOf(listKey);
    const bool sameName = name == NameOf(listKey);
    if (!samePrefix && !sameName) return false;
    if (!samePrefix && UsedElsewhere(list, position, prefix, PrefixOf)) return false;
    if (!sameName && UsedElsewhere(list, position, name, NameOf)) return false;
    return true;
}

std::string ConvertByPositionQuestion(const std::string& path, const OldEntityList& list,
                                      const std::vector<KeyDifference>& differences) {
    std::string text = "Plik " + path + "\nzapisano według listy podmiotów z dnia " +
                       std::string(list.date) +
                       ".\nNazwy lub prefiksy niektórych podmiotów różnią się\n"
                       "od listy programu (w pliku | na liście):\n\n";
    for (size_t i = 0; i < differences.size() && i < kLinesShown; ++i) {
        const KeyDifference& d = differences[i];
        text += "[" + ToDecimal(static_cast<long long>(d.position)) + "]  " + Spelling(d.fileKey) +
                "  |  " + Spelling(d.listKey) + "\n";
    }
    if (differences.size() > kLinesShown)
        text += "... i jeszcze " +
                ToDecimal(static_cast<long long>(differences.size() - kLinesShown)) +
                " takich linii.\n";
    return text +
           "\nPodmiot każdej z tych linii wynika z jej pozycji w pliku.\n"
           "Czy przekonwertować plik według pozycji linii?";
}

}  // namespace zorva
