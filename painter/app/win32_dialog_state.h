#pragma once

#include <windows.h>

#include <atomic>

// Control ids of the options dialog (template 101).
enum : int {
    IdOptionsDialog = 101,
    IdMirrorColour = 1000,
    IdPaintSurrounding = 1001,
    IdDeleteTemporaries = 1002,
    IdStatusField = 1003,
    IdGo = 1004,
    IdClose = 1005,
};

// Shared by the dialog's thread and the job's thread: the window handle is
// written once, before any job starts; the cursor by the job, read by the dialog.
extern HWND dialogWindow;
extern std::atomic<HCURSOR> currentCursor;
