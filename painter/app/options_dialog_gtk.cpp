// The options dialog with GTK 3: the same controls as on Windows, laid out
// alike. It runs GTK's main loop on the main thread; each Go starts a job on
// a thread of its own, which reaches the widgets through that loop
// (job_window_gtk.cpp).
#include "painter/app/options_dialog_gtk.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>

#include "painter/app/console_message.h"
#include "painter/app/dialog_controls.h"
#include "painter/app/dialog_title.h"
#include "painter/app/gtk_dialog_session.h"
#include "painter/app/job_window_gtk.h"
#include "painter/app/ui.h"

namespace {

// The key under which the dialog's window holds its session, for tests.
constexpr const char* kSessionKey = "marvane-options-dialog";

using Session = GtkDialogSession;

void StartJobFromBoxes(Session& session) {
    GtkWidget* go = session.Control(IdGo);
    // A second Go queued behind the first (a double click, a held Enter key)
    // must not start a second job on the same files.
    if (!gtk_widget_get_sensitive(go)) return;
    const JobOptions options = OptionsFromBoxes([&session](int id) {
        return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(session.Control(id))) != FALSE;
    });
    gtk_widget_set_sensitive(go, FALSE);  // the job enables it again as its last step
    JobWindow window = GtkJobWindow(session.shared_from_this());
    if (!session.host.startJob(options, window)) {
        gtk_widget_set_sensitive(go, TRUE);
        window.showFatal("Very bad unspecific error");
    }
}

void OnGo(GtkButton*, gpointer session) { StartJobFromBoxes(*static_cast<Session*>(session)); }

void OnClose(GtkButton*, gpointer) { gtk_main_quit(); }

gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer) {
    gtk_main_quit();
    return TRUE;  // the window goes when RunOptionsDialog returns
}

GtkWidget* AddBox(Session& dialog, int id, const char* caption) {
    GtkWidget* box = gtk_check_button_new_with_label(caption);
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(box), TRUE);  // all options start on
    dialog.controls[id - Session::kFirstId] = box;
    return box;
}

GtkWidget* AddButton(Session& dialog, int id, const char* caption, GCallback onClicked) {
    GtkWidget* button = gtk_button_new_with_label(caption);
    g_signal_connect(button, "clicked", onClicked, &dialog);
    dialog.controls[id - Session::kFirstId] = button;
    return button;
}

void Build(Session& dialog) {
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    dialog.window = window;
    g_object_set_data(G_OBJECT(window), kSessionKey, &dialog);
    gtk_window_set_title(GTK_WINDOW(window), DialogTitle(dialog.host.currentFolder(), '/').c_str());
    gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
    gtk_container_set_border_width(GTK_CONTAINER(window), 10);
    g_signal_connect(window, "delete-event", G_CALLBACK(OnDelete), nullptr);

    // Boxes on the left, buttons on the right, the status line below both.
    GtkWidget* grid = gtk_grid_new();
    gtk_grid_set_row_spacing(GTK_GRID(grid), 4);
    gtk_grid_set_column_spacing(GTK_GRID(grid), 24);
    gtk_container_add(GTK_CONTAINER(window), grid);

    GtkWidget* go = AddButton(dialog, IdGo, "Go", G_CALLBACK(OnGo));
    GtkWidget* close = AddButton(dialog, IdClose, "Close", G_CALLBACK(OnClose));
    gtk_grid_attach(GTK_GRID(grid), AddBox(dialog, IdMirrorColour, "Mirror colour texture"), 0, 0,
                    1, 1);
    gtk_grid_attach(GTK_GRID(grid), AddBox(dialog, IdPaintSurrounding, "Paint surrounding terrain"),
                    0, 1, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), AddBox(dialog, IdDeleteTemporaries, "Delete temporary files"),
                    0, 2, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), go, 1, 0, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), close, 1, 1, 1, 1);

    // One line, read only and greyed like the Windows field; the job's texts
    // are shown in full, scrolled sideways when long.
    GtkWidget* status = gtk_entry_new();
    gtk_editable_set_editable(GTK_EDITABLE(status), FALSE);
    gtk_widget_set_can_focus(status, FALSE);
    gtk_widget_set_sensitive(status, FALSE);
    gtk_entry_set_width_chars(GTK_ENTRY(status), 48);
    gtk_widget_set_margin_top(status, 6);
    dialog.controls[IdStatusField - Session::kFirstId] = status;
    gtk_grid_attach(GTK_GRID(grid), status, 0, 3, 2, 1);

    // Go is the default button: Enter presses it.
    gtk_widget_set_can_default(go, TRUE);
    gtk_window_set_default(GTK_WINDOW(window), go);
}

// GTK without a display aborts or leaves allocations behind; a console session
// is told to use the command line instead.
bool DisplayAvailable() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

}  // namespace

GtkWidget* OptionsDialogControl(GtkWidget* window, int id) {
    if (!window) return nullptr;
    const auto* session =
        static_cast<const Session*>(g_object_get_data(G_OBJECT(window), kSessionKey));
    return session ? session->Control(id) : nullptr;
}

bool RunOptionsDialog(const DialogHost& host) {
    if (!DisplayAvailable() || !gtk_init_check(nullptr, nullptr)) {
        std::fputs("Marvane: no display for the options dialog\n", stderr);
        return false;
    }
    // Shared with the jobs started from it, which may outlive this call.
    const auto session = std::make_shared<Session>();
    session->host = host;
    Build(*session);
    session->shown = true;
    gtk_widget_show_all(session->window);
    // No control has the focus at first.
    gtk_window_set_focus(GTK_WINDOW(session->window), nullptr);
    gtk_main();

    // A job still running reaches the widgets no more: its queued updates
    // find no dialog, and a fatal message it shows waits for nobody.
    session->shown = false;
    GtkWidget* window = std::exchange(session->window, nullptr);
    g_object_set_data(G_OBJECT(window), kSessionKey, nullptr);
    CloseErrorBoxes(*session);
    gtk_widget_destroy(window);
    return true;
}

// The painter's own fatal messages come before the dialog shows, and a
// dialog's job shows its own in the dialog: this one has no dialog.
void ShowFatalMessage(const char* text) { PrintFatalMessage(text); }

void AnswerWindowSystem() {}
