// A build without libcurl has no LoTW download; its menu item never shows.
#include "lotw_download_command.h"

namespace zorva {

void DownloadFromLotw(MainWindow&) {}

bool LotwDownloadBuilt() {
    return false;
}

}  // namespace zorva
