#!/usr/bin/env bash
# End to end: marvane_preview in a painted sample level. The page is whole
# and self-contained, built from the big maps or from the tiles alone (a
# missing tile a gap and a note), with and without the surrounding terrain;
# a level it cannot read gets the painter's message and no page; the
# Windows build writes the native build's bytes. Where
# Debian's chromium is installed, each page is drawn in it (WebGL through
# SwiftShader) and the screenshot checked: no JavaScript error, mostly
# terrain, coloured by the colour map.
#
# Usage: preview_test.sh PREVIEW MARVANE SAMPLE-LEVEL-GENERATOR [EMULATOR...]
set -u
here=$(cd "$(dirname "$0")" && pwd)
preview=$1
marvane=$2
generator=$3
shift 3
emulator=("$@")   # empty natively; wine for the Windows build

source "$here/test_lib.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

level() {  # level NAME SURROUND: a sample level painted in its working folder
    "${emulator[@]}" "$generator" --out "$work/$1" --primary 257 --secondary 17 --seed 4 >/dev/null &&
        (cd "$work/$1/paint" && "${emulator[@]}" "$marvane" -mirror 1 -surround "$2" -deltemps 0 \
            >/dev/null 2>&1) ||
        { echo "FAIL: the level $1 could not be made and painted"; exit 1; }
}
run_preview() {  # run_preview NAME ARGS...: sets status, out, err
    local name=$1
    shift
    (cd "$work/$name/paint" && "${emulator[@]}" "$preview" "$@" >"$work/out.txt" 2>"$work/err.txt")
    status=$?
    out=$(tr -d '\r' <"$work/out.txt")
    err=$(tr -d '\r' <"$work/err.txt" | head -n 1)
}
# The Windows build's pages must be the Linux build's, byte for byte: under
# an emulator, MARVANE_NATIVE_PREVIEW names a native marvane_preview to
# write each page again in the same folder.
native=${MARVANE_NATIVE_PREVIEW:-}
same_as_native() {  # same_as_native WHAT NAME PAGE [ARGS...]: after run_preview NAME ARGS...
    [ -n "${emulator[*]}" ] || return 0
    local what=$1 name=$2 page=$3
    shift 3
    if [ -z "$native" ] || [ ! -x "$native" ]; then
        [ "${CI:-}" = true ] && check "$what: a native marvane_preview to compare with" yes no
        echo "SKIPPED: $what: no native marvane_preview (MARVANE_NATIVE_PREVIEW) to compare with"
        return 0
    fi
    (cd "$work/$name/paint" && "$native" "$@" --output native.html >/dev/null 2>&1)
    check "$what: the same page as the native build's" same \
        "$(cmp -s "$work/$name/paint/$page" "$work/$name/paint/native.html" && echo same || echo differs)"
}
page_checks() {  # page_checks WHAT PAGE
    check "$1: a page that loads nothing from elsewhere" "0 1" \
        "$(grep -c '<script src\|<link ' "$2") $(grep -c 'id="marvane-level"' "$2")"
}
browser=$(command -v chromium || true)
shot() {  # shot WHAT PAGE [#ADDRESS [CHECK-OPTIONS...]]: drawn in chromium, screenshot checked
    [ -n "$browser" ] && [ -z "${emulator[*]}" ] || return 0
    local what=$1 page=$2 address=${3:-}
    shift 2
    shift $(($# > 0 ? 1 : 0))
    local profile
    profile=$(mktemp -d)
    timeout 120 "$browser" --headless --no-sandbox --disable-gpu --use-angle=swiftshader \
        --enable-unsafe-swiftshader --disable-background-networking --disable-component-update \
        --disable-sync --no-first-run --user-data-dir="$profile" --enable-logging=stderr --v=0 \
        --screenshot="$work/shot.png" --window-size=1024,768 --virtual-time-budget=15000 \
        "file://$page$address" >/dev/null 2>"$work/browser.txt"
    rm -rf "$profile"
    check "$what: no JavaScript error" "" \
        "$(grep -E 'CONSOLE.*(Uncaught|Error)' "$work/browser.txt" | head -n 3)"
    check "$what: the screenshot shows the terrain as it should" "0" \
        "$(/usr/bin/python3 "$here/preview_shot_check.py" "$work/shot.png" "$page" "$@" >"$work/shot.txt"; echo $?)"
    sed 's/^/  /' "$work/shot.txt"
}

# With the surrounding terrain and the big maps.
level around 1
run_preview around
check "big maps: exit status" 0 "$status"
check "big maps: where the page is, in full" "Preview written to $work/around/paint/preview.html" \
    "$(tail -n 1 <<<"$out" | sed 's|Z:||; s|\\|/|g')"
check "big maps: the notes say which maps" "Note: colour map from colourbig.tga
Note: detail map from detailbig.tga" "$(grep '^Note' <<<"$out")"
check "big maps: eight surrounding terrains" 8 "$(grep -o '"name":"[A-Z0-9]*"' "$work/around/paint/preview.html" | wc -l)"
page_checks "big maps" "$work/around/paint/preview.html"
same_as_native "big maps" around preview.html
shot "big maps" "$work/around/paint/preview.html"

# The tiles alone, as a job that deletes the big maps leaves them; then one
# colour tile missing.
rm "$work/around/paint/colourbig.tga" "$work/around/paint/detailbig.tga"
run_preview around --output tiles.html
check "tiles: exit status and notes" "0 Note: colour map from its tiles" "$status $(head -n 1 <<<"$out")"
page_checks "tiles" "$work/around/paint/tiles.html"
same_as_native "tiles" around tiles.html
shot "tiles" "$work/around/paint/tiles.html"
rm "$work/around/paint/colormaps/tx00x01.dds"
run_preview around --output gap.html
check "a missing tile: a gap and a note, not a failure" \
    "0 Note: gap (magenta): reading colormaps/tx00x01.dds" "$status $(sed -n 2p <<<"$out")"
same_as_native "a missing tile" around gap.html

# Without the surrounding terrain; from elsewhere with --dir.
level alone 0
(cd "$work" && "${emulator[@]}" "$preview" --dir alone/paint >/dev/null 2>&1)
check "no surroundings: none in the page" 1 "$(grep -c '"surroundings":\[\]' "$work/alone/paint/preview.html")"
same_as_native "no surroundings" alone preview.html
shot "no surroundings" "$work/alone/paint/preview.html"
# True colours: in neutral light, seen from above, the terrain has the
# colour map's chromaticity.
shot "neutral light" "$work/alone/paint/preview.html" "#view=map&light=neutral" --chroma-within 0.02

# Rules through the address: the page blends the detail map the painter
# paints for the same rules, and its shares are those marvane_materials
# reports. The page is written before the level is painted again.
materials_tool=$(dirname "$preview")/marvane_materials
rules='high 40 m .. 90 m
steep 15 deg .. 40 deg'
address="#view=map&layer=detail&light=flat&rules=$(/usr/bin/python3 -c 'import sys, urllib.parse; print(urllib.parse.quote(sys.argv[1]))' "$rules")"
if [ -n "$browser" ] && [ -z "${emulator[*]}" ]; then
    (cd "$work/alone/paint" && printf '%s\n' "$rules" >data/materials.txt &&
        "$materials_tool" --rules >"$work/shares.txt" && rm data/materials.txt &&
        "$marvane" -mirror 1 -surround 0 -deltemps 0 >/dev/null 2>&1) ||
        { echo "FAIL: the level alone could not be painted with the rules"; exit 1; }
    shot "rules from the address" "$work/alone/paint/preview.html" "$address" --detail-of "$work/alone/paint/detailbig.tga"
    check "rules from the address: the console says they were applied" 1 \
        "$(grep -c 'Marvane preview: rules applied, frame drawn in [0-9]* ms' "$work/browser.txt")"
    profile=$(mktemp -d)
    shown=$(timeout 120 "$browser" --headless --no-sandbox --disable-gpu --use-angle=swiftshader \
        --enable-unsafe-swiftshader --no-first-run --user-data-dir="$profile" --virtual-time-budget=15000 \
        --dump-dom "file://$work/alone/paint/preview.html$address" 2>/dev/null |
        sed -n 's/.*id="marvane-shares"[^>]*>low \([0-9.]*\) %, high \([0-9.]*\) %, steep \([0-9.]*\) %<.*/\1 \2 \3/p')
    rm -rf "$profile"
    painted=$(sed -n 's/^Shares of the primary map: low \([0-9.]*\) %, high \([0-9.]*\) %, steep \([0-9.]*\) %$/\1 \2 \3/p' "$work/shares.txt")
    check "rules from the address: the panel's shares are the painted ones within 1 point" "within" \
        "$(awk -v a="$shown" -v b="$painted" 'BEGIN { n = split(a, x, " "); split(b, y, " ");
            for (i = 1; i <= 3; i++) if (n != 3 || x[i] - y[i] > 1 || y[i] - x[i] > 1) { print a " vs " b; exit }
            print "within" }')"
fi

# Bad material files: rules that do not read are named with the line, and
# the page is written with the rules read back from the gradients; a texture
# the painter would refuse turns the live view off with a note naming it.
printf 'high 40 m .. 90\n' >"$work/alone/paint/data/materials.txt"
run_preview alone --output bad_rules.html
check "rules that do not read: a note with the line, and a page" \
    "0 Note: data/materials.txt line 1: expected the unit \"m\" after the height" \
    "$status $(grep -o '^Note: data/materials.txt line 1: expected the unit "m" after the height' <<<"$out")"
check "rules that do not read: the page's rules come from the gradients" 1 \
    "$(grep -c '"rulesFrom":"the gradient images"' "$work/alone/paint/bad_rules.html")"
rm "$work/alone/paint/data/materials.txt"
cp "$work/alone/paint/data/low.tga" "$work/low.tga"
printf 'not a picture' >"$work/alone/paint/data/low.tga"
run_preview alone --output bad_texture.html
check "a refused texture: live view off, with a note naming it" "0 1" \
    "$status $(grep -c '^Note: live materials off: data/low.tga' <<<"$out")"
check "a refused texture: the page is written without live materials" 1 \
    "$(grep -c '"materials":{"live":false}' "$work/alone/paint/bad_texture.html")"
shot "a refused texture" "$work/alone/paint/bad_texture.html"
cp "$work/low.tga" "$work/alone/paint/data/low.tga"

# Whether the textures were mirrored is told from the big maps the job kept.
check "mirrored textures: told from the maps" 1 "$(grep -c '"mirror":true' "$work/alone/paint/preview.html")"
(cd "$work/alone/paint" && "${emulator[@]}" "$marvane" -mirror 0 -surround 0 -deltemps 0 >/dev/null 2>&1)
run_preview alone --output plain.html
check "textures not mirrored: told from the maps" "0 1" \
    "$status $(grep -c '"mirror":false' "$work/alone/paint/plain.html")"

# A 1025 level with its surroundings, seen from straight above: the sky
# shows nowhere between the primary and its neighbours.
if [ -n "$browser" ] && [ -z "${emulator[*]}" ]; then
    "$generator" --out "$work/big" --primary 1025 --secondary 129 --seed 4 >/dev/null &&
        (cd "$work/big/paint" && "$marvane" -mirror 1 -surround 1 -deltemps 0 >/dev/null 2>&1 &&
            "$preview" >/dev/null 2>&1) ||
        { echo "FAIL: the level big could not be made, painted and shown"; exit 1; }
    shot "map of a 1025 level" "$work/big/paint/preview.html" "#view=map&layer=detail&light=flat" --map
fi

# --open hands the page's full path to xdg-open, and says so when there is none.
if [ -z "${emulator[*]}" ]; then
    mkdir "$work/bin"
    printf '#!/bin/sh\necho "$@" >"%s"\n' "$work/opened.txt" >"$work/bin/xdg-open"
    chmod +x "$work/bin/xdg-open"
    (cd "$work/alone/paint" && PATH="$work/bin" "$preview" --open >/dev/null 2>&1)
    for ((i = 0; i < 50; i++)); do [ -s "$work/opened.txt" ] && break; sleep 0.1; done
    check "--open: xdg-open gets the page" "$work/alone/paint/preview.html" "$(cat "$work/opened.txt" 2>/dev/null)"
    rm "$work/bin/xdg-open"
    run_preview_env() { (cd "$work/alone/paint" && PATH="$work/bin" "$preview" --open 2>&1 >/dev/null); }
    check "--open without xdg-open: exit 1 and why" \
        "ERROR: could not open $work/alone/paint/preview.html in a browser: xdg-open: No such file or directory 1" \
        "$(run_preview_env) $?"

    # A 16384 x 16384 DXT1 surrounding texture (a converter of the user's
    # own) is shrunk as it is read: the page stays small and the program
    # within 500 MiB.
    python3 - "$work/around/paint/colormaps/tx_s0.dds" <<'PY'
import struct, sys
header = bytearray(128)
header[0:4] = b"DDS "
struct.pack_into("<IIII", header, 4, 124, 0x1007, 16384, 16384)
struct.pack_into("<II4s", header, 4 + 72, 32, 0x4, b"DXT1")
with open(sys.argv[1], "wb") as out:
    out.write(header)
    red = b"\x00\xf8\x00\x00\x00\x00\x00\x00" * 4096
    for _ in range(4096):
        out.write(red)
PY
    (cd "$work/around/paint" && /usr/bin/time -f %M -o "$work/rss.txt" "$preview" --output huge.html \
        >/dev/null 2>&1)
    check "a 16384 x 16384 DXT1 surrounding texture: exit status" 0 "$?"
    check "a 16384 x 16384 DXT1 surrounding texture: within 500 MiB" yes \
        "$([ "$(tail -n 1 "$work/rss.txt")" -le 512000 ] && echo yes || echo "no: $(tail -n 1 "$work/rss.txt") KiB")"
    check "a 16384 x 16384 DXT1 surrounding texture: a page as small as ever" yes \
        "$([ "$(stat -c %s "$work/around/paint/huge.html")" -lt 40000000 ] && echo yes || echo no)"
    rm "$work/around/paint/colormaps/tx_s0.dds"

    # A stale big map of another size is left out, with a note, for the tiles.
    cp "$work/alone/paint/colourbig.tga" "$work/colourbig.tga"
    printf '\0\0\2\0\0\0\0\0\0\0\0\0\1\0\1\0\30\0\0\0\377' >"$work/alone/paint/colourbig.tga"
    run_preview alone --output stale.html
    check "a 1 x 1 colourbig.tga: not used, with a note" \
        "0 Note: colourbig.tga is 1 x 1, but the level's maps are 1024 x 1024: not used, the tiles are|Note: colour map from its tiles" \
        "$status $(head -n 2 <<<"$out" | paste -sd '|')"
    mv "$work/colourbig.tga" "$work/alone/paint/colourbig.tga"

    # --output a named pipe is refused at once (it would wait for a reader
    # for ever); a page a killed run left half-written goes with the next
    # run, whatever that one writes; --dir a file says what the path is.
    mkfifo "$work/alone/paint/pipe.html"
    (cd "$work/alone/paint" && timeout 20 "$preview" --output pipe.html >/dev/null 2>"$work/err.txt")
    status=$?
    check "--output a named pipe: exit 1 and why" \
        "1 ERROR: --output pipe.html is a named pipe: name a new file or a regular one" \
        "$status $(head -n 1 "$work/err.txt")"
    echo half >"$work/alone/paint/preview.html.partial"
    (cd "$work/alone/paint" && "$preview" --output other.html >/dev/null 2>&1)
    check "a killed run's preview.html.partial: removed" no "$(exists "$work/alone/paint/preview.html.partial")"
    (cd "$work" && "$preview" --dir alone/paint/log.txt >/dev/null 2>"$work/err.txt")
    status=$?
    check "--dir a file: exit 1 and what it is" \
        "1 ERROR: --dir alone/paint/log.txt is a file, not a folder; name the painter's working folder (the one that holds log.txt)" \
        "$status $(head -n 1 "$work/err.txt")"
fi

# A level without its settings: the painter's message, and no page.
rm "$work/alone/paint/preview.html" "$work/alone/Heightdata.con"
run_preview alone
check "no settings: the painter's message" '1 ERROR: reading "../Heightdata.con"' "$status $err"
check "no settings: no page" "no" "$(exists "$work/alone/paint/preview.html")"
finish
