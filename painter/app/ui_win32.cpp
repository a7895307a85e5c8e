// The window-system layer on Windows. The job calls these from its worker
// thread; the window manager hands each change to the dialog's thread.
#include <windows.h>

#include "painter/app/ui.h"
#include "painter/app/win32_dialog_state.h"

std::atomic<HWND> dialogWindow{nullptr};
std::atomic<HCURSOR> currentCursor{nullptr};

void SetStatusField(const char* text) {
    if (HWND dialog = dialogWindow.load()) ::SetDlgItemTextA(dialog, IdStatusField, text);
}

void SetControlsEnabled(bool enabled) {
    const HWND dialog = dialogWindow.load();
    SwitchJobControls(
        enabled,
        [dialog](int id, bool on) {
            if (dialog) ::EnableWindow(::GetDlgItem(dialog, id), on);
        },
        // Shown at the next cursor request, when the mouse next moves.
        [](bool wait) { currentCursor = ::LoadCursor(nullptr, wait ? IDC_WAIT : IDC_ARROW); });
}

void ShowFatalMessage(const char* text) {
    ::MessageBoxA(nullptr, text, "Marvane Fatal Error", MB_ICONERROR | MB_OK);
}
