#!/usr/bin/env bash
# Faults of the disk under a painting job, with the real programs:
# - a disk that fills up: the working folder on a tiny tmpfs (a private mount
#   namespace, root only), swept over sizes so that it fills at every step of
#   the job; and files limited in size with `ulimit -f` (EFBIG, any user);
# - a working folder that cannot be written, a colormaps/ that cannot be
#   written, a data/ that is a file, heightmaps that are folders.
# Every job must end either completed, with every output whole, or with an
# "ERROR: " message on standard error and exit status 1, without "Completed"
# in the log, and without a truncated map, tile or texture that looks
# finished (every TGA and DDS left holds exactly what its header promises,
# and no ".partial" file is left behind).
#
# Usage: disk_faults_test.sh MARVANE SAMPLE-LEVEL-GENERATOR
# The mounts need root and a kernel that lets us mount: without them those
# rows are skipped loudly (with CI=true that is a failure).
set -u
marvane=$(realpath "$1")
generator=$(realpath "$2")
ci=${CI:-false}

source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"
check_match() {  # check_match DESCRIPTION EXTENDED-REGEX ACTUAL
    if ! grep -Eqx -- "$2" <<<"$3"; then
        printf 'FAIL: %s\n  expected to match: %s\n  actual:   %q\n' "$1" "$2" "$3"
        failures=$((failures + 1))
    else
        printf 'ok: %s: %s\n' "$1" "$3"
    fi
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Two levels: maps of 1024 x 1024 (3 MiB each, 2 x 2 tiles) and, for the
# file size limits, of 512 x 512 (768 KiB, smaller than a 1 MiB texture).
"$generator" --out "$work/level" --primary 257 --secondary 17 --seed 5 >/dev/null &&
    "$generator" --out "$work/small_level" --primary 129 --secondary 17 --seed 5 >/dev/null ||
    { echo "FAIL: the sample levels could not be generated"; exit 1; }



# The painter's own message is the last line on standard error (the
# converter's and the splitter's own messages may come before it, and the
# reason a file of the material set in data/ was refused, after it, as does
# the repeat of the failed program's last error line: the lines that come a
# second time are left out).
last_error_line() { grep -v '^data/' "$1/stderr.txt" 2>/dev/null | awk '!seen[$0]++' | tail -n 1; }
# The line under the painter's message that repeats why the program failed.
repeated_line() { tail -n 1 "$1/stderr.txt"; }

# A job that must fail: exit 1, the message, no "Completed", nothing broken.
expect_failed_job() {  # expect_failed_job NAME FOLDER STATUS MESSAGE-REGEX
    check "$1: exit status" 1 "$3"
    check_match "$1: message" "$4" "$(last_error_line "$2")"
    check "$1: no \"Completed\" in the log" no \
        "$(grep -q '^Completed' "$2/log.txt" 2>/dev/null && echo yes || echo no)"
    check "$1: no truncated output" "" "$(broken_outputs "$2" complete)"
}

# A job that may complete or fail, whichever its disk allows, but never both
# half-way: completed with everything whole, or failed as above.
expect_sound_ending() {  # expect_sound_ending NAME FOLDER STATUS
    if [ "$3" = 0 ]; then
        check "$1: completed" "Completed" "$(tail -n 1 "$2/log.txt" | cut -c1-9)"
        check "$1: every tile there" "4 4 8" \
            "$(ls "$2/colormaps" | grep -c '^tx0') $(ls "$2/detailmaps" | wc -l) $(ls "$2/lowdetailmaps" | wc -l)"
        check "$1: no truncated output" "" "$(broken_outputs "$2" complete)"
    else
        expect_failed_job "$1" "$2" "$3" 'ERROR: .+'
    fi
}

fresh_case() {  # fresh_case [LEVEL]: a copy in $work/case, working folder $work/case/paint
    rm -rf "$work/case"
    cp -r "$work/${1:-level}" "$work/case"
}

run_painter() {  # run_painter FOLDER ARGS... ; sets status
    (cd "$1" && shift && "$marvane" "$@" >stdout.txt 2>stderr.txt)
    status=$?
}

# --- Files limited in size (any user) ----------------------------------------
# With SIGXFSZ ignored, a write past the limit fails with EFBIG. In the small
# level the big maps and the temporary images take 768 KiB each, a texture or
# tile 1 MiB.
limited_job() {  # limited_job KIB ARGS... ; sets status
    local limit=$1
    shift
    (cd "$work/case/paint" && trap '' XFSZ && ulimit -f "$limit" &&
        exec "$marvane" "$@" >stdout.txt 2>stderr.txt)
    status=$?
}
fresh_case small_level
limited_job 512 -mirror 0 -surround 1 -deltemps 0
expect_failed_job "files limited to 512 KiB" "$work/case/paint" "$status" 'ERROR: writing "detailbig\.tga"'
fresh_case small_level
limited_job 900 -mirror 0 -surround 1 -deltemps 0
expect_failed_job "files limited to 900 KiB, surrounding textures" "$work/case/paint" "$status" \
    'ERROR: running "nvdxt -file ctemp\.tga -output colormaps/tx_s0\.dds -u8888 -nomipmap" failed'
check_match "files limited to 900 KiB, surrounding textures: the converter's reason repeated" \
    'ERROR: writing colormaps/tx_s0\.dds \(File too large\)' "$(repeated_line "$work/case/paint")"
fresh_case small_level
limited_job 900 -mirror 0 -surround 0 -deltemps 0
expect_failed_job "files limited to 900 KiB, tiles" "$work/case/paint" "$status" \
    'ERROR: running "quillet detailbig\.tga colourbig\.tga" failed'
fresh_case small_level
limited_job 1100 -mirror 0 -surround 1 -deltemps 0
check "files limited to 1100 KiB: completed" 0 "$status"
check "files limited to 1100 KiB: no truncated output" "" "$(broken_outputs "$work/case/paint" complete)"

# --- Folders and files in the wrong place (any user) -------------------------
# Root may write anywhere, so "cannot be written" is made with a folder where
# a file must be, or a file where a folder must be.
fresh_case
mkdir "$work/case/paint/log.txt"
run_painter "$work/case/paint" -mirror 0 -surround 0 -deltemps 0
check "log.txt is a folder: exit status" 2 "$status"
check "log.txt is a folder: message" "screwed big time" "$(last_error_line "$work/case/paint")"
check "log.txt is a folder: nothing made" "data log.txt stderr.txt stdout.txt" \
    "$(ls "$work/case/paint" | tr '\n' ' ' | sed 's/ $//')"

fresh_case
printf 'a file where a folder should be\n' >"$work/case/paint/colormaps"
run_painter "$work/case/paint" -mirror 0 -surround 1 -deltemps 1
expect_failed_job "colormaps is a file" "$work/case/paint" "$status" \
    'ERROR: running "nvdxt -file ctemp\.tga -output colormaps/tx_s0\.dds -u8888 -nomipmap" failed'

fresh_case
printf 'a file where a folder should be\n' >"$work/case/paint/detailmaps"
run_painter "$work/case/paint" -mirror 0 -surround 0 -deltemps 1
expect_failed_job "detailmaps is a file" "$work/case/paint" "$status" \
    'ERROR: running "quillet detailbig\.tga colourbig\.tga" failed'
check "detailmaps is a file: the big maps stay" "yes yes" \
    "$([ -f "$work/case/paint/detailbig.tga" ] && echo yes) $([ -f "$work/case/paint/colourbig.tga" ] && echo yes)"

fresh_case
rm -r "$work/case/paint/data"
printf 'a file where a folder should be\n' >"$work/case/paint/data"
run_painter "$work/case/paint" -mirror 0 -surround 0 -deltemps 0
expect_failed_job "data is a file" "$work/case/paint" "$status" 'ERROR: opening "data/grad_height\.tga"'
check "data is a file: the reason" \
    "data/grad_height.tga is missing: data is a file, not a folder; gradients must be uncompressed TGA with at least 512 pixel bytes, best a 512 x 1 greyscale ramp: marvane_materials --rules FILE writes both" \
    "$(tail -n 1 "$work/case/paint/stderr.txt")"

fresh_case
rm "$work/case/HeightmapPrimary.raw"
mkdir "$work/case/HeightmapPrimary.raw"
run_painter "$work/case/paint" -mirror 0 -surround 0 -deltemps 0
expect_failed_job "primary heightmap is a folder" "$work/case/paint" "$status" \
    'ERROR: opening \.\./HeightmapPrimary\.raw'

fresh_case
rm "$work/case/HeightmapSecondary_U1.raw"
mkdir "$work/case/HeightmapSecondary_U1.raw"
run_painter "$work/case/paint" -mirror 0 -surround 1 -deltemps 0
expect_failed_job "a surrounding heightmap is a folder" "$work/case/paint" "$status" \
    'ERROR: opening \.\./HeightmapSecondary_U1\.raw'

# --- Mounts: a full disk and read-only folders (root) ------------------------
can_mount=no
if [ "$(id -u)" = 0 ] && command -v unshare >/dev/null &&
    unshare -m --propagation private sh -c "mount -t tmpfs -o size=1m tmpfs '$work'" 2>/dev/null; then
    can_mount=yes
fi
if [ "$can_mount" = no ]; then
    if [ "$ci" = true ]; then
        echo "FAIL: cannot mount a file system here (root and unshare -m are needed; CI=true)"
        failures=$((failures + 1))
    else
        printf '\n!!!!!!!! SKIPPED: full disk and read-only mounts (need root and unshare -m) !!!!!!!!\n\n'
    fi
else
    # Runs the painter with its working folder on a tmpfs of SIZE (the
    # material set copied onto it: 2.3 MiB of the space), in a mount namespace
    # of its own, so nothing stays mounted whatever happens. The folder's
    # contents are copied back out for the checks.
    run_on_tmpfs() {  # run_on_tmpfs SIZE ARGS... ; sets status
        local size=$1
        shift
        fresh_case
        mv "$work/case/paint" "$work/case/data_source"
        mkdir "$work/case/paint"
        unshare -m --propagation private bash -c '
            set -e
            size=$1 folder=$2 painter=$3
            shift 3
            mount -t tmpfs -o size="$size" tmpfs "$folder/paint"
            cp -r "$folder/data_source/data" "$folder/paint/"
            cd "$folder/paint"
            set +e
            "$painter" "$@" >stdout.txt 2>stderr.txt
            status=$?
            mkdir "$folder/result" && cp -r . "$folder/result/"
            exit $status' bash "$size" "$work/case" "$marvane" "$@"
        status=$?
    }
    # The whole job writes about 34 MiB besides the material set: from 3 MiB
    # up, the disk fills at every step in turn (big maps, temporary images,
    # surrounding textures, tiles), and 48 MiB is room enough.
    for size_mib in 3 5 7 9 10 11 12 14 16 20 24 28 32 34 36 48; do
        run_on_tmpfs "${size_mib}m" -mirror 0 -surround 1 -deltemps 0
        expect_sound_ending "disk of $size_mib MiB" "$work/case/result" "$status"
    done
    check "disk of 48 MiB: completed" 0 "$status"
    run_on_tmpfs 5m -mirror 0 -surround 0 -deltemps 0
    expect_failed_job "disk full at the first big map" "$work/case/result" "$status" \
        'ERROR: writing "detailbig\.tga"'
    run_on_tmpfs 12m -mirror 0 -surround 0 -deltemps 0
    expect_failed_job "disk full while tiles are converted" "$work/case/result" "$status" \
        'ERROR: running "quillet detailbig\.tga colourbig\.tga" failed'
    check_match "disk full while tiles are converted: the splitter's line, with the tile" \
        'ERROR: tile (detailmaps/tx0[0-9]+x0[0-9]+_1|colormaps/tx0[0-9]+x0[0-9]+)\.dds: .+' \
        "$(repeated_line "$work/case/result")"

    # Read-only mounts of the working folder and of colormaps/.
    fresh_case
    unshare -m --propagation private bash -c '
        mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" || exit 99
        cd "$1" && "$2" -mirror 0 -surround 0 -deltemps 0 >"$3/stdout.txt" 2>"$3/stderr.txt"' \
        bash "$work/case/paint" "$marvane" "$work/case"
    status=$?
    check "read-only working folder: exit status" 2 "$status"
    check "read-only working folder: message" "screwed big time" "$(last_error_line "$work/case")"

    fresh_case
    mkdir "$work/case/paint/colormaps"
    unshare -m --propagation private bash -c '
        mount --bind "$1/colormaps" "$1/colormaps" && mount -o remount,bind,ro "$1/colormaps" || exit 99
        cd "$1" && "$2" -mirror 0 -surround 1 -deltemps 1 >stdout.txt 2>stderr.txt' \
        bash "$work/case/paint" "$marvane"
    expect_failed_job "read-only colormaps" "$work/case/paint" $? \
        'ERROR: running "nvdxt -file ctemp\.tga -output colormaps/tx_s0\.dds -u8888 -nomipmap" failed'
fi

finish
echo "all disk fault checks passed"
