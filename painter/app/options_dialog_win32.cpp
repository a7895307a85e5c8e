// The options dialog on Windows: template 101 of options_dialog.rc, shown
// modally on the main thread; each Go runs a job on a thread of its own.
#include <windows.h>

#include <memory>
#include <string>

#include "painter/app/dialog_title.h"
#include "painter/app/ui.h"
#include "painter/app/win32_dialog_session.h"

namespace {

std::string Utf8(const std::wstring& text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) {
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(),
                              size, nullptr, nullptr);
    }
    return result;
}

std::wstring Wide(const std::string& text) {
    const int size =
        ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0) {
        ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(),
                              size);
    }
    return result;
}

// The working folder's full path, however long, in any script.
std::wstring CurrentFolderWide() {
    for (DWORD capacity = MAX_PATH;;) {
        std::wstring folder(capacity, L'\0');
        const DWORD length = ::GetCurrentDirectoryW(capacity, folder.data());
        if (length == 0) return std::wstring();
        if (length < capacity) {
            folder.resize(length);
            return folder;
        }
        capacity = length + 1;  // the size it needs, terminator included
    }
}

void StartJobFromBoxes(Win32DialogSession& session, HWND dialog) {
    const HWND go = ::GetDlgItem(dialog, IdGo);
    // A second Go queued behind the first (a double click, a held Enter key)
    // must not start a second job on the same files.
    if (!::IsWindowEnabled(go)) return;
    const JobOptions options = OptionsFromBoxes(
        [dialog](int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; });
    ::EnableWindow(go, FALSE);  // the job enables it again as its last step
    JobWindow window = Win32JobWindow(session.shared_from_this());
    if (!session.host.startJob(options, window)) {
        ::EnableWindow(go, TRUE);
        window.showFatal("Very bad unspecific error");
    }
}

INT_PTR CALLBACK OptionsDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        // The session comes with this first message of the dialog's own and
        // stays with its window; the few messages before it (WM_SETFONT)
        // are left to the default handling.
        auto* session = reinterpret_cast<Win32DialogSession*>(lParam);
        ::SetWindowLongPtrW(dialog, GWLP_USERDATA, static_cast<LONG_PTR>(lParam));
        ::CheckDlgButton(dialog, IdMirrorColour, BST_CHECKED);
        ::CheckDlgButton(dialog, IdDeleteTemporaries, BST_CHECKED);
        ::CheckDlgButton(dialog, IdPaintSurrounding, BST_CHECKED);
        session->window = dialog;
        session->cursor = ::LoadCursor(nullptr, IDC_ARROW);
        UpdateWindowTitle(dialog);
        return FALSE;  // no control gets the keyboard focus
    }
    auto* session =
        reinterpret_cast<Win32DialogSession*>(::GetWindowLongPtrW(dialog, GWLP_USERDATA));
    if (!session) return FALSE;
    switch (message) {
        case WM_SETCURSOR:
            ::SetCursor(session->cursor.load());
            // Handled for the control under the mouse as well, which would
            // otherwise put its own cursor back.
            ::SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
            return TRUE;
        case WM_CLOSE:
            ::EndDialog(dialog, 1);
            return TRUE;
        case WM_DESTROY:
            // A job still running reaches the dialog no more.
            session->window = nullptr;
            return FALSE;
        case WM_COMMAND:
            // Escape's IDCANCEL is left alone: it must not close the dialog.
            switch (LOWORD(wParam)) {
                case IdGo:
                    StartJobFromBoxes(*session, dialog);
                    return FALSE;
                case IdClose:
                    ::EndDialog(dialog, 1);
                    return FALSE;
            }
            return FALSE;
    }
    return FALSE;
}

}  // namespace

void UpdateWindowTitle(HWND dialog) {
    const std::wstring title = Wide(DialogTitle(Utf8(CurrentFolderWide()), '\\'));
    ::SetWindowTextW(dialog, title.c_str());
}

bool RunOptionsDialog(const DialogHost& host) {
    // Shared with the jobs started from it, which may outlive this call.
    const auto session = std::make_shared<Win32DialogSession>();
    session->host = host;
    const INT_PTR result =
        ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IdOptionsDialog), nullptr,
                          OptionsDialog, reinterpret_cast<LPARAM>(session.get()));
    session->window = nullptr;
    return result != -1;
}
