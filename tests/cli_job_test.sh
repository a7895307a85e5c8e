#!/usr/bin/env bash
# End to end: the painter started from its command line in an empty working
# folder, as a batch script would start it. Usage: cli_job_test.sh MARVANE [EMULATOR...]
set -u
marvane=$1
shift
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

# A command-line job runs without a dialog and ends with exit status 0.
mkdir "$work/job"
printf 'an old log\n' >"$work/job/log.txt"
run_painter "$work/job" -mirror 1 -surround 0 -deltemps 1
check "job exit status" 0 "$status"
log=$(tr -d '\r' <"$work/job/log.txt" | sed -E 's/^Completed \([0-9]+\.[0-9]{4}s\)$/Completed (TIME)/')
expected=$(printf '%s\n' "-----------------" "Marvane v0.33" "-----------------" "" "Spliting primary" "Completed (TIME)")
check "job log lines" "$expected" "$log"
check "detailmaps folder" yes "$([ -d "$work/job/detailmaps" ] && echo yes || echo no)"
check "colormaps folder" yes "$([ -d "$work/job/colormaps" ] && echo yes || echo no)"
check "no lowdetailmaps without surround" no "$([ -e "$work/job/lowdetailmaps" ] && echo yes || echo no)"
if [ "$windows" = 1 ]; then
    check "CR LF line ends on Windows" 6 "$(grep -c $'\r$' "$work/job/log.txt")"
fi

# Without all three options there is nothing to run yet: usage, status 2.
mkdir "$work/usage"
run_painter "$work/usage" -mirror 1 -surround 1
check "two numbers only: exit status" 2 "$status"
check "two numbers only: no job folders" no "$([ -e "$work/usage/detailmaps" ] && echo yes || echo no)"

# A folder where log.txt cannot be created (a folder of that name stops even root).
if [ "$windows" = 0 ]; then
    mkdir -p "$work/nolog/log.txt"
    run_painter "$work/nolog" -mirror 1 -surround 0 -deltemps 1
    check "no log: exit status" 2 "$status"
    check "no log: message" "screwed big time" "$(cat "$work/nolog/stderr.txt")"
    check "no log: no job" no "$([ -e "$work/nolog/detailmaps" ] && echo yes || echo no)"
fi

[ "$failures" = 0 ] || { echo "$failures check(s) failed"; exit 1; }
