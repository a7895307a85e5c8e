#!/bin/sh
# Rebuilds preview_viewer.js, the viewer bundle that marvane_preview inlines
# into preview.html, from preview/viewer/ with the exact versions pinned in
# preview/viewer/package-lock.json. Needs node/npm and the npm registry;
# the normal C++ build does not run this and needs no network.
#
# Usage: third_party/three/rebuild.sh [scratch-dir]
#   scratch-dir defaults to a fresh temporary directory (removed afterwards);
#   node_modules lives there, never in the repository.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
src="$root/preview/viewer"
out="$here/preview_viewer.js"

if [ $# -ge 1 ]; then
    scratch=$1
    mkdir -p "$scratch"
    cleanup=
else
    scratch=$(mktemp -d)
    cleanup=$scratch
fi
trap '[ -n "$cleanup" ] && rm -rf "$cleanup"' EXIT

cp "$src/package.json" "$src/package-lock.json" "$scratch/"
# Sources are copied too so esbuild resolves 'three' from the scratch
# node_modules and nothing is written into the repository but the bundle.
cp "$src"/*.js "$scratch/"
# --ignore-scripts: esbuild finds its platform binary without its install
# hook, and no package gets to run code at install time.
(cd "$scratch" && npm ci --ignore-scripts --no-audit --no-fund)

three_version=$(node -p "require('$scratch/node_modules/three/package.json').version")
esbuild_version=$("$scratch/node_modules/.bin/esbuild" --version)

# Built beside the destination and moved into place only when complete, so
# a failed build never leaves a truncated bundle for the C++ side to embed.
tmp="$out.tmp.$$"
"$scratch/node_modules/.bin/esbuild" "$scratch/viewer.js" \
    --bundle --format=iife --minify --target=es2020 \
    --legal-comments=eof --charset=utf8 --log-level=warning \
    --outfile="$tmp"

# The bundle is pasted into a <script> element: these sequences would end
# or break the element early.
if grep -qi -e '</script' -e '<!--' "$tmp"; then
    rm -f "$tmp"
    echo "rebuild.sh: bundle contains '</script' or '<!--' and cannot be inlined" >&2
    exit 1
fi
mv "$tmp" "$out"
cp "$scratch/node_modules/three/LICENSE" "$here/LICENSE"

size=$(wc -c < "$out" | tr -d ' ')
sum=$(sha256sum "$out" | cut -d' ' -f1)
echo "Built $out"
echo "  three $three_version, esbuild $esbuild_version"
echo "  $size bytes, sha256 $sum"
