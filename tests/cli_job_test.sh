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

source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run_painter() {  # run_painter FOLDER ARGS... ; sets status
    (cd "$1" && shift && "${emulator[@]}" "$marvane" "$@" >stdout.txt 2>stderr.txt)
    status=$?
}

"${emulator[@]}" "$generator" --out "$work/level" --primary 257 --secondary 17 --seed 5 >/dev/null ||
    { echo "FAIL: the sample level could not be generated"; exit 1; }
job=$work/level/paint

# A command-line job runs without a dialog and ends with exit status 0.
printf 'an old log\n' >"$job/log.txt"
run_painter "$job" -mirror 1 -surround 1 -deltemps 0
check "job exit status" 0 "$status"
expected=("-----------------" "Marvane v0.33" "-----------------"
    "" 'Reading "../HeightmapPrimary.raw" (16-bit 257x8x0.00300000)' "    Generating normal map"
    "    Generating detail map" "Writing primary colour/detail maps")
for map in 0:L1D1 1:D1 2:R1D1 3:R1 4:R1U1 5:U1 6:L1U1 7:L1; do
    expected+=("" "Reading \"../HeightmapSecondary_${map#*:}.raw\" (8-bit 17x128x0.76800001)"
        "    Generating normal map" "    Generating detail map"
        "Writing secondary(${map%%:*}) colour/lowdetail maps")
done
expected+=("" "Spliting primary" "Completed (TIME)")
log=$(tr -d '\r' <"$job/log.txt" | sed -E 's/^Completed \([0-9]+\.[0-9]{4}s\)$/Completed (TIME)/')
check "job log lines" "$(printf '%s\n' "${expected[@]}")" "$log"
if [ "$windows" = 1 ]; then
    check "CR LF line ends on Windows" "${#expected[@]}" "$(grep -c $'\r$' "$job/log.txt")"
fi

# Off a terminal (a pipe, a file, a batch log) the programs print exactly
# what they always did: the splitter's banner and a blank line after each of
# its eight conversions, and nothing on standard error.
check "piped: standard output" \
    "$(printf -- '-----------------\nQuillet v0.11\n-----------------\n'; printf '\n%.0s' 1 2 3 4 5 6 7 8; printf .)" \
    "$(tr -d '\r' <"$job/stdout.txt"; printf .)"
check "piped: standard error" "" "$(cat "$job/stderr.txt")"

# The maps pinned byte for byte: the same on every platform and for any
# number of threads. A change of arithmetic anywhere shows up here.
golden="707491830 3145746
4278616280 3145746"
maps() { (cd "$job" && cksum <detailbig.tga && cksum <colourbig.tga); }
check "maps match the golden checksums" "$golden" "$(maps)"
MARVANE_THREADS=1 run_painter "$job" -mirror 1 -surround 1 -deltemps 0
check "one thread: same maps" "$golden" "$(maps)"

names() { (cd "$job/$1" 2>/dev/null && ls | tr '\n' ' '); }
check "colour tiles and surrounding textures" \
    "tx00x00.dds tx00x01.dds tx01x00.dds tx01x01.dds tx_s0.dds tx_s1.dds tx_s2.dds tx_s3.dds tx_s4.dds tx_s5.dds tx_s6.dds tx_s7.dds " \
    "$(names colormaps)"
check "detail tiles" "tx00x00_1.dds tx00x01_1.dds tx01x00_1.dds tx01x01_1.dds " "$(names detailmaps)"
check "low-detail textures" "tx_s0.dds tx_s1.dds tx_s2.dds tx_s3.dds tx_s4.dds tx_s5.dds tx_s6.dds tx_s7.dds " \
    "$(names lowdetailmaps)"
check "tile size" $((128 + 512 * 512 * 4)) "$(wc -c <"$job/colormaps/tx01x00.dds")"
check "temporary images deleted" "no no" "$(exists "$job/ctemp.tga") $(exists "$job/dtemp.tga")"

# With deltemps the big maps go once they are cut.
run_painter "$job" -mirror 1 -surround 0 -deltemps 1
check "deltemps: exit status" 0 "$status"
check "deltemps: big maps deleted" "no no" "$(exists "$job/detailbig.tga") $(exists "$job/colourbig.tga")"

# On a terminal a command-line job shows its steps, a progress line while it
# paints the primary maps, and the splitter one line that counts its tiles;
# the log stays as it is.
if [ "$windows" = 0 ] && command -v script >/dev/null; then
    (cd "$job" && script -qec "$marvane -mirror 1 -surround 1 -deltemps 0" /dev/null >"$work/tty.txt" 2>&1)
    check "terminal: exit status" 0 "$?"
    tty=$(tr -d '\r' <"$work/tty.txt")
    for line in 'Reading "../HeightmapPrimary.raw" (16-bit 257x8x0.00300000)' \
        'Writing secondary(7) colour/lowdetail maps' 'Spliting primary' 'tile 8 of 8'; do
        check "terminal shows: $line" yes "$(grep -qF "$line" <<<"$tty" && echo yes || echo no)"
    done
    check "terminal: a progress line" yes "$(grep -qE '\[#+\.*\] +[0-9]+%' <<<"$tty" && echo yes || echo no)"
    check "terminal: ends with Completed" yes "$(grep -qE '^Completed \([0-9.]+s\)$' <<<"$tty" && echo yes || echo no)"
    check "terminal: the log as ever" "$(printf '%s\n' "${expected[@]}")" \
        "$(tr -d '\r' <"$job/log.txt" | sed -E 's/^Completed \([0-9]+\.[0-9]{4}s\)$/Completed (TIME)/')"
fi

# Each program tells its usage and version when asked, and exits with 0,
# without starting a job (no log is made).
bin=$(dirname "$marvane")
ext=""
[ "$windows" = 1 ] && ext=.exe
mkdir "$work/help"
for program in Marvane quillet nvdxt; do
    for option in --help -h '/?' --version; do
        out=$(cd "$work/help" && "${emulator[@]}" "$bin/$program$ext" "$option" 2>&1 | tr -d '\r')
        status=${PIPESTATUS[0]}
        check "$program $option: exit status" 0 "$status"
        case "$option" in
        --version) check "$program $option" yes "$(grep -qiE "^$program [0-9]+\.[0-9]+$" <<<"$out" && echo yes || echo no)" ;;
        *) check "$program $option" yes "$(grep -qiE "^usage: $program " <<<"$out" && echo yes || echo no)" ;;
        esac
    done
done
check "help: no log made" no "$(exists "$work/help/log.txt")"
# What a user who got the options wrong needs: their order, and what else does.
check "Marvane --help: the options' order and what another start does" "yes yes" \
    "$(out=$(cd "$work/help" && "${emulator[@]}" "$bin/Marvane$ext" --help 2>&1 | tr -d '\r')
        grep -q 'must come in this order' <<<"$out" && echo -n 'yes ' || echo -n 'no '
        grep -q 'shows its options' <<<"$out" && grep -q 'status 2' <<<"$out" && echo yes || echo no)"

# Without all three options the painter shows its dialog (the dialog tests
# cover that); natively, with no display, it says so and ends with status 2.
if [ "$windows" = 0 ]; then
    mkdir "$work/usage"
    DISPLAY= WAYLAND_DISPLAY= run_painter "$work/usage" -mirror 1 -surround 1
    check "two numbers only, no display: exit status" 2 "$status"
    check "two numbers only, no display: the usage on standard error" yes \
        "$(grep -q '^usage: Marvane -mirror 0|1 -surround 0|1 -deltemps 0|1$' "$work/usage/stderr.txt" && echo yes || echo no)"
    check "two numbers only: no job folders" no "$(exists "$work/usage/detailmaps")"
fi

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
    check "no log: no job" no "$(exists "$work/nolog/detailmaps")"
fi

finish
