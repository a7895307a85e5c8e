# Shared by the end-to-end test scripts: source it, call `check` for each
# expectation, and end with `finish`.

failures=0
check() {  # check DESCRIPTION EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        printf 'FAIL: %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
        failures=$((failures + 1))
    else
        printf 'ok: %s\n' "$1"
    fi
}

# Exit status 1 when any check failed.
finish() {
    [ "$failures" = 0 ] || { echo "$failures check(s) failed"; exit 1; }
}

exists() { [ -e "$1" ] && echo yes || echo no; }

# Little-endian numbers from a file: le16 FILE OFFSET, le32 FILE OFFSET.
read_le16() { od -An -tu2 -j "$2" -N2 "$1" | tr -d ' '; }
read_le32() { od -An -tu4 -j "$2" -N4 "$1" | tr -d ' '; }

# Every image a job left is whole: its size is what its header says. Prints
# one line per file that is not. With "complete" as second argument (a job
# that was not cut off) a leftover "<name>.partial" counts as broken too.
broken_outputs() {  # broken_outputs FOLDER [complete]
    local file size expected
    [ -d "$1" ] || { echo "$1: no such folder"; return; }
    [ "${2:-}" = complete ] && (cd "$1" && find . -name '*.partial')
    for file in "$1"/*.tga; do
        [ -f "$file" ] || continue
        size=$(stat -c %s "$file")
        if [ "$size" -lt 18 ]; then echo "$file: $size bytes"; continue; fi
        expected=$((18 + $(read_le16 "$file" 12) * $(read_le16 "$file" 14) * $(od -An -tu1 -j16 -N1 "$file") / 8))
        [ "$size" = "$expected" ] || echo "$file: $size bytes, header says $expected"
    done
    for file in "$1"/colormaps/*.dds "$1"/detailmaps/*.dds "$1"/lowdetailmaps/*.dds; do
        [ -f "$file" ] || continue
        size=$(stat -c %s "$file")
        if [ "$size" -lt 128 ]; then echo "$file: $size bytes"; continue; fi
        expected=$((128 + $(read_le32 "$file" 12) * $(read_le32 "$file" 16) * 4))
        [ "$size" = "$expected" ] || echo "$file: $size bytes, header says $expected"
    done
}

# The texts of the painter's error boxes, from the trace of its windows'
# texts (Wine's WINEDEBUG=trace+win) in FILE; "(no box)" when none showed.
error_box_texts() {  # error_box_texts FILE
    grep -a 'trace:win:set_window_text L"\(ERROR\|Very bad\|screwed\)' "$1" 2>/dev/null | tr -d '\r' |
        sed 's/^.*set_window_text L"//; s/"$//' | grep . || echo "(no box)"
}

# The painter's options dialog once it shows: waits up to 60 s while the
# painter PID runs, then prints the window's id (nothing if it never showed).
dialog_window() {  # dialog_window PID
    local i window
    for ((i = 0; i < 600; i++)); do
        window=$(xdotool search --onlyvisible --pid "$1" --name "^Harrow's Marvane v0\.33 - \[" 2>/dev/null | head -n 1)
        [ -n "$window" ] && { echo "$window"; return; }
        kill -0 "$1" 2>/dev/null || return
        sleep 0.1
    done
}
