// The texts of the main window that follow the open file: caption, file name
// and modified panels, counter panels and the file commands.
#include "station/station.h"
#include "text/utf8.h"

namespace zorva {

void Station::MarkModified() {
    document_.SetModified(true);
    view_.texts.modifiedPanel = kModifiedMark;
}

void Station::MarkEdited() {
    document_.SetModified(true);
    view_.texts.modifiedPanel = kEditedMark;
}

void Station::ClearModified() {
    document_.SetModified(false);
    view_.texts.modifiedPanel.clear();
}

void Station::EnableFileCommands(bool on) {
    view_.texts.fileCommandsEnabled = on;
}

void Station::SetCurrentFileName(const std::string& path) {
    document_.SetFileName(path);
    view_.texts.fileHint = path;
    view_.texts.fileNamePanel = ShortenPath(path, 75);
}

void Station::UpdateCaption() {
    view_.texts.caption = kBaseCaption;
    if (!document_.Call().empty()) view_.texts.caption += " dla stacji " + document_.Call();
}

void Station::ShowStatusCounters(unsigned panels) {
    if (panels & kPanelTotal) view_.texts.counterPanels[0] = document_.Counts().TotalText();
    if (panels & kPanelVerified) view_.texts.counterPanels[1] = document_.Counts().VerifiedText();
    if (panels & kPanelToVerify) view_.texts.counterPanels[2] = document_.Counts().ToVerifyText();
    if (panels & kPanelQslLotw) view_.texts.counterPanels[3] = document_.Counts().QslLotwText();
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
