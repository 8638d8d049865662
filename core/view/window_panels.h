#pragma once

namespace zorva {

// The Modified panel's two marks: the menus' changes, and the dialogs' edits.
inline constexpr const char* kModifiedMark = "Modyfikacja";
inline constexpr const char* kEditedMark = "   Modyfikacja";

// The status bar's counter panels, as bits, so that a change names the ones it touched.
enum CounterPanel : unsigned {
    kPanelTotal = 1,
    kPanelVerified = 2,
    kPanelToVerify = 4,
    kPanelQslLotw = 8,
    kAllPanels = 15
};

}  // namespace zorva
