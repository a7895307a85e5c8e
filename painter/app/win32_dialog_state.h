#pragma once

#include <windows.h>

#include <atomic>

#include "painter/app/dialog_controls.h"

// Shared by the dialog's thread and the job's thread, hence atomic: the
// window handle is written when the dialog initialises, before any job
// starts, and cleared when it is destroyed; the cursor by the job, read by
// the dialog at each cursor request.
extern std::atomic<HWND> dialogWindow;
extern std::atomic<HCURSOR> currentCursor;

// Sets the dialog's title from the working folder: the level's folder name.
void UpdateWindowTitle(HWND dialog);
