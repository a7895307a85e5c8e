#pragma once

// The painter's thin window-system layer: everything the entry and the job
// show to the user goes through these functions. The program links the
// Win32 or the console implementation, or on Linux with GTK the one that
// forwards to the dialog module once it is loaded (ui_module.cpp, with
// ui_gtk.cpp in the module); tests link a recorder instead.
// The job may call the first three from its worker thread.

// Shows a text in the dialog's status field; nothing without a dialog.
void SetStatusField(const char* text);

// Enables or disables the three option boxes and Go, and switches the
// dialog's cursor between the arrow (enabled) and the wait cursor.
void SetControlsEnabled(bool enabled);

// Shows a fatal error and returns when the user has dismissed it.
void ShowFatalMessage(const char* text);

// Shows the options dialog and returns when the user has closed it; each Go
// starts a job on a thread of its own (StartJobThread), which may still be
// running on return. Returns false at once, showing nothing, when this build
// or this session has no window system to show it on.
bool RunOptionsDialog();

// Called every few milliseconds on the dialog's thread while the program
// waits, after the dialog has closed, for a job to stop. Whatever the job
// still asks of the window system must not wait for a dialog that is gone:
// Windows delivers a call from the job's thread only while this thread takes
// messages, so they are taken here. Nothing to do on other window systems.
void AnswerWindowSystem();
