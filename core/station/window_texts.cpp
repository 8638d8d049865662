// The texts of the main window that follow the open file: caption, file name
// and modified panels, counter panels and the file commands.
#include "station/station.h"
#include "text/utf8.h"

namespace zorva {

void Station::MarkModified() {
    modified = true;
    texts.modifiedPanel = kModifiedMark;
}

void Station::MarkEdited() {
    modified = true;
    texts.modifiedPanel = kEditedMark;
}

void Station::ClearModified() {
    modified = false;
    texts.modifiedPanel.clear();
}

void Station::EnableFileCommands(bool on) {
    texts.fileCommandsEnabled = on;
}

void Station::SetCurrentFileName(const std::string& path) {
    currentFileName = path;
    texts.fileHint = path;
    texts.fileNamePanel = ShortenPath(path, 75);
}

void Station::UpdateCaption() {
    texts.caption = kBaseCaption;
    if (!stationCall.empty()) texts.caption += " dla stacji " + stationCall;
}

void Station::ShowStatusCounters(unsigned panels) {
    if (panels & kPanelTotal) texts.counterPanels[0] = counters.TotalText();
    if (panels & kPanelVerified) texts.counterPanels[1] = counters.VerifiedText();
    if (panels & kPanelToVerify) texts.counterPanels[2] = counters.ToVerifyText();
    if (panels & kPanelQslLotw) texts.counterPanels[3] = counters.QslLotwText();
}

std::string ShortenPath(const std::string& path, size_t limit) {
    // A Windows path is shortened at its own separator, the same way.
    const char sep =
        path.find('/') == std::string::npos && path.find('\\') != std::string::npos ? '\\' : '/';
    const std::string gap = std::string("...") + sep;
    std::string text = path;
    size_t slashes = 0;
    for (char c : text)
        if (c == sep) ++slashes;
    while (CharCount(text) > limit && slashes > 2) {
        // The head keeps the first half of the folders; two folders after it give way.
        size_t headEnd = 0;
        for (size_t seen = 0; seen < slashes / 2; ++seen) headEnd = text.find(sep, headEnd) + 1;
        size_t first = text.find(sep, headEnd);
        if (first == std::string::npos) break;
        size_t second = text.find(sep, first + 1);
        if (second == std::string::npos) break;
        text = text.substr(0, headEnd) + gap + text.substr(second + 1);
        --slashes;
    }
    return text;
}

}  // namespace zorva
