// The window-system layer on Windows. A job calls its window's functions
// from its worker thread; the window manager hands each change to the
// dialog's thread.
#include <windows.h>

#include "common/platform/terminal.h"
#include "painter/app/console_message.h"
#include "painter/app/ui.h"
#include "painter/app/win32_dialog_session.h"

namespace {

using Session = std::shared_ptr<Win32DialogSession>;

void SetStatusField(const Session& session, const char* text) {
    if (HWND dialog = session->window.load()) ::SetDlgItemTextA(dialog, IdStatusField, text);
}

void SetControlsEnabled(const Session& session, bool enabled) {
    const HWND dialog = session->window.load();
    SwitchJobControls(
        enabled,
        [dialog](int id, bool on) {
            if (dialog) ::EnableWindow(::GetDlgItem(dialog, id), on);
        },
        // Shown at the next cursor request, when the mouse next moves.
        [&session](bool wait) {
            session->cursor = ::LoadCursor(nullptr, wait ? IDC_WAIT : IDC_ARROW);
        });
}

void ShowFatal(HWND dialog, const char* text) {
    // Started with its options from a console (a batch file): the message
    // also goes to standard error, so that the batch file's log keeps it.
    if (!dialog && platform::ReachStartingConsole()) PrintFatalMessage(text);
    // A box without an owner: it stays after the dialog has closed, and the
    // program, which waits for the job, ends only once the user has answered it.
    ::MessageBoxA(nullptr, text, "Marvane Fatal Error", MB_ICONERROR | MB_OK);
}

}  // namespace

JobWindow Win32JobWindow(std::shared_ptr<Win32DialogSession> session) {
    return JobWindow{
        [session](const char* text) { SetStatusField(session, text); },
        [session](bool enabled) { SetControlsEnabled(session, enabled); },
        [session](const char* text) { ShowFatal(session->window.load(), text); },
    };
}

void ShowFatalMessage(const char* text) { ShowFatal(nullptr, text); }

void AnswerWindowSystem() {
    // Taking no message from the queue still delivers the ones the job's
    // thread sends (a status, the controls) to a dialog that is gone, which
    // lets them fail at once instead of waiting for this thread for ever.
    MSG message;
    ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
}
