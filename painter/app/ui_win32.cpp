// The window-system layer on Windows. The job calls these from its worker
// thread; the window manager hands each change to the dialog's thread. Once
// the dialog has gone (dialogWindow is null) they change nothing.
#include <windows.h>

#include "common/platform/terminal.h"
#include "painter/app/console_message.h"
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
    // Started with its options from a console (a batch file): the message
    // also goes to standard error, so that the batch file's log keeps it.
    if (!dialogWindow.load() && platform::ReachStartingConsole()) PrintFatalMessage(text);
    // A box without an owner: it stays after the dialog has closed, and the
    // program, which waits for the job, ends only once the user has answered it.
    ::MessageBoxA(nullptr, text, "Marvane Fatal Error", MB_ICONERROR | MB_OK);
}

void AnswerWindowSystem() {
    // Taking no message from the queue still delivers the ones the job's
    // thread sends (a status, the controls) to a dialog that is gone, which
    // lets them fail at once instead of waiting for this thread for ever.
    MSG message;
    ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
}
