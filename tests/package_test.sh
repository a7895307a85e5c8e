#!/usr/bin/env bash
# The programs as a user gets them, not as the build leaves them:
#   install BUILD-DIR GENERATOR OUTPUT-CHECK
#       `cmake --install` into a fresh prefix: Marvane, quillet and nvdxt side
#       by side in bin/, and the installed painter paints a level.
#   zip BUILD-DIR GENERATOR OUTPUT-CHECK EMULATOR...
#       the Windows zip made by cpack: the three .exe files and README.md at
#       its top; unpacked into a level's working folder, the painter there
#       paints the level (under Wine).
# CMAKE and CPACK name the tools of the build (default: from the search path).
set -u
cmake=${CMAKE:-cmake}
cpack=${CPACK:-cpack}
mode=$1
build=$2
generator=$3
checker=$4
shift 4
emulator=("$@")

failures=0
check() {  # check DESCRIPTION EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        printf 'FAIL: %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
        failures=$((failures + 1))
    else
        printf 'ok: %s\n' "$1"
    fi
}
output_check() {  # output_check MODE FOLDER
    (cd "$2" && "${emulator[@]}" "$checker" "$1" . 2>&1 | tr -d '\r')
    return "${PIPESTATUS[0]}"
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"${emulator[@]}" "$generator" --out "$work/level" --primary 257 --secondary 17 --seed 8 >/dev/null ||
    { echo "FAIL: the sample level could not be generated"; exit 1; }
job=$work/level/paint

case "$mode" in
install)
    "$cmake" --install "$build" --prefix "$work/prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
    check "installed side by side in bin/" "Marvane nvdxt quillet" \
        "$(cd "$work/prefix/bin" && ls | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')"
    # Started by its full path from the working folder, with nothing of the
    # build on the search path: it finds the splitter and converter beside it.
    (cd "$job" && PATH=/usr/bin:/bin "$work/prefix/bin/Marvane" -mirror 1 -surround 1 -deltemps 0 \
        >"$work/stdout.txt" 2>&1)
    status=$?
    ;;
zip)
    (cd "$build" && "$cpack" -B "$work/package" >"$work/cpack.txt" 2>&1) ||
        { cat "$work/cpack.txt"; echo "FAIL: cpack"; exit 1; }
    zips=("$work"/package/Marvane-*-win64.zip)
    check "one zip made" 1 "${#zips[@]}"
    check "the zip holds the three programs and the README at its top" \
        "Marvane.exe README.md nvdxt.exe quillet.exe" \
        "$("$cmake" -E tar tf "${zips[0]}" | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')"
    (cd "$job" && "$cmake" -E tar xf "${zips[0]}") || { echo "FAIL: the zip cannot be unpacked"; exit 1; }
    # As a level author starts it: from the working folder, where it now lies.
    (cd "$job" && "${emulator[@]}" ./Marvane.exe -mirror 1 -surround 1 -deltemps 0 \
        >"$work/stdout.txt" 2>&1)
    status=$?
    ;;
*)
    echo "usage: package_test.sh install|zip BUILD-DIR GENERATOR OUTPUT-CHECK [EMULATOR...]" >&2
    exit 2
    ;;
esac

check "job exit status" 0 "$status"
check "the job completed" "Completed" "$(tr -d '\r' <"$job/log.txt" | tail -n 1 | cut -c1-9)"
findings=$(output_check tiles "$job")
check "tiles cut and converted: $findings" 0 $?
findings=$(output_check surround "$job")
check "surrounding textures painted" 0 $?
[ "$failures" = 0 ] || { printf '%s\n' "$findings"; echo "$failures check(s) failed"; exit 1; }
