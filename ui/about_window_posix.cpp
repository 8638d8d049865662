#include "about_window.h"

namespace zorva {

// Each desktop has its own; the one that shows the hardware comes first.
QStringList SystemInformationTools() {
    return {"hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor"};
}

}  // namespace zorva
