#!/usr/bin/env bash
# A level painted on a desktop whose locale writes numbers with a decimal
# comma: a command-line job and a dialog job (whose toolkit takes the
# desktop's locale at start-up) read the settings and write their maps, tiles
# and log exactly as in the C locale, but the time.
#
# Usage: locale_test.sh MARVANE SAMPLE-LEVEL-GENERATOR
# Needs the locale de_DE.UTF-8 (Debian: locales, then localedef -i de_DE -f
# UTF-8 de_DE.UTF-8), and for the dialog an X display (made with xvfb-run
# when there is none) and xdotool; without the locale it is skipped (77).
set -u
here=$(cd "$(dirname "$0")" && pwd)
comma=de_DE.UTF-8
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    echo "SKIPPED: no $comma locale (localedef -i de_DE -f UTF-8 $comma)"
    exit 77
fi
if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
    exec xvfb-run -a bash "$0" "$@"
fi
marvane=$(realpath "$1")
generator=$(realpath "$2")
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}

source "$here/test_lib.sh"

work=$(mktemp -d)
painter_pid=""
cleanup() {
    [ -n "$painter_pid" ] && kill "$painter_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
"$generator" --out "$work/level" --primary 129 --secondary 17 --seed 3 >/dev/null ||
    { echo "FAIL: the sample level could not be generated"; exit 1; }

# Every output of a job: its files' checksums and its log, the time taken out.
outputs() {  # outputs FOLDER
    (cd "$1" && find . -name '*.tga' -o -name '*.dds' | LC_ALL=C sort | xargs cksum)
    tr -d '\r' <"$1/log.txt" | sed -E 's/^Completed \([0-9]+\.[0-9]{4}s\)$/Completed (TIME)/'
}
fresh() {  # fresh NAME: a copy of the level, its working folder printed
    cp -r "$work/level" "$work/$1"
    echo "$work/$1/paint"
}

reference=$(fresh c)
(cd "$reference" && LC_ALL=C "$marvane" -mirror 1 -surround 1 -deltemps 0 >/dev/null 2>&1)
check "C locale: job completed" "Completed" "$(tail -n 1 "$reference/log.txt" | cut -c1-9)"
expected=$(outputs "$reference")

commandLine=$(fresh cli)
(cd "$commandLine" && LC_ALL=$comma LANG=$comma "$marvane" -mirror 1 -surround 1 -deltemps 0 \
    >/dev/null 2>&1)
check "$comma: command-line job writes the same" "$expected" "$(outputs "$commandLine")"

# The dialog: Go pressed with every box ticked, as the dialog starts; the
# job's end awaited in its log, then the dialog closed.
if ! command -v xdotool >/dev/null || [ -z "${DISPLAY:-}" ]; then
    echo "SKIPPED: the dialog job needs an X display and xdotool"
    finish
    exit 0
fi
dialog=$(fresh dialog)
(cd "$dialog" && LC_ALL=$comma LANG=$comma exec "$marvane" >stdout.txt 2>stderr.txt) &
painter_pid=$!
window=$(dialog_window "$painter_pid")
if [ -z "$window" ]; then
    echo "FAIL: the dialog did not show: $(head -n 3 "$dialog/stderr.txt")"
    exit 1
fi
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key --window "$window" Return
for ((i = 0; i < 1200; i++)); do
    tail -n 1 "$dialog/log.txt" 2>/dev/null | grep -q '^Completed' && break
    sleep 0.1
done
python3 "$here/x11_close_window.py" "$window"
for ((i = 0; i < 300; i++)); do kill -0 "$painter_pid" 2>/dev/null || break; sleep 0.1; done
wait "$painter_pid"
check "$comma: dialog ends with exit status 0" 0 "$?"
painter_pid=""
# The dialog's boxes: all three options on.
(cd "$reference" && LC_ALL=C "$marvane" -mirror 1 -surround 1 -deltemps 1 >/dev/null 2>&1)
check "$comma: dialog job writes the same" "$(outputs "$reference")" "$(outputs "$dialog")"
finish
