#!/usr/bin/env bash
# End to end: the painter started from its command line in a small generated
# level, as a batch script would start it.
# Usage: cli_job_test.sh MARVANE SAMPLE-LEVEL-GENERATOR [EMULATOR...]
set -u
marvane=$1
generator=$2
shift 2
emulator=("$@")   # empty natively; wine for the Windows build
windows=0
case "$marvane" in *.exe) windows=1 ;; esac

failures=0
check() {  # check DESCRIPTION EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        printf 'FAIL: %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
        failures=$((failures + 1))
    else
        printf 'ok: %s\n' "$1"
    fi
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run_painter() {  # run_painter FOLDER ARGS... ; sets status
    (cd "$1" && shift && "${emulator[@]}" "$marvane" "$@" >stdout.txt 2>stderr.txt)
    status=$?
}

"${emulator[@]}" "$generator" --out "$work/level" --primary 33 --secondary 17 --seed 5 >/dev/null ||
    { echo "FAIL: the sample level could not be generated"; exit 1; }
job=$work/level/paint

# A command-line job runs without a dialog and ends with exit status 0.
printf 'an old log\n' >"$job/log.txt"
run_painter "$job" -mirror 1 -surround 0 -deltemps 0
check "job exit status" 0 "$status"
log=$(tr -d '\r' <"$job/log.txt" | sed -E 's/^Completed \([0-9]+\.[0-9]{4}s\)$/Completed (TIME)/')
expected=$(printf '%s\n' "-----------------" "Marvane v0.33" "-----------------" \
    "" 'Reading "../HeightmapPrimary.raw" (16-bit 33x64x0.00300000)' "    Generating normal map" \
    "    Generating detail map" "Writing primary colour/detail maps" \
    "" "Spliting primary" "Completed (TIME)")
check "job log lines" "$expected" "$log"
check "detail map size" $((18 + 128 * 128 * 3)) "$(wc -c <"$job/detailbig.tga" 2>/dev/null)"
check "colour map size" $((18 + 128 * 128 * 3)) "$(wc -c <"$job/colourbig.tga" 2>/dev/null)"
check "detailmaps folder" yes "$([ -d "$job/detailmaps" ] && echo yes || echo no)"
check "colormaps folder" yes "$([ -d "$job/colormaps" ] && echo yes || echo no)"
check "no lowdetailmaps without surround" no "$([ -e "$job/lowdetailmaps" ] && echo yes || echo no)"
if [ "$windows" = 1 ]; then
    check "CR LF line ends on Windows" 11 "$(grep -c $'\r$' "$job/log.txt")"
fi

# The same maps, byte for byte, on every platform and for any thread count.
first=$(cat "$job/detailbig.tga" "$job/colourbig.tga" | cksum)
MARVANE_THREADS=1 run_painter "$job" -mirror 1 -surround 0 -deltemps 0
check "one thread: same maps" "$first" "$(cat "$job/detailbig.tga" "$job/colourbig.tga" | cksum)"

# Without all three options there is nothing to run yet: usage, status 2.
mkdir "$work/usage"
run_painter "$work/usage" -mirror 1 -surround 1
check "two numbers only: exit status" 2 "$status"
check "two numbers only: no job folders" no "$([ -e "$work/usage/detailmaps" ] && echo yes || echo no)"

# A job that fails: its message, status 1 (the message box would wait for a
# click under Wine, so this runs natively only).
if [ "$windows" = 0 ]; then
    mkdir "$work/nolevel"
    run_painter "$work/nolevel" -mirror 1 -surround 0 -deltemps 1
    check "failed job: exit status" 1 "$status"
    check "failed job: message" 'ERROR: reading "../Heightdata.con"' "$(cat "$work/nolevel/stderr.txt")"
fi

# A folder where log.txt cannot be created (a folder of that name stops even root).
if [ "$windows" = 0 ]; then
    mkdir -p "$work/nolog/log.txt"
    run_painter "$work/nolog" -mirror 1 -surround 0 -deltemps 1
    check "no log: exit status" 2 "$status"
    check "no log: message" "screwed big time" "$(cat "$work/nolog/stderr.txt")"
    check "no log: no job" no "$([ -e "$work/nolog/detailmaps" ] && echo yes || echo no)"
fi

[ "$failures" = 0 ] || { echo "$failures check(s) failed"; exit 1; }
