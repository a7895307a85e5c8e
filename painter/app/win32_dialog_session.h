#pragma once

#include <windows.h>

#include <atomic>
#include <memory>

#include "painter/app/dialog_controls.h"
#include "painter/app/job_context.h"
#include "painter/app/ui.h"

// Everything of one showing of the Windows options dialog, in one object:
// the dialog procedure gets it through DialogBoxParam's lParam and keeps it
// in the window's GWLP_USERDATA; each job started from the dialog shares its
// ownership, so that a job still running after the dialog has gone finds it
// there, closed. Shared by the dialog's thread and the jobs' threads, hence
// atomic: the window handle is set when the dialog initialises, before any
// job starts, and cleared when it is destroyed; the cursor is set by a job
// and read by the dialog at each cursor request.
struct Win32DialogSession : std::enable_shared_from_this<Win32DialogSession> {
    DialogHost host;
    std::atomic<HWND> window{nullptr};
    std::atomic<HCURSOR> cursor{nullptr};
};

// Where a job started from the dialog shows itself. Once the dialog has gone
// (its window is null) the status and the controls change nothing.
JobWindow Win32JobWindow(std::shared_ptr<Win32DialogSession> session);

// Sets the dialog's title from the working folder: the level's folder name.
void UpdateWindowTitle(HWND dialog);
