#include "about_window.h"

namespace zorva {

// "System Information", in System32 on every Windows.
QStringList SystemInformationTools() {
    return {"msinfo32"};
}

}  // namespace zorva
