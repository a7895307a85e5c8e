#!/usr/bin/env bash
# End to end: every output of a command-line job read back from the files.
# Each tile against its square of the big maps, the surrounding textures
# against the material set, the files a job leaves and the ones it deletes.
# Usage: job_outputs_test.sh MARVANE SAMPLE-LEVEL-GENERATOR OUTPUT-CHECK [EMULATOR...]
set -u
marvane=$1
generator=$2
checker=$3
shift 3
emulator=("$@")   # empty natively; wine for the Windows build

source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run_painter() {  # run_painter FOLDER ARGS... ; sets status. Output lands beside the level.
    (cd "$1" && shift && "${emulator[@]}" "$marvane" "$@" >"$work/stdout.txt" 2>"$work/stderr.txt")
    status=$?
}
output_check() {  # output_check MODE FOLDER: the checker's findings, and whether it passed
    (cd "$2" && "${emulator[@]}" "$checker" "$1" . 2>&1 | tr -d '\r')
    return "${PIPESTATUS[0]}"
}
listing() { (cd "$1" && find . -mindepth 1 | LC_ALL=C sort | tr '\n' ' '); }
sums() { (cd "$1" && shift && cksum "$@" | tr '\n' ' '); }

# Everything a job with surrounding terrain leaves in a working folder of a
# level with COUNT x COUNT tiles a side: the material set, the log, the tiles,
# the sixteen surrounding textures, and the big maps unless deleted.
expected_listing() {  # expected_listing COUNT SURROUND BIGMAPS
    local files=(./colormaps ./data ./data/grad_angle.tga ./data/grad_height.tga ./data/high.tga
        ./data/low.tga ./data/steep.tga ./detailmaps ./log.txt) x y i
    [ "$3" = 1 ] && files+=(./colourbig.tga ./detailbig.tga)
    [ "$2" = 1 ] && files+=(./lowdetailmaps)
    for ((x = 0; x < $1; x++)); do
        for ((y = 0; y < $1; y++)); do
            files+=("./colormaps/tx0${x}x0${y}.dds" "./detailmaps/tx0${x}x0${y}_1.dds")
        done
    done
    if [ "$2" = 1 ]; then
        for i in 0 1 2 3 4 5 6 7; do files+=("./colormaps/tx_s$i.dds" "./lowdetailmaps/tx_s$i.dds"); done
    fi
    printf '%s\n' "${files[@]}" | LC_ALL=C sort | tr '\n' ' '
}

# A level of 3 x 3 tiles whose surrounding heightmaps are fine enough to hold
# steep ground (the northern mountains), so the low-detail textures carry
# more than one weight.
"${emulator[@]}" "$generator" --out "$work/level" --primary 385 --secondary 65 --seed 11 >/dev/null ||
    { echo "FAIL: the sample level could not be generated"; exit 1; }
job=$work/level/paint
level_files() { (cd "$1" && find . -maxdepth 1 -type f | LC_ALL=C sort | xargs cksum); }
level_before=$(level_files "$work/level")

# The full job, temporary files kept: the big maps stay, the temporary images
# go, and nothing else is left in the working folder.
run_painter "$job" -mirror 1 -surround 1 -deltemps 0
check "full job: exit status" 0 "$status"
check "full job: last log line" "Completed" "$(tail -n 1 "$job/log.txt" | cut -c1-9)"
check "full job: the working folder holds the outputs and nothing else" \
    "$(expected_listing 3 1 1)" "$(listing "$job")"
check "full job: the level's own files untouched, none added" "$level_before" \
    "$(level_files "$work/level")"
findings=$(output_check tiles "$job")
check "every tile is its square of the big maps, upright (${findings##*$'\n'})" 0 $?
[ -n "$findings" ] && printf '%s\n' "$findings" | grep FAIL
findings=$(output_check surround "$job")
check "surrounding textures: opaque, green 0, blue + red 254/255, colour a mix of the material set" 0 $?
printf '%s\n' "$findings" | sed 's/^/  /'

# The surrounding textures pinned like the big maps: the same bytes on every
# platform and in index order (a texture written under another index shows).
surround_files=()
for i in 0 1 2 3 4 5 6 7; do surround_files+=("colormaps/tx_s$i.dds" "lowdetailmaps/tx_s$i.dds"); done
check "surrounding textures match the golden checksum" "159606075 16779264" \
    "$(cd "$job" && cat "${surround_files[@]}" | cksum)"

tiles_before=$(sums "$job" colormaps/* detailmaps/* lowdetailmaps/*)

# The same job with deltemps: the big maps go once they are cut, the tiles and
# textures are the same as before.
run_painter "$job" -mirror 1 -surround 1 -deltemps 1
check "deltemps: exit status" 0 "$status"
check "deltemps: big maps and temporary images deleted, nothing else left" \
    "$(expected_listing 3 1 0)" "$(listing "$job")"
check "deltemps: the same tiles and textures" "$tiles_before" \
    "$(sums "$job" colormaps/* detailmaps/* lowdetailmaps/*)"

# A level whose maps are not a whole number of tiles wide (side 4 x 299 =
# 1196): two tiles a side, cut from the first stored rows and columns; the
# strips beyond them are not cut. Without surrounding terrain there is no
# lowdetailmaps folder and no texture of the eight heightmaps.
"${emulator[@]}" "$generator" --out "$work/odd" --primary 300 --secondary 17 --seed 2 >/dev/null ||
    { echo "FAIL: the second level could not be generated"; exit 1; }
run_painter "$work/odd/paint" -mirror 0 -surround 0 -deltemps 0
check "partial tiles: exit status" 0 "$status"
check "partial tiles: the working folder holds the outputs and nothing else" \
    "$(expected_listing 2 0 1)" "$(listing "$work/odd/paint")"
findings=$(output_check tiles "$work/odd/paint")
check "partial tiles: every tile is its block of the big maps" 0 $?
[ -n "$findings" ] && printf '%s\n' "$findings" | grep FAIL

finish
