#!/usr/bin/env bash
# A failing level for each message that stops a painting job (a file the
# level lacks, or a tile folder that cannot be made): the message (standard
# error on Linux; the message box under Wine, its OK clicked with xdotool),
# the exit status 1 of a failed command-line job, and what the job leaves on
# disk. Every job runs with -deltemps 1: after a failure nothing is deleted.
#
# Two of the job's messages no level can cause, so they are tested in the
# unit tests instead: "ERROR: normal map already exists!" (each height field's
# slopes are built once) and "ERROR: secondary size != 512" (the job paints
# the surrounding maps at side 512 whatever the settings say).
#
# Usage: fatal_messages_test.sh MARVANE SAMPLE-LEVEL-GENERATOR [EMULATOR...]
# Under Wine the boxes need an X display and xdotool; without them the test
# is skipped (exit status 77), since a box nobody can dismiss would never end.
set -u
marvane=$1
generator=$2
shift 2
emulator=("$@")   # empty natively; wine for the Windows build
windows=0
case "$marvane" in *.exe) windows=1 ;; esac

if [ "$windows" = 1 ] && { [ -z "${DISPLAY:-}" ] || ! command -v xdotool >/dev/null; }; then
    echo "SKIPPED: under Wine the message boxes need an X display (DISPLAY) and xdotool"
    exit 77
fi

source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The box of a failed job waits for a click: find it, press Return, and give
# up (killing the painter) if it never shows or the painter never ends.
# Sets status and box (the box's text, as Wine's trace escapes it).
run_failing_job() {  # run_failing_job FOLDER ARGS...
    local folder=$1 window="" pid i size
    shift
    if [ "$windows" = 0 ]; then
        (cd "$folder" && "$marvane" "$@" >"$work/stdout.txt" 2>"$work/stderr.txt")
        status=$?
        return
    fi
    # The win channel traces every text a window is given, the box's too.
    (cd "$folder" && WINEDEBUG=-all,trace+win exec "${emulator[@]}" "$marvane" "$@" \
        >"$work/stdout.txt" 2>"$work/stderr.txt") &
    pid=$!
    for ((i = 0; i < 120; i++)); do
        window=$(xdotool search --name '^Marvane Fatal Error$' 2>/dev/null | head -n 1)
        [ -n "$window" ] || ! kill -0 "$pid" 2>/dev/null && break
        sleep 0.5
    done
    # Click OK, centred at the bottom of the box, as a user would: a key sent
    # to the box is lost when another window of the job holds the focus.
    # Again every two seconds, in case a click comes before the box is ready.
    for ((i = 0; i < 60; i++)); do
        if [ -n "$window" ] && ((i % 4 == 0)); then
            size=$(xdotool getwindowgeometry "$window" 2>/dev/null | sed -n 's/^ *Geometry: //p')
            [ -n "$size" ] && xdotool mousemove --window "$window" $((${size%x*} / 2)) \
                $((${size#*x} - 20)) click 1 2>/dev/null
        fi
        sleep 0.5
        kill -0 "$pid" 2>/dev/null || break
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "the painter did not end after its box was dismissed: killed"
        kill "$pid"
    fi
    wait "$pid"
    status=$?
    box=$(grep -a 'trace:win:set_window_text L"ERROR' "$work/stderr.txt" | tr -d '\r' |
        sed 's/^.*set_window_text L"//; s/"$//')
    [ -n "$window" ] || box="(no box was shown)"
}

"${emulator[@]}" "$generator" --out "$work/level" --primary 129 --secondary 17 --seed 3 >/dev/null ||
    { echo "FAIL: the sample level could not be generated"; exit 1; }

folders="./colormaps ./detailmaps ./log.txt ./lowdetailmaps"
banner="-----------------"
# What a job leaves once it has written the big maps: the surrounding textures
# of the first COUNT heightmaps, the big maps, the temporary images.
after_big_maps() {  # after_big_maps COUNT
    local files=(./colourbig.tga ./ctemp.tga ./detailbig.tga ./detailmaps ./dtemp.tga ./log.txt
        ./lowdetailmaps) i
    for ((i = 0; i < $1; i++)); do files+=("./colormaps/tx_s$i.dds" "./lowdetailmaps/tx_s$i.dds"); done
    printf '%s\n' "${files[@]}" | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//'
}
three_textures=$(after_big_maps 3)
all_textures=$(after_big_maps 8)
temporaries="./colormaps $(after_big_maps 0)"

# The line that a missing file of the material set gets under its message,
# on standard error only: the box keeps the message alone.
missing_texture() {  # missing_texture NAME
    printf 'data/%s.tga is missing; textures must be 512 x 512, 24-bit, uncompressed: marvane_materials --%s PICTURE converts one' "$1" "$1"
}
missing_gradient() {  # missing_gradient NAME
    printf 'data/%s.tga is missing; gradients must be uncompressed TGA with at least 512 pixel bytes, best a 512 x 1 greyscale ramp: marvane_materials --rules FILE writes both' "$1"
}

# One row a case: what is wrong, as a command run in the level's folder |
# the message (with \n escapes) | the last line of log.txt | what is left in
# the working folder besides data/ [| the line under the message on standard
# error]. The settings file is read first, then the material set, then the
# heightmaps; the conversions and the splitter come last, and one that fails
# stops the job too.
while IFS='|' read -r fault message last_log_line left reason; do
    [ -n "$fault" ] || continue
    rm -rf "$work/case"
    cp -r "$work/level" "$work/case"
    (cd "$work/case" && eval "$fault")
    run_failing_job "$work/case/paint" -mirror 1 -surround 1 -deltemps 1

    check "$fault: exit status" 1 "$status"
    # Standard error as the user sees it: under Wine without its traces and
    # with plain line breaks.
    grep -av '^[0-9a-f]*:trace:' "$work/stderr.txt" | tr -d '\r' >"$work/said.txt"
    if [ -n "$reason" ]; then
        # The reason comes on a line of its own under the message.
        check "$fault: message and reason on standard error" \
            "$(printf '%b\n%s\n.' "${message%\\n}" "$reason")" "$(tail -n 2 "$work/said.txt"; printf .)"
    else
        # The job's message comes last (after any message of a program that
        # failed under it, and before the repeat of that program's last error
        # line), ending in exactly one line break.
        check "$fault: message on standard error" \
            "$(printf '%b' "${message%\\n}"; printf '\n.')" \
            "$(awk '!seen[$0]++' "$work/said.txt" | tail -n 1; printf .)"
    fi
    if [[ $message == *'running "'* ]]; then
        check "$fault: the failed program's last error line repeated under the message" \
            "$(awk -v job="$message" '$0 == job { exit } /^ERROR: / { last = $0 } END { print last }' \
                "$work/said.txt")" \
            "$(tail -n 1 "$work/said.txt")"
    fi
    if [ "$windows" = 1 ]; then
        check "$fault: message box text" "${message//\"/\\\"}" "$box"
    fi
    log=$(tr -d '\r' <"$work/case/paint/log.txt")
    check "$fault: the log stops at the last step reached" "$last_log_line" "${log##*$'\n'}"
    check "$fault: the message is not logged" no "$(grep -q ERROR <<<"$log" && echo yes || echo no)"
    check "$fault: left on disk" "$left" \
        "$(cd "$work/case/paint" && find . -mindepth 1 -not -path './data*' | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')"
done <<EOF
rm Heightdata.con|ERROR: reading "../Heightdata.con"\n|$banner|$folders
rm paint/data/grad_height.tga|ERROR: opening "data/grad_height.tga"|$banner|$folders|$(missing_gradient grad_height)
rm paint/data/grad_angle.tga|ERROR: opening "data/grad_angle.tga"|$banner|$folders|$(missing_gradient grad_angle)
rm paint/data/steep.tga|ERROR: reading "data/steep.tga"|$banner|$folders|$(missing_texture steep)
rm paint/data/high.tga|ERROR: reading "data/high.tga"|$banner|$folders|$(missing_texture high)
rm paint/data/low.tga|ERROR: reading "data/low.tga"|$banner|$folders|$(missing_texture low)
rm HeightmapPrimary.raw|ERROR: opening ../HeightmapPrimary.raw|Reading "../HeightmapPrimary.raw" (16-bit 129x16x0.00300000)|$folders
rm HeightmapSecondary_R1.raw|ERROR: opening ../HeightmapSecondary_R1.raw|Reading "../HeightmapSecondary_R1.raw" (8-bit 17x128x0.76800001)|./colormaps $three_textures
touch paint/colormaps|ERROR: running "nvdxt -file ctemp.tga -output colormaps/tx_s0.dds -u8888 -nomipmap" failed|Writing secondary(0) colour/lowdetail maps|$temporaries
touch paint/detailmaps|ERROR: running "quillet detailbig.tga colourbig.tga" failed|Spliting primary|./colormaps ./colormaps/tx00x00.dds $all_textures
EOF

finish
