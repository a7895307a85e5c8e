#!/usr/bin/env bash
# Times marvane_preview on a painted level of the largest usual size and
# holds the figures against their targets:
#   - the program, from the big maps and from the tiles alone (the dialog's
#     default deletes the big maps): wall time (median of RUNS) and peak
#     memory, at most 5 s and 500 MiB;
#   - the page: at most 30 MB;
#   - the first frame in headless chromium, WebGL through SwiftShader (no
#     GPU: the slowest a browser draws it), as the page's own console line
#     tells it: at most 5 s;
#   - the frame after a change of the material rules (given in the page's
#     address), at 1280 x 800, as the page's console line tells it: at most
#     500 ms (a GPU takes a fifth of that).
#
#   bench/preview_timing.sh [--build DIR] [--size N] [--runs N]
#
# --build: the build folder (default build/default). --size: the primary
# heightmap's side (default 4097). --runs: runs per figure (default 3).
# Needs GNU time (/usr/bin/time); chromium for the last figure, which is
# skipped loudly without it. Exit status 1 when a figure misses its target.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/default
size=4097
runs=3
while [ $# -gt 0 ]; do
    case "$1" in
        --build) build=$2; shift 2 ;;
        --size) size=$2; shift 2 ;;
        --runs) runs=$2; shift 2 ;;
        *) echo "usage: bench/preview_timing.sh [--build DIR] [--size N] [--runs N]" >&2; exit 2 ;;
    esac
done
bin=$build/bin
for program in marvane_sample_level Marvane marvane_preview; do
    [ -x "$bin/$program" ] || { echo "no $bin/$program: build the default preset first" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
missed=0
# verdict VALUE LIMIT: "ok" or "MISSED". Called in $(...), a subshell, so a
# miss is also written down in a file that the exit status is read from.
verdict() {
    if awk -v v="$1" -v l="$2" 'BEGIN { exit !(v <= l) }'; then echo ok; else echo MISSED; : >"$work/missed"; fi
}
median() { LC_ALL=C sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

echo "Painting a sample level of $size x $size (this takes a while)"
"$bin/marvane_sample_level" --out "$work/level" --primary "$size" --secondary 257 --seed 3 >/dev/null
(cd "$work/level/paint" && "$bin/Marvane" -mirror 1 -surround 1 -deltemps 0 >/dev/null 2>&1)
cd "$work/level/paint"

# program WHAT OUTPUT: median time and the largest peak of RUNS runs
program() {
    local i seconds=() peaks=()
    for ((i = 0; i < runs; i++)); do
        LC_ALL=C /usr/bin/time -f '%e %M' -o "$work/time.txt" "$bin/marvane_preview" --output "$2" >/dev/null
        read -r s k <"$work/time.txt"
        seconds+=("$s")
        peaks+=("$((k / 1024))")
    done
    local time peak
    time=$(printf '%s\n' "${seconds[@]}" | median)
    peak=$(printf '%s\n' "${peaks[@]}" | LC_ALL=C sort -g | tail -n 1)
    printf '%-28s %6s s  %s    %5s MiB  %s\n' "$1" "$time" "$(verdict "$time" 5)" "$peak" "$(verdict "$peak" 500)"
}
echo
echo "marvane_preview, $size x $size, $(nproc) cores, median of $runs:"
program "from the big maps" preview.html
mkdir "$work/kept"
mv colourbig.tga detailbig.tga "$work/kept/"
program "from the tiles alone" tiles.html
mv "$work/kept/"*.tga .
bytes=$(wc -c <preview.html)
mb=$(awk -v b="$bytes" 'BEGIN { printf "%.1f", b / 1e6 }')
printf '%-28s %6s MB %s\n' "the page" "$mb" "$(verdict "$mb" 30)"

browser=$(command -v chromium || true)
if [ -z "$browser" ]; then
    echo "!!! SKIPPED: the first frame needs chromium (apt-get install chromium)"
else
    # The page stays open in a headless browser until its console lines
    # come (the rules are applied after the first frame), or a minute passes.
    frames=()
    rules=()
    address="#rules=high%2060%20m%20..%2080%20m%0Asteep%2025%20deg%20..%2035%20deg%0A"
    for ((i = 0; i < runs; i++)); do
        profile=$(mktemp -d)
        : >"$work/browser.txt"
        timeout 60 "$browser" --headless --no-sandbox --disable-gpu --use-angle=swiftshader \
            --enable-unsafe-swiftshader --disable-background-networking --disable-component-update \
            --disable-sync --no-first-run --user-data-dir="$profile" --enable-logging=stderr --v=0 \
            --window-size=1280,800 "file://$PWD/preview.html$address" >/dev/null 2>"$work/browser.txt" &
        pid=$!
        for ((t = 0; t < 600; t++)); do
            grep -q 'rules applied' "$work/browser.txt" && break
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        rm -rf "$profile"
        ms=$(grep -o 'first frame drawn [0-9]*' "$work/browser.txt" | grep -o '[0-9]*$' || echo 60000)
        frames+=("$(awk -v m="$ms" 'BEGIN { printf "%.1f", m / 1000 }')")
        rules+=("$(grep -o 'rules applied, frame drawn in [0-9]*' "$work/browser.txt" | grep -o '[0-9]*$' || echo 60000)")
    done
    frame=$(printf '%s\n' "${frames[@]}" | median)
    printf '%-28s %6s s  %s\n' "first frame in chromium" "$frame" "$(verdict "$frame" 5)"
    rule=$(printf '%s\n' "${rules[@]}" | median)
    printf '%-28s %6s ms %s\n' "frame after new rules" "$rule" "$(verdict "$rule" 500)"
fi
[ -e "$work/missed" ] && missed=1
exit "$missed"
