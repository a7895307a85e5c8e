#!/usr/bin/env bash
# The options dialog closed in the middle of a job, again and again: the real
# painter started without options in a generated level, Go pressed, and the
# dialog closed after a delay that moves through the whole job (reading,
# weights, big maps, surrounding textures, splitting). Each time the job is
# asked to stop and the program ends once it has, through a normal return:
# exit status 0, no sanitizer report, no program it started still running, a
# log of whole lines in the job's order, no map, tile or texture cut short and
# no half-written ".partial" file anywhere. A job started afterwards in the
# same folder completes.
#
# A job that stops at its next band or map ends soon after the close; one that
# runs on to its end is waited for as long as a whole job takes, so the test
# holds for both.
#
# Usage: dialog_close_test.sh MARVANE SAMPLE-LEVEL-GENERATOR [EMULATOR...]
# Needs an X display (made with xvfb-run when there is none), xdotool and
# python3; without them the test is skipped (exit status 77).
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ]; then
    command -v xvfb-run >/dev/null || { echo "SKIPPED: no X display and no xvfb-run"; exit 77; }
    exec xvfb-run -a bash "$0" "$@"
fi
for tool in xdotool python3; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is needed"; exit 77; }
done
marvane=$(realpath "$1")
generator=$(realpath "$2")
shift 2
emulator=("$@")   # empty natively; wine for the Windows build
rounds=${MARVANE_CLOSE_ROUNDS:-12}
# GTK keeps allocations until the process ends, by design; every other report
# of the sanitizers still ends the program with a non-zero status.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}

source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"

work=$(mktemp -d)
painter_pid=""
# An X server resets when its last client leaves and refuses connections
# meanwhile; a client that stays connected keeps it up between painters.
python3 -c 'import ctypes, time
x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
display = x11.XOpenDisplay(None)
time.sleep(3600)' &
holder_pid=$!
cleanup() {
    [ -n "$painter_pid" ] && kill "$painter_pid" 2>/dev/null
    kill "$holder_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
"${emulator[@]}" "$generator" --out "$work/Island" --primary 257 --secondary 17 --seed 5 >/dev/null ||
    { echo "FAIL: the sample level could not be generated"; exit 1; }

now_ms() { date +%s%3N; }

# Starts the painter without options in FOLDER and presses Go once its dialog
# shows. Sets job_folder, painter_pid and window.
# Under Wine the painter traces the texts its windows are given, so that the
# text of an error box that keeps it from ending can be shown.
start_job() {  # start_job FOLDER
    job_folder=$1
    if [ "${#emulator[@]}" -gt 0 ]; then
        (cd "$1" && WINEDEBUG=-all,trace+win exec "${emulator[@]}" "$marvane" >stdout.txt 2>stderr.txt) &
    else
        (cd "$1" && exec "$marvane" >stdout.txt 2>stderr.txt) &
    fi
    painter_pid=$!
    window=$(dialog_window "$painter_pid")
    [ -n "$window" ] || return 1
    xdotool windowfocus --sync "$window" 2>/dev/null
    xdotool key --window "$window" Return
}

# How long a closed painter may take to end, in tenths of a second: at first
# 30 s, then as long again as a whole job took on top.
patience=300

# Closes the dialog and waits for the painter to end. Sets status (124 when it
# did not end).
close_and_wait() {
    python3 "$here/x11_close_window.py" "$window"
    local i
    status=124
    for ((i = 0; i < patience; i++)); do
        if ! kill -0 "$painter_pid" 2>/dev/null; then
            wait "$painter_pid"
            status=$?
            break
        fi
        # A loaded display may drop a close request (seen under Wine): while
        # the dialog still shows, it is asked again, as a user would click
        # again. A dialog already gone ignores it.
        if ((i % 50 == 49)) && xdotool search --onlyvisible --pid "$painter_pid" \
            --name "^Harrow's Marvane v0\.33 - \[" >/dev/null 2>&1; then
            python3 "$here/x11_close_window.py" "$window" 2>/dev/null
        fi
        sleep 0.1
    done
    if [ "$status" = 124 ]; then
        echo "  the painter did not end; its windows:"
        xdotool search --pid "$painter_pid" --name . getwindowname %@ 2>/dev/null | sed 's/^/    /'
        echo "  the error boxes' texts:"
        error_box_texts "$job_folder/stderr.txt" | sed 's/^/    /'
    fi
    if [ "$status" = 124 ]; then
        kill "$painter_pid" 2>/dev/null
        wait "$painter_pid" 2>/dev/null
    fi
    painter_pid=""
}

# The programs still working in a folder once the painter has ended: none,
# since the painter waits for or ends the splitter and the converter it
# started. Wine's own processes may take a few seconds to go.
leftover_processes() {  # leftover_processes FOLDER
    local i pid busy
    for ((i = 0; i < 50; i++)); do
        busy=""
        for pid in /proc/[0-9]*; do
            case "$(readlink "$pid/cwd" 2>/dev/null)" in
                "$1" | "$1"/*) busy="$busy $(tr '\0' ' ' <"$pid/cmdline" 2>/dev/null)" ;;
            esac
        done
        [ -z "$busy" ] && return 0
        sleep 0.2
    done
    echo "$busy"
}


sanitizer_reports() { grep -aE 'Sanitizer|runtime error' "$1/stderr.txt" | head -n 3; }
log_lines() { tr -d '\r' <"$1/log.txt" | sed -E 's/^Completed \([0-9]+\.[0-9]{4}s\)$/Completed (TIME)/'; }

# --- A whole job first: how long it takes, and the lines it logs -------------
cp -r "$work/Island" "$work/whole"
start_job "$work/whole/paint" || { echo "FAIL: the dialog did not show"; exit 1; }
start=$(now_ms)
for ((i = 0; i < 3000; i++)); do
    grep -q '^Completed' "$work/whole/paint/log.txt" 2>/dev/null && break
    sleep 0.1
done
duration=$(($(now_ms) - start))
close_and_wait
check "a whole job completes, then Close ends the painter with 0" 0 "$status"
reference=$(log_lines "$work/whole/paint")
check "a whole job: its last log line" "Completed (TIME)" "${reference##*$'\n'}"
check "a whole job: no output cut short" "" "$(broken_outputs "$work/whole/paint" complete)"
echo "a whole job takes ${duration} ms; closing after 0 to $((duration * (rounds - 1) / rounds)) ms"
patience=$((300 + duration / 100))

# --- Closed after 0, 1/rounds, 2/rounds ... of a job's time -------------------
for ((round = 0; round < rounds; round++)); do
    folder=$work/round$round
    cp -r "$work/Island" "$folder"
    delay=$((duration * round / rounds))
    if ! start_job "$folder/paint"; then
        check "round $round: the dialog shows" yes no
        kill -0 "$painter_pid" 2>/dev/null || { wait "$painter_pid"; echo "  the painter ended with $?:"; }
        head -n 5 "$folder/paint/stderr.txt" "$folder/paint/log.txt"
        continue
    fi
    sleep "$(printf '%d.%03d' $((delay / 1000)) $((delay % 1000)))"
    last=$(tr -d '\r' <"$folder/paint/log.txt" | tail -n 1)
    close_and_wait
    check "closed after $delay ms (at \"$last\"): exit status 0" 0 "$status"
    check "closed after $delay ms: no sanitizer report" "" "$(sanitizer_reports "$folder/paint")"
    check "closed after $delay ms: no program still works in the folder" "" \
        "$(leftover_processes "$folder")"
    # Only lines the job writes, in its order, each whole.
    lines=$(log_lines "$folder/paint")
    check "round $round: the log is the start of a job's log" "$lines" "${reference:0:${#lines}}"
    check "round $round: the log ends with a whole line" "" \
        "$(tail -c 1 "$folder/paint/log.txt" | tr -d '\n')"
    # The files the job was writing are removed, the finished ones whole.
    check "round $round: no output cut short, no .partial file" "" \
        "$(broken_outputs "$folder/paint" complete)"
done

# --- A job after an interrupted one, in the same folder, completes ------------
folder=$work/round$((rounds / 2))
start_job "$folder/paint" || { echo "FAIL: the dialog did not show"; exit 1; }
for ((i = 0; i < 3000; i++)); do
    grep -q '^Completed' "$folder/paint/log.txt" 2>/dev/null && break
    sleep 0.1
done
close_and_wait
check "the next job in the same folder: completed" "Completed (TIME)" "$(log_lines "$folder/paint" | tail -n 1)"
check "the next job: Close ends the painter with 0" 0 "$status"
check "the next job: no program still works in the folder" "" "$(leftover_processes "$folder")"
check "the next job: no output cut short" "" "$(broken_outputs "$folder/paint" complete)"
check "the next job: every tile and texture" "12 4 8" \
    "$(ls "$folder/paint/colormaps" | wc -l) $(ls "$folder/paint/detailmaps" | wc -l) $(ls "$folder/paint/lowdetailmaps" | wc -l)"

finish
echo "all dialog close checks passed"
