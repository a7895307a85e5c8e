#pragma once

#include <gtk/gtk.h>

// For tests, which find the dialog's window among the toplevels by its
// title: the control with this id (dialog_controls.h) of the options dialog
// shown in `window`; null for another window or once the dialog has closed.
// Main thread only.
GtkWidget* OptionsDialogControl(GtkWidget* window, int id);
