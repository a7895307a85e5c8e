#pragma once

// The painter's thin window-system layer: everything the entry and the job
// show to the user goes through these functions. The program links the
// Win32 or the console implementation; tests link a recorder instead.

// Shows a text in the dialog's status field; nothing without a dialog.
void SetStatusField(const char* text);

// Enables or disables the three option boxes and Go, and switches the
// dialog's cursor between the arrow (enabled) and the wait cursor.
void SetControlsEnabled(bool enabled);

// Shows a fatal error and returns when the user has dismissed it.
void ShowFatalMessage(const char* text);
