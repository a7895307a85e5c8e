#!/usr/bin/env bash
# The Linux painter without GTK: the dialog is a module loaded only when the
# painter starts without options. The painter itself links no GTK library, a
# command-line job never loads the module (even with it installed) and runs
# where it is missing, and a start without options that cannot load it says
# what to install and ends with exit status 2.
# Usage: dialog_module_test.sh MARVANE QUILLET NVDXT DIALOG-MODULE SAMPLE-LEVEL-GENERATOR
set -u
marvane=$1
quillet=$2
nvdxt=$3
module=$4
generator=$5

source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
gui_libraries='libgtk|libgdk|libglib|libgobject|libgio|libcairo|libpango|libX11'
run_with_options='run the painter with -mirror 0|1 -surround 0|1 -deltemps 0|1 instead'
usage='usage: Marvane -mirror 0|1 -surround 0|1 -deltemps 0|1'

check "the painter links no GUI library" "" \
    "$(ldd "$marvane" | grep -E "$gui_libraries")"

"$generator" --out "$work/level" --primary 129 --secondary 17 --seed 3 >/dev/null ||
    { echo "FAIL: the sample level could not be generated"; exit 1; }

# The build's painter, its module in place: a command-line job loads neither
# the module nor GTK, nor does any program it starts.
(cd "$work/level/paint" && LD_DEBUG=files LD_DEBUG_OUTPUT="$work/loaded" \
    "$marvane" -mirror 1 -surround 1 -deltemps 1 >/dev/null 2>&1)
check "command line, module installed: exit status" 0 $?
check "command line, module installed: completed" "Completed" \
    "$(tail -n 1 "$work/level/paint/log.txt" | cut -c1-9)"
check "command line, module installed: nothing of the dialog loaded" "" \
    "$(cat "$work"/loaded.* | grep -E "marvane_dialog_gtk|$gui_libraries" | head -n 3)"

# The three programs alone in a folder, as on a machine without the module.
mkdir "$work/bin"
cp "$marvane" "$quillet" "$nvdxt" "$work/bin/"
rm -rf "$work/level/paint/colormaps" "$work/level/paint/detailmaps" "$work/level/paint/lowdetailmaps"
(cd "$work/level/paint" && "$work/bin/Marvane" -mirror 1 -surround 1 -deltemps 1 >/dev/null 2>&1)
check "command line, no module: exit status" 0 $?
check "command line, no module: completed with every tile" "Completed 1 1 8" \
    "$(tail -n 1 "$work/level/paint/log.txt" | cut -c1-9) $(ls "$work/level/paint/colormaps" | grep -c '^tx0') \
$(ls "$work/level/paint/detailmaps" | wc -l) $(ls "$work/level/paint/lowdetailmaps" | wc -l)"

# The first two lines of what it says: the reason and the usage's first line.
start_without_options() {  # start_without_options PAINTER; sets status and said
    (cd "$work/level/paint" && DISPLAY=:99 "$1" 2>"$work/said.txt" >/dev/null)
    status=$?
    said=$(head -n 2 "$work/said.txt")
}
start_without_options "$work/bin/Marvane"
check "no options, no module: exit status" 2 "$status"
check "no options, no module: what is missing" \
    "Marvane: the options dialog (marvane_dialog_gtk.so) is installed neither beside the painter nor in ../lib/marvane/; $run_with_options
$usage" "$said"

# A module that cannot be loaded fails in dlopen just as one whose GTK
# libraries are not installed; the loader's own words tell which it was.
echo "not a shared object" >"$work/bin/marvane_dialog_gtk.so"
start_without_options "$work/bin/Marvane"
check "no options, module not loadable: exit status" 2 "$status"
check "no options, module not loadable: what to install, and why it failed" \
    "Marvane: the options dialog needs GTK 3 (Debian: apt-get install libgtk-3-0) and could not be loaded: $work/bin/marvane_dialog_gtk.so: file too short; $run_with_options
$usage" "$said"

# Found and loaded, beside the painter and in ../lib/marvane/ (the build's
# own layout): without a display it is the module that answers.
cp "$module" "$work/bin/marvane_dialog_gtk.so"
for where in "beside the painter:$work/bin/Marvane" "in ../lib/marvane/:$marvane"; do
    (cd "$work/level/paint" && env -u DISPLAY -u WAYLAND_DISPLAY "${where#*:}" 2>"$work/said.txt" >/dev/null)
    status=$?
    check "no options, module ${where%%:*}: loaded, it finds no display" \
        "2 Marvane: no display for the options dialog
$usage" "$status $(head -n 2 "$work/said.txt")"
done

finish
