#pragma once

namespace zorva {

// The application's name and Polish standard buttons and dialogs; called once,
// after the QApplication exists. No display name is set: the window system
// would append it to every window and message caption.
void SetUpApplication();

}  // namespace zorva
