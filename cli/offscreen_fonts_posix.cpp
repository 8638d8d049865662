#include "offscreen_fonts.h"

namespace zorva::cli {

// Fontconfig gives the offscreen platform every installed font.
void ShowSystemFontsToOffscreenPlatform() {}

}  // namespace zorva::cli
