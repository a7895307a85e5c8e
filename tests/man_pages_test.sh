#!/usr/bin/env bash
# The manual pages render without a single warning from groff, and every page
# they point to under SEE ALSO is one of them.
# Usage: man_pages_test.sh MAN-FOLDER
set -u
folder=$1
command -v groff >/dev/null || { echo "SKIPPED: no groff (Debian: groff-base)"; exit 77; }

source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"

pages=("$folder"/*.1)
check "a page for each program" "Marvane.1 marvane_import.1 marvane_preview.1 nvdxt.1 quillet.1" \
    "$(cd "$folder" && ls -- *.1 | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')"
for page in "${pages[@]}"; do
    name=$(basename "$page")
    check "$name renders without warnings" "" "$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$page" 2>&1)"
    check "$name renders its NAME section" yes \
        "$(LC_ALL=C.UTF-8 groff -man -Tutf8 -P-cbu "$page" 2>/dev/null | grep -q '^NAME' && echo yes || echo no)"
    for reference in $(sed -n '/^\.SH SEE ALSO/,/^\.SH/p' "$page" | sed -nE 's/^\.BR ([^ ]+) \(1\).*/\1/p'); do
        check "$name: SEE ALSO $reference(1) is a page here" yes "$(exists "$folder/$reference.1")"
    done
done
finish
