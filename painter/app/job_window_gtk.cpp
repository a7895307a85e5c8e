#include "painter/app/job_window_gtk.h"

#include <chrono>
#include <functional>
#include <future>
#include <string>
#include <utility>

#include "painter/app/console_message.h"

namespace {

using Session = std::shared_ptr<GtkDialogSession>;

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

void ForgetErrorBox(GtkWidget* gone, gpointer data) {
    std::erase(static_cast<GtkDialogSession*>(data)->openErrorBoxes, gone);
}

// The modal error box; `done` is called once it is dismissed. The session
// outlives its boxes: they are closed with the dialog.
void ShowErrorBox(GtkDialogSession& session, const std::string& text, std::function<void()> done) {
    GtkWidget* box = gtk_message_dialog_new(nullptr, GtkDialogFlags(0), GTK_MESSAGE_ERROR,
                                            GTK_BUTTONS_OK, "%s", text.c_str());
    gtk_window_set_title(GTK_WINDOW(box), "Marvane Fatal Error");
    session.openErrorBoxes.push_back(box);
    g_signal_connect(box, "destroy", G_CALLBACK(ForgetErrorBox), &session);
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

void SetStatusField(const Session& session, const char* text) {
    if (!session->shown) return;
    RunOnDialogThread([session, text = ValidUtf8(text)] {
        if (GtkWidget* field = session->Control(IdStatusField)) {
            gtk_entry_set_text(GTK_ENTRY(field), text.c_str());
        }
    });
}

void SetControlsEnabled(const Session& session, bool enabled) {
    if (!session->shown) return;
    RunOnDialogThread([session, enabled] {
        GtkWidget* window = session->window;
        if (!window) return;
        SwitchJobControls(
            enabled,
            [&session](int id, bool on) { gtk_widget_set_sensitive(session->Control(id), on); },
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

void ShowFatal(const Session& session, const char* text) {
    if (!session->shown) {
        PrintFatalMessage(text);
        return;
    }
    std::string message = ValidUtf8(text);
    if (g_main_context_is_owner(g_main_context_default())) {
        // Already on the dialog's thread: wait in a nested loop.
        GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
        ShowErrorBox(*session, message, [loop] { g_main_loop_quit(loop); });
        g_main_loop_run(loop);
        g_main_loop_unref(loop);
        return;
    }
    // From the job's thread: the box is shown by the dialog's thread, and only
    // this thread waits for it. The dialog stays usable meanwhile. Once the
    // dialog has closed, its loop no longer runs to show or answer the box:
    // the wait ends then (the program asks its jobs to stop only after that),
    // and a box not shown yet never is.
    auto dismissed = std::make_shared<std::promise<void>>();
    auto abandoned = std::make_shared<std::atomic<bool>>(false);
    std::future<void> waited = dismissed->get_future();
    RunOnDialogThread([session, message = std::move(message), dismissed, abandoned] {
        if (*abandoned || !session->shown) return;
        ShowErrorBox(*session, message, [dismissed] { dismissed->set_value(); });
    });
    while (waited.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
        if (!session->shown) {
            *abandoned = true;
            return;
        }
    }
}

}  // namespace

JobWindow GtkJobWindow(std::shared_ptr<GtkDialogSession> session) {
    return JobWindow{
        [session](const char* text) { SetStatusField(session, text); },
        [session](bool enabled) { SetControlsEnabled(session, enabled); },
        [session](const char* text) { ShowFatal(session, text); },
    };
}

void CloseErrorBoxes(GtkDialogSession& session) {
    // Destroying a box removes it from the list.
    while (!session.openErrorBoxes.empty()) gtk_widget_destroy(session.openErrorBoxes.back());
}
