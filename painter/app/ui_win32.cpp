// The window-system layer on Windows.
#include <windows.h>

#include "painter/app/ui.h"
#include "painter/app/win32_dialog_state.h"

HWND dialogWindow = nullptr;
std::atomic<HCURSOR> currentCursor{nullptr};

void SetStatusField(const char* text) {
    if (dialogWindow) ::SetDlgItemTextA(dialogWindow, IdStatusField, text);
}

void SetControlsEnabled(bool enabled) {
    if (dialogWindow) {
        const int controls[] = {IdMirrorColour, IdDeleteTemporaries, IdPaintSurrounding, IdGo};
        for (int id : controls) ::EnableWindow(::GetDlgItem(dialogWindow, id), enabled);
    }
    currentCursor = ::LoadCursor(nullptr, enabled ? IDC_ARROW : IDC_WAIT);
}

void ShowFatalMessage(const char* text) {
    ::MessageBoxA(nullptr, text, "Marvane Fatal Error", MB_ICONERROR | MB_OK);
}
