#pragma once

#include <gtk/gtk.h>

// The GTK options dialog's widgets, for the window-system layer and for
// tests. Main thread only (the thread in RunOptionsDialog), and only while
// the dialog is shown: otherwise they are null.
GtkWidget* OptionsDialogWindow();
// A control by its id in dialog_controls.h (1000 to 1005).
GtkWidget* OptionsDialogControl(int id);

// From any thread: whether the dialog is shown, so that the job's status
// and controls go to it.
bool OptionsDialogShown();

// Main thread, once the dialog has closed: closes the fatal-error boxes the
// window-system layer (ui_gtk.cpp) still shows; nobody waits for them.
void CloseErrorBoxes();
