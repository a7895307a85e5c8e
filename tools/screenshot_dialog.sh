#!/usr/bin/env bash
# Takes the picture of the painter's options dialog for the README: the
# Windows build's Marvane.exe under Wine, on a virtual display, after one job
# on a small sample level, cropped to the dialog and saved as docs/dialog.png.
#
# Usage: tools/screenshot_dialog.sh [WINDOWS_BUILD_FOLDER]   (default build/windows)
# Needs the Windows build (cmake --preset windows && cmake --build --preset windows)
# and wine, xvfb, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$(cd "${1:-build/windows}" && pwd)
bin=$build/bin
for program in Marvane.exe quillet.exe nvdxt.exe marvane_sample_level.exe; do
    [ -f "$bin/$program" ] || { echo "screenshot: no $bin/$program; build the windows preset first" >&2; exit 1; }
done
for tool in wine xvfb-run xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshot: $tool is missing" >&2; exit 1; }
done

# A display of our own, so the picture never depends on a desktop's theme.
if [ -z "${MARVANE_SCREENSHOT_DISPLAY:-}" ]; then
    exec env MARVANE_SCREENSHOT_DISPLAY=1 xvfb-run -a -s "-screen 0 800x600x24" "$0" "$build"
fi

# A Wine prefix of its own: without a window manager Wine draws the caption
# itself when its windows are unmanaged.
export WINEPREFIX=$build/wineprefix-screenshot WINEDEBUG=-all
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

work=$(mktemp -d)
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

level=$work/Greyhollow
wine "$bin/marvane_sample_level.exe" --out "$(winepath -w "$level")" --primary 257 --secondary 65 \
    >/dev/null
(cd "$level/paint" && exec wine "$bin/Marvane.exe") >/dev/null 2>&1 &

window=$(timeout 60 xdotool search --sync --onlyvisible --name "Harrow's Marvane" | head -1)
[ -n "$window" ] || { echo "screenshot: the dialog did not show" >&2; exit 1; }

# Go, by its default-button key; then wait for the job to end.
xdotool windowfocus --sync "$window" key Return
for _ in $(seq 600); do
    grep -q '^Completed' "$level/paint/log.txt" 2>/dev/null && break
    sleep 0.1
done
grep -q '^Completed' "$level/paint/log.txt" || { echo "screenshot: the job did not complete" >&2; exit 1; }
sleep 1  # the controls enabled again and repainted

eval "$(xdotool getwindowgeometry --shell "$window")"
mkdir -p "$root/docs"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$root/docs/dialog.png"
echo "Wrote $root/docs/dialog.png (${WIDTH}x${HEIGHT})"
