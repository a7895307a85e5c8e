#!/usr/bin/env bash
# The manual pages render without a single warning from groff, every page
# they point to under SEE ALSO is one of them, and each names all the others.
# Usage: man_pages_test.sh MAN-FOLDER
set -u
folder=$1
command -v groff >/dev/null || { echo "SKIPPED: no groff (Debian: groff-base)"; exit 77; }

source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"

pages=("$folder"/*.1)
check "a page for each program" "Marvane.1 marvane_import.1 marvane_materials.1 marvane_preview.1 nvdxt.1 quillet.1" \
    "$(cd "$folder" && ls -- *.1 | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')"
for page in "${pages[@]}"; do
    name=$(basename "$page")
    check "$name renders without warnings" "" "$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$page" 2>&1)"
    check "$name renders its NAME section" yes \
        "$(LC_ALL=C.UTF-8 groff -man -Tutf8 -P-cbu "$page" 2>/dev/null | grep -q '^NAME' && echo yes || echo no)"
    references=$(sed -n '/^\.SH SEE ALSO/,/^\.SH/p' "$page" | sed -nE 's/^\.BR ([^ ]+) \(1\).*/\1/p')
    for reference in $references; do
        check "$name: SEE ALSO $reference(1) is a page here" yes "$(exists "$folder/$reference.1")"
    done
    # Each page leads to every other program of the set, and shows how it is
    # used and how it ends.
    check "$name: SEE ALSO names every other page" "" \
        "$(for other in "${pages[@]}"; do
            other=$(basename "$other" .1)
            [ "$other.1" = "$name" ] || grep -qx "$other" <<<"$references" || echo "$other"; done)"
    check "$name: EXAMPLES, EXIT STATUS and FILES sections" "yes yes yes" \
        "$(for section in EXAMPLES 'EXIT STATUS' FILES; do
            grep -qx "\.SH $section" "$page" && echo -n 'yes ' || echo -n 'no '; done | sed 's/ $//')"
done
finish
