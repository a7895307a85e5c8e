#pragma once

#include <gtk/gtk.h>

#include <atomic>
#include <memory>
#include <vector>

#include "painter/app/dialog_controls.h"
#include "painter/app/ui.h"

// Everything of one showing of the GTK options dialog, in one object: the
// dialog's callbacks get it through GTK's user data, and each job started
// from it shares its ownership, so that a job still running after the
// dialog has closed finds it there, closed.
struct GtkDialogSession : std::enable_shared_from_this<GtkDialogSession> {
    static constexpr int kFirstId = IdMirrorColour;
    static constexpr int kControlCount = IdClose - IdMirrorColour + 1;

    // A control by its id in dialog_controls.h; null once the dialog has
    // closed. Main thread only, as are the widgets.
    GtkWidget* Control(int id) const {
        if (!window || id < kFirstId || id >= kFirstId + kControlCount) return nullptr;
        return controls[id - kFirstId];
    }

    DialogHost host;
    GtkWidget* window = nullptr;  // null once closed
    GtkWidget* controls[kControlCount] = {};
    // From any thread: whether the dialog is shown, so that a job's status
    // and controls go to it.
    std::atomic<bool> shown{false};
    // The fatal-error boxes still open, closed with the dialog.
    std::vector<GtkWidget*> openErrorBoxes;
};
