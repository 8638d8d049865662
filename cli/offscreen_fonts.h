#pragma once

namespace zorva::cli {

// Lets Qt's offscreen platform, on which print draws its PDF, find the system's fonts.
// Call before the QGuiApplication exists; a folder the user chose is kept.
void ShowSystemFontsToOffscreenPlatform();

}  // namespace zorva::cli
