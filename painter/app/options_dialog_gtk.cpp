// The options dialog with GTK 3: the same controls as on Windows, laid out
// alike. It runs GTK's main loop on the main thread; each Go starts a job on
// a thread of its own, which reaches the widgets through that loop (ui_gtk.cpp).
#include "painter/app/options_dialog_gtk.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "common/platform/platform.h"
#include "painter/app/dialog_controls.h"
#include "painter/app/dialog_title.h"
#include "painter/app/job_thread.h"
#include "painter/app/ui.h"

namespace {

constexpr int FirstId = IdMirrorColour;
constexpr int ControlCount = IdClose - IdMirrorColour + 1;

struct Dialog {
    GtkWidget* window = nullptr;
    GtkWidget* controls[ControlCount] = {};
};

Dialog* shownDialog = nullptr;         // main thread only
std::atomic<bool> dialogShown{false};  // read by the job's thread

void StartJobFromBoxes() {
    GtkWidget* go = OptionsDialogControl(IdGo);
    // A second Go queued behind the first (a double click, a held Enter key)
    // must not start a second job on the same files.
    if (!gtk_widget_get_sensitive(go)) return;
    const JobOptions options = OptionsFromBoxes([](int id) {
        return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(OptionsDialogControl(id))) != FALSE;
    });
    gtk_widget_set_sensitive(go, FALSE);  // the job enables it again as its last step
    if (!StartJobThread(options)) {
        gtk_widget_set_sensitive(go, TRUE);
        ShowFatalMessage("Very bad unspecific error");
    }
}

void OnGo(GtkButton*, gpointer) { StartJobFromBoxes(); }

void OnClose(GtkButton*, gpointer) { gtk_main_quit(); }

gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer) {
    gtk_main_quit();
    return TRUE;  // the window goes when RunOptionsDialog returns
}

GtkWidget* AddBox(Dialog& dialog, int id, const char* caption) {
    GtkWidget* box = gtk_check_button_new_with_label(caption);
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(box), TRUE);  // all options start on
    dialog.controls[id - FirstId] = box;
    return box;
}

GtkWidget* AddButton(Dialog& dialog, int id, const char* caption, GCallback onClicked) {
    GtkWidget* button = gtk_button_new_with_label(caption);
    g_signal_connect(button, "clicked", onClicked, nullptr);
    dialog.controls[id - FirstId] = button;
    return button;
}

void Build(Dialog& dialog) {
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    dialog.window = window;
    gtk_window_set_title(GTK_WINDOW(window), DialogTitle(platform::CurrentFolder(), '/').c_str());
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
    dialog.controls[IdStatusField - FirstId] = status;
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

GtkWidget* OptionsDialogWindow() { return shownDialog ? shownDialog->window : nullptr; }

GtkWidget* OptionsDialogControl(int id) {
    if (!shownDialog || id < FirstId || id >= FirstId + ControlCount) return nullptr;
    return shownDialog->controls[id - FirstId];
}

bool OptionsDialogShown() { return dialogShown.load(); }

bool RunOptionsDialog() {
    if (!DisplayAvailable() || !gtk_init_check(nullptr, nullptr)) {
        std::fputs("Marvane: no display for the options dialog\n", stderr);
        return false;
    }
    Dialog dialog;
    Build(dialog);
    shownDialog = &dialog;
    dialogShown = true;
    gtk_widget_show_all(dialog.window);
    gtk_window_set_focus(GTK_WINDOW(dialog.window), nullptr);  // no control has the focus at first
    gtk_main();

    // A job still running reaches the widgets no more: its queued updates
    // find no dialog, and a fatal message it shows waits for nobody.
    dialogShown = false;
    shownDialog = nullptr;
    CloseErrorBoxes();
    gtk_widget_destroy(dialog.window);
    return true;
}
