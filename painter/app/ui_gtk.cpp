// The window-system layer with GTK 3. The job calls these from its worker
// thread, and GTK is not thread-safe: every change is queued to the main
// loop, which applies it on the dialog's thread in the order it was asked for.
// Without a dialog (a command-line run) the status goes only to the log and a
// fatal message to standard error. Changes still queued when the dialog has
// closed find no widgets and change nothing.
#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "painter/app/console_message.h"
#include "painter/app/dialog_controls.h"
#include "painter/app/job_thread.h"
#include "painter/app/options_dialog_gtk.h"
#include "painter/app/ui.h"

namespace {

std::vector<GtkWidget*> openErrorBoxes;  // main thread only

void RunOnDialogThread(std::function<void()> action) {
    auto* task = new std::function<void()>(std::move(action));
    g_idle_add_full(
        G_PRIORITY_DEFAULT,
        [](gpointer data) -> gboolean {
            (*static_cast<std::function<void()>*>(data))();
            return G_SOURCE_REMOVE;
        },
        task, [](gpointer data) { delete static_cast<std::function<void()>*>(data); });
}

// The modal error box; `done` is called once it is dismissed.
void ShowErrorBox(const std::string& text, std::function<void()> done) {
    GtkWidget* box = gtk_message_dialog_new(nullptr, GtkDialogFlags(0), GTK_MESSAGE_ERROR,
                                            GTK_BUTTONS_OK, "%s", text.c_str());
    gtk_window_set_title(GTK_WINDOW(box), "Marvane Fatal Error");
    openErrorBoxes.push_back(box);
    g_signal_connect(box, "destroy", G_CALLBACK(+[](GtkWidget* gone, gpointer) {
                         std::erase(openErrorBoxes, gone);
                     }),
                     nullptr);
    auto* onDismissed = new std::function<void()>(std::move(done));
    g_signal_connect_data(
        box, "response", G_CALLBACK(+[](GtkDialog* dialog, gint, gpointer data) {
            auto& onDismissed = *static_cast<std::function<void()>*>(data);
            if (!onDismissed) return;  // answered once already
            const std::function<void()> done = std::exchange(onDismissed, nullptr);
            gtk_widget_destroy(GTK_WIDGET(dialog));
            done();
        }),
        onDismissed,
        [](gpointer data, GClosure*) { delete static_cast<std::function<void()>*>(data); },
        GConnectFlags(0));
    gtk_widget_show(box);
}

// GTK wants UTF-8; a stray byte of another encoding shows as a replacement.
std::string ValidUtf8(const char* text) {
    gchar* valid = g_utf8_make_valid(text, -1);
    std::string result(valid);
    g_free(valid);
    return result;
}

}  // namespace

void SetStatusField(const char* text) {
    if (!OptionsDialogShown()) return;
    RunOnDialogThread([text = ValidUtf8(text)] {
        if (GtkWidget* field = OptionsDialogControl(IdStatusField)) {
            gtk_entry_set_text(GTK_ENTRY(field), text.c_str());
        }
    });
}

void SetControlsEnabled(bool enabled) {
    if (!OptionsDialogShown()) return;
    RunOnDialogThread([enabled] {
        GtkWidget* window = OptionsDialogWindow();
        if (!window) return;
        SwitchJobControls(
            enabled,
            [](int id, bool on) { gtk_widget_set_sensitive(OptionsDialogControl(id), on); },
            [window](bool wait) {
                // On the window itself, which its controls inherit.
                GdkWindow* surface = gtk_widget_get_window(window);
                if (!surface) return;
                GdkCursor* cursor =
                    wait ? gdk_cursor_new_for_display(gdk_window_get_display(surface), GDK_WATCH)
                         : nullptr;
                gdk_window_set_cursor(surface, cursor);
                if (cursor) g_object_unref(cursor);
            });
    });
}

void ShowFatalMessage(const char* text) {
    if (!OptionsDialogShown()) {
        PrintFatalMessage(text);
        return;
    }
    std::string message = ValidUtf8(text);
    if (g_main_context_is_owner(g_main_context_default())) {
        // Already on the dialog's thread: wait in a nested loop.
        GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
        ShowErrorBox(message, [loop] { g_main_loop_quit(loop); });
        g_main_loop_run(loop);
        g_main_loop_unref(loop);
        return;
    }
    // From the job's thread: the box is shown by the dialog's thread, and only
    // this thread waits for it. The dialog stays usable meanwhile. Once the
    // dialog has closed, its loop no longer runs to show or answer the box:
    // the wait ends then (or when the job is asked to stop), and a box not
    // shown yet never is.
    auto dismissed = std::make_shared<std::promise<void>>();
    auto abandoned = std::make_shared<std::atomic<bool>>(false);
    std::future<void> waited = dismissed->get_future();
    RunOnDialogThread([message = std::move(message), dismissed, abandoned] {
        if (*abandoned || !OptionsDialogShown()) return;
        ShowErrorBox(message, [dismissed] { dismissed->set_value(); });
    });
    while (waited.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
        if (!OptionsDialogShown() || JobStopRequested()) {
            *abandoned = true;
            return;
        }
    }
}

void CloseErrorBoxes() {
    // Destroying a box removes it from the list.
    while (!openErrorBoxes.empty()) gtk_widget_destroy(openErrorBoxes.back());
}

void AnswerWindowSystem() {}
