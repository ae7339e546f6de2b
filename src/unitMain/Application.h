#pragma once

// Start-up: the main window, then the About box, then the scene information
// dialog, all hidden; ShowMainForm shows the main window centred.
void CreateForms();
void ShowMainForm();
// Releases the windows and puts the working state back to zero.
void DestroyForms();
// The process-wide settings every window relies on; call before the
// QApplication is made. Pictures keep their pixel sizes on any screen, and
// an X display is used where there is one, also in a Wayland session.
void PrepareApplication();
