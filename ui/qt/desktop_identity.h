// How the desktop knows the program: its application ID and its icon.
#pragma once

namespace tq {

// Names the program by its application ID, so that the desktop matches its window (the
// Wayland app_id, the X11 startup notification) to the launcher entry, and gives every window
// the program's icon. Call once the QApplication exists and before the window opens.
void ShowDesktopIdentity();

}  // namespace tq
