// Start-up and closing of the main window, with the settings file.
#include "files/file_messages.h"
#include "files/reference_file.h"
#include "files/settings_file.h"
#include "io/file_system.h"
#include "station/station.h"

namespace zorva {
namespace {

// The view check marks form a radio group: a later mark set in reading order wins.
ViewMode ViewOf(const Settings& s) {
    if (s.viewVerified) return ViewMode::Verified;
    if (s.viewConfirmed) return ViewMode::Confirmed;
    if (s.viewToVerify) return ViewMode::ToVerify;
    if (s.viewAllButVerified) return ViewMode::AllButVerified;
    if (s.viewAll) return ViewMode::AllEntities;
    return ViewMode::Unconfirmed;
}

void ResetWindowState(Station& s) {
    s.Document().ClearCounters();
    ViewState& view = s.View();
    view.sortAscending = true;
    view.sortColumn = 2;
    view.texts.sortPanel = "  Rosnąco";
    view.texts.typedPrefixShown.clear();
    view.typedPrefix.clear();
    s.ClearModified();
    view.texts.searchPrompt.clear();
    s.EnableFileCommands(false);
    view.texts.counterPanels = {"Razem:       0/0", "Zweryfikowane:   0/0", "Do weryfikacji:  0/0",
                                ""};
    const Appearance defaults;
    s.appearance.confirmedColour = defaults.confirmedColour;
    s.appearance.verifiedColour = defaults.verifiedColour;
    s.appearance.deletedColour = defaults.deletedColour;
    s.appearance.otherColour = defaults.otherColour;
}

}  // namespace

void Station::ApplySettings(const Settings& s) {
    document_.SetCall(s.call);
    UpdateCaption();
    SetCurrentFileName(s.file);
    appearance.fontName = s.fontName;
    appearance.fontSize = s.fontSize;
    appearance.fontBold = s.fontBold;
    appearance.confirmedColour = s.confirmedColour;
    appearance.verifiedColour = s.verifiedColour;
    appearance.deletedColour = s.deletedColour;
    appearance.otherColour = s.otherColour;
    appearance.columnWidths = s.columnWidths;
    appearance.rowHeight = s.rowHeight;
    appearance.windowHeight = s.windowHeight;
    appearance.windowWidth = s.windowWidth;
    view_.hideDeleted = s.hideDeleted;
    view_.viewMode = ViewOf(s);
}

Settings Station::CurrentSettings(int windowWidth, int windowHeight) const {
    Settings s;
    s.call = document_.Call();
    s.file = document_.FileName();
    s.windowHeight = windowHeight;
    s.windowWidth = windowWidth;
    s.columnWidths = appearance.columnWidths;
    s.rowHeight = appearance.rowHeight;
    s.fontName = appearance.fontName;
    s.fontSize = appearance.fontSize;
    s.fontBold = appearance.fontBold;
    s.confirmedColour = appearance.confirmedColour;
    s.verifiedColour = appearance.verifiedColour;
    s.deletedColour = appearance.deletedColour;
    s.otherColour = appearance.otherColour;
    s.hideDeleted = view_.hideDeleted;
    const ViewMode viewMode = view_.viewMode;
    s.viewAll = viewMode == ViewMode::AllEntities;
    s.viewAllButVerified = viewMode == ViewMode::AllButVerified;
    s.viewToVerify = viewMode == ViewMode::ToVerify;
    s.viewConfirmed = viewMode == ViewMode::Confirmed;
    s.viewVerified = viewMode == ViewMode::Verified;
    return s;
}

bool Station::StartUp() {
    ReadStartSettings();
    return FinishStartUp();
}

void Station::ReadStartSettings() {
    ResetWindowState(*this);
    settingsFailure_.clear();
    if (!FileExists(document_.SettingsPath())) return;
    SettingsRead read = ReadSettingsFile(document_.SettingsPath());
    if (read.ok())
        ApplySettings(read.settings);
    else
        settingsFailure_ = FileErrorMessage(read.status);
}

bool Station::FinishStartUp() {
    if (!FileExists(document_.ReferencePath())) {
        ShowError(prompter, MissingReferenceMessage(document_.ReferencePath()));
        return false;
    }
    if (!settingsFailure_.empty()) ShowError(prompter, settingsFailure_);
    LoadStationFile();
    if (document_.Table().HighestIndex() > 1) {
        EnableFileCommands(true);
        view_.texts.fileNamePanel = ShortenPath(document_.FileName(), 75);
        view_.texts.searchPrompt = kPrefixPrompt;
    }
    return true;
}

bool Station::MayClose(int windowWidth, int windowHeight) {
    IoStatus written =
        WriteSettingsFile(document_.SettingsPath(), CurrentSettings(windowWidth, windowHeight));
    if (!written.ok()) ShowError(prompter, FileErrorMessage(written));
    if (!document_.IsModified()) return true;
    Answer answer =
        AskWarning(prompter, "Dane nie zostały zapisane!\nZapisać?", Buttons::YesNoCancel);
    if (answer == Answer::No) return true;
    // With Yes the window closes only when the data were saved.
    return answer == Answer::Yes && Save();
}

}  // namespace zorva
