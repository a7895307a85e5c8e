#!/usr/bin/env bash
# The programs as a user gets them, not as the build leaves them:
#   install BUILD-DIR GENERATOR OUTPUT-CHECK
#       `cmake --install` into a fresh prefix: Marvane, quillet, nvdxt,
#       marvane_import and marvane_preview side by side in bin/, and the installed painter paints
#       a level.
#   deb BUILD-DIR GENERATOR OUTPUT-CHECK
#       the Debian package made by cpack: GTK only recommended, every program
#       `cmake --install` installs, the dialog module, the manual pages
#       (gzipped), the copyright file and the changelog;
#       unpacked with dpkg -x into a scratch root, its painter paints a level.
#   zip BUILD-DIR GENERATOR OUTPUT-CHECK EMULATOR...
#       the Windows zip made by cpack: the five .exe files and README.md at
#       its top; unpacked into a level's working folder, the painter there
#       paints the level (under Wine), from its command line and, given an X
#       display and xdotool, from its dialog, clicked as a user would.
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

source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"
output_check() {  # output_check MODE FOLDER
    (cd "$2" && "${emulator[@]}" "$checker" "$1" . 2>&1 | tr -d '\r')
    return "${PIPESTATUS[0]}"
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"${emulator[@]}" "$generator" --out "$work/level" --primary 257 --secondary 17 --seed 8 >/dev/null ||
    { echo "FAIL: the sample level could not be generated"; exit 1; }
job=$work/level/paint
# A second copy of the level for the dialog, named so that its title shows it.
cp -r "$work/level" "$work/Greyhollow"

case "$mode" in
install)
    "$cmake" --install "$build" --prefix "$work/prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
    check "installed side by side in bin/" "Marvane marvane_import marvane_materials marvane_preview nvdxt quillet" \
        "$(cd "$work/prefix/bin" && ls | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')"
    check "the installed importer runs" "marvane_import 0.33" \
        "$(PATH=/usr/bin:/bin "$work/prefix/bin/marvane_import" --version)"
    # Started by its full path from the working folder, with nothing of the
    # build on the search path: it finds the splitter and converter beside it.
    (cd "$job" && PATH=/usr/bin:/bin "$work/prefix/bin/Marvane" -mirror 1 -surround 1 -deltemps 0 \
        >"$work/stdout.txt" 2>&1)
    status=$?
    ;;
deb)
    (cd "$build" && "$cpack" -G DEB -B "$work/package" >"$work/cpack.txt" 2>&1) ||
        { cat "$work/cpack.txt"; echo "FAIL: cpack -G DEB"; exit 1; }
    debs=("$work"/package/marvane_*.deb)
    check "one package made" 1 "${#debs[@]}"
    field() { dpkg-deb -f "${debs[0]}" "$1"; }
    check "package name" marvane "$(field Package)"
    # The programs run without GTK; only the dialog needs it. (A sanitizer
    # build's programs need the sanitizers' runtimes too.)
    depends=" $(field Depends | tr ',' '\n' | sed -E 's/^ +//; s/ .*//' | tr '\n' ' ')"
    check "Depends: the C and C++ runtimes, no GTK" "libc6 libgcc-s1 libstdc++6 no-gtk" \
        "$(for p in libc6 libgcc-s1 libstdc++6; do [[ $depends == *" $p "* ]] && echo -n "$p "; done)$(
            grep -qiE 'gtk|gdk|glib' <<<"$depends" && echo gtk || echo no-gtk)"
    check "Recommends: GTK" libgtk-3-0 "$(field Recommends)"
    dpkg -x "${debs[0]}" "$work/root" || { echo "FAIL: dpkg -x"; exit 1; }
    "$cmake" --install "$build" --prefix "$work/prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
    check "the package holds every program cmake --install installs" \
        "$(ls "$work/prefix/bin")" "$(ls "$work/root/usr/bin")"
    check "the dialog module, the manual pages, the README, copyright and changelog" \
        "yes yes yes yes yes yes yes" \
        "$(for f in lib/marvane/marvane_dialog_gtk.so share/man/man1/Marvane.1.gz share/man/man1/quillet.1.gz \
            share/man/man1/nvdxt.1.gz share/doc/marvane/README.md share/doc/marvane/copyright \
            share/doc/marvane/changelog.Debian.gz; do
            exists "$work/root/usr/$f"; done | tr '\n' ' ' | sed 's/ $//')"
    # Compressed, yet each the page written in man/.
    check "a manual page for every program" "" \
        "$(for program in $(ls "$work/root/usr/bin"); do
            gzip -dc "$work/root/usr/share/man/man1/$program.1.gz" 2>/dev/null |
                cmp -s - "$(dirname "${BASH_SOURCE[0]}")/../man/$program.1" || echo "$program"; done)"
    check "Version: the changelog's newest entry" \
        "$(gzip -dc "$work/root/usr/share/doc/marvane/changelog.Debian.gz" | sed -n '1s/^marvane (\(.*\)).*/\1/p')" \
        "$(field Version)"
    # Started without options and without a display, it is the module, found
    # in ../lib/marvane/, that answers.
    check "the installed painter finds its dialog module" "Marvane: no display for the options dialog" \
        "$(cd "$job" && env -u DISPLAY -u WAYLAND_DISPLAY "$work/root/usr/bin/Marvane" 2>&1 | head -n 1)"
    (cd "$job" && PATH=/usr/bin:/bin "$work/root/usr/bin/Marvane" -mirror 1 -surround 1 -deltemps 0 \
        >"$work/stdout.txt" 2>&1)
    status=$?
    ;;
zip)
    (cd "$build" && "$cpack" -B "$work/package" >"$work/cpack.txt" 2>&1) ||
        { cat "$work/cpack.txt"; echo "FAIL: cpack"; exit 1; }
    zips=("$work"/package/Marvane-*-win64.zip)
    check "one zip made" 1 "${#zips[@]}"
    check "the zip holds the five programs and the README at its top" \
        "Marvane.exe README.md marvane_import.exe marvane_materials.exe marvane_preview.exe nvdxt.exe quillet.exe" \
        "$("$cmake" -E tar tf "${zips[0]}" | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')"
    for folder in "$job" "$work/Greyhollow/paint"; do
        (cd "$folder" && "$cmake" -E tar xf "${zips[0]}") ||
            { echo "FAIL: the zip cannot be unpacked"; exit 1; }
    done
    check "the unpacked importer runs" "marvane_import 0.33" \
        "$(cd "$job" && "${emulator[@]}" ./marvane_import.exe --version | tr -d '\r')"
    # As a level author starts it: from the working folder, where it now lies.
    (cd "$job" && "${emulator[@]}" ./Marvane.exe -mirror 1 -surround 1 -deltemps 0 \
        >"$work/stdout.txt" 2>&1)
    status=$?
    ;;
*)
    echo "usage: package_test.sh install|deb|zip BUILD-DIR GENERATOR OUTPUT-CHECK [EMULATOR...]" >&2
    exit 2
    ;;
esac

check "job exit status" 0 "$status"
check "the job completed" "Completed" "$(tr -d '\r' <"$job/log.txt" | tail -n 1 | cut -c1-9)"
findings=$(output_check tiles "$job")
check "tiles cut and converted: $findings" 0 $?
findings=$(output_check surround "$job")
check "surrounding textures painted" 0 $?
[ "$failures" = 0 ] || printf '%s\n' "$findings"

# The same level painted from the dialog: the painter started without options,
# Go clicked with its three boxes as they start (all on), Close clicked once
# the job is done. Its tiles and textures must be the command line's.
dialog_job() {
    local folder=$work/Greyhollow/paint window="" pid i geometry width height
    # Clicks the centre of a control given in dialog units of the 247 x 71
    # dialog; the window's size gives the units.
    click() { xdotool mousemove --window "$window" $(($1 * width / 247)) $(($2 * height / 71)) click 1; }
    # The texts its windows are given are traced, so that the text of an
    # error box that keeps it from ending can be shown.
    (cd "$folder" && WINEDEBUG=-all,trace+win exec "${emulator[@]}" ./Marvane.exe >"$work/dialog.txt" 2>&1) &
    pid=$!
    for ((i = 0; i < 120; i++)); do
        window=$(xdotool search --name "^Harrow's Marvane v0\.33 - \[" 2>/dev/null | head -n 1)
        [ -n "$window" ] || ! kill -0 "$pid" 2>/dev/null && break
        sleep 0.5
    done
    check "dialog: title names the level" "Harrow's Marvane v0.33 - [Greyhollow]" \
        "$([ -n "$window" ] && xdotool getwindowname "$window")"
    if [ -n "$window" ]; then
        geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p')
        width=${geometry%x*}
        height=${geometry#*x}
        click 215 14  # Go
        # Done: "Completed" logged and the temporary files deleted after it.
        for ((i = 0; i < 240; i++)); do
            if grep -q '^Completed' "$folder/log.txt" 2>/dev/null &&
                [ ! -e "$folder/colourbig.tga" ] && [ ! -e "$folder/dtemp.tga" ]; then
                break
            fi
            sleep 0.5
        done
        sleep 1
        click 215 31  # Close
    fi
    for ((i = 0; i < 60; i++)); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.5
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "the painter's dialog did not close: killed"
        # What a hang leaves to look at: where the job was, what it had
        # written, and which programs were still running.
        echo "--- the log's last lines:"
        tr -d '\r' <"$folder/log.txt" | tail -n 5
        echo "--- the painter's error boxes:"
        error_box_texts "$work/dialog.txt"
        echo "--- the painter's own output:"
        grep -av ':trace:' "$work/dialog.txt" | tr -d '\r' | tail -n 5
        echo "--- the working folder:"
        (cd "$folder" && ls -l)
        echo "--- the programs running:"
        ps -eo pid,ppid,stat,etime,args | grep -Ei 'wine|\.exe' | grep -v grep
        kill "$pid"
    fi
    wait "$pid"
    status=$?
    check "dialog: exit status after Close" 0 "$status"
    check "dialog: the job completed" "Completed" \
        "$(tr -d '\r' <"$folder/log.txt" | tail -n 1 | cut -c1-9)"
    check "dialog: big maps and temporary images deleted" "no no no no" \
        "$(cd "$folder" && for f in detailbig.tga colourbig.tga ctemp.tga dtemp.tga; do
            [ -e "$f" ] && echo -n "yes " || echo -n "no "; done | sed 's/ $//')"
    check "dialog: the same tiles and textures as the command line's" \
        "$(cd "$job" && cksum colormaps/* detailmaps/* lowdetailmaps/*)" \
        "$(cd "$folder" && cksum colormaps/* detailmaps/* lowdetailmaps/*)"
}
if [ "$mode" = zip ]; then
    if [ -n "${DISPLAY:-}" ] && command -v xdotool >/dev/null; then
        dialog_job
    else
        echo "SKIPPED: painting from the dialog needs an X display (DISPLAY) and xdotool"
    fi
fi

finish
