#pragma once

#include "painter/app/job_options.h"

// The options dialog's controls, named by the same ids on every window
// system: the Windows resource script uses these numbers, and the GTK dialog
// looks its widgets up by them.
enum : int {
    IdOptionsDialog = 101,
    IdMirrorColour = 1000,
    IdPaintSurrounding = 1001,
    IdDeleteTemporaries = 1002,
    IdStatusField = 1003,
    IdGo = 1004,
    IdClose = 1005,
};

// The controls a running job greys out, in the order they are switched: the
// three boxes and Go. Close stays usable, and the status field stays as it is.
inline constexpr int kJobControls[] = {IdMirrorColour, IdDeleteTemporaries, IdPaintSurrounding,
                                       IdGo};

// Switches the job's controls, then the cursor (the wait cursor while they are
// off). Each window system supplies the two operations.
template <class EnableControl, class ShowWaitCursor>
void SwitchJobControls(bool enabled, EnableControl enableControl, ShowWaitCursor showWaitCursor) {
    for (int id : kJobControls) enableControl(id, enabled);
    showWaitCursor(!enabled);
}

// A job's options from the three boxes as they are now; isChecked(id) asks
// the window system about one box. The boxes are not in the fields' order.
template <class IsChecked>
JobOptions OptionsFromBoxes(IsChecked isChecked) {
    JobOptions options;
    options.mirrorColour = isChecked(IdMirrorColour);
    options.deleteTemporaries = isChecked(IdDeleteTemporaries);
    options.paintSurrounding = isChecked(IdPaintSurrounding);
    return options;
}
