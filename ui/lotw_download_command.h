#pragma once

namespace zorva {

class MainWindow;

// The whole command: the dialog, then the import series over the report as for
// a file, the station saved, and only then the day remembered.
void DownloadFromLotw(MainWindow& mainWindow);

// False in a build without the download (no libcurl): its menu item is hidden.
bool LotwDownloadBuilt();

}  // namespace zorva
