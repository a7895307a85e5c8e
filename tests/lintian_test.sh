#!/usr/bin/env bash
# Debian's own checker accepts the package cpack makes: lintian reports no
# error and no warning (packaging/debian/lintian-overrides says why for each
# one overridden).
# Usage: lintian_test.sh BUILD-DIR   (CPACK names cpack; default: the search path)
set -u
build=$1
cpack=${CPACK:-cpack}
command -v lintian >/dev/null || { echo "SKIPPED: no lintian (Debian: lintian)"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$build" && "$cpack" -G DEB -B "$work/package" >"$work/cpack.txt" 2>&1) ||
    { cat "$work/cpack.txt"; echo "FAIL: cpack -G DEB"; exit 1; }
debs=("$work"/package/marvane_*.deb)
# Informational tags are shown too, so that a reader sees what lintian
# noticed; only errors and warnings fail the test.
lintian --fail-on error,warning --display-info --tag-display-limit 0 "${debs[@]}"
status=$?
[ "$status" = 0 ] && echo "ok: lintian $(lintian --version | cut -d' ' -f2) accepts $(basename "${debs[0]}")" ||
    echo "FAIL: lintian found errors or warnings in $(basename "${debs[0]}")"
exit "$status"
