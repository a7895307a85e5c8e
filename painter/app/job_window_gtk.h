#pragma once

#include <memory>

#include "painter/app/gtk_dialog_session.h"
#include "painter/app/job_context.h"

// Where a job started from the GTK dialog shows itself: its status field,
// controls and error boxes. The job calls these from its worker thread, and
// GTK is not thread-safe: every change is queued to the main loop, which
// applies it on the dialog's thread in the order it was asked for. Once the
// dialog has closed they change nothing, and a fatal message goes to
// standard error.
JobWindow GtkJobWindow(std::shared_ptr<GtkDialogSession> session);

// Main thread, once the dialog has closed: closes the fatal-error boxes it
// still shows; nobody waits for them.
void CloseErrorBoxes(GtkDialogSession& session);
