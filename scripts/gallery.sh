#!/usr/bin/env bash
# Photographs every form and dialog of the program as a person sees them at the frame's default size, under Xvfb:
# the layout check (tests/wxbackend/LayoutCheckTest) walks every window command and object kind of the form table on
# the sample drawing with every object kind, shows each form and each dialog its buttons open, and here photographs
# each one into docs/gallery/. docs/gallery.md lists the pictures by command and object kind. The check's findings,
# if any, are printed at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
# GALLERY_NO_BUILD=1 takes the build as it is.
if [ -z "${GALLERY_NO_BUILD:-}" ]; then
  scripts/install-deps.sh
  scripts/build.sh
fi
BUILD_DIR=${BUILD_DIR:-build}
out=docs/gallery
rm -rf "$out"
mkdir -p "$out"
status=0
MORV9274_GALLERY="$PWD/$out" "$BUILD_DIR/tests/wxbackend/layout_check_tests" > "$out/check.log" 2>&1 || status=$?
{
  echo "# Gallery"
  echo
  echo "Every form and dialog of morv9274 at the frame's default size (749 x 603), as scripts/gallery.sh photographs"
  echo "them under Xvfb on the sample drawing samples/drawings/alle_objekte.xml: the forms of each window command and"
  echo "object kind in the order of their toolbar, each followed by the dialogs its buttons open."
  heading=""
  while IFS=$'\t' read -r file section what; do
    if [ "$section" != "$heading" ]; then
      heading=$section
      printf '\n## %s\n' "$heading"
    fi
    printf '\n%s\n\n![%s](gallery/%s)\n' "$what" "$section $what" "$file"
  done < "$out/index.txt"
} > docs/gallery.md
rm "$out/index.txt"
echo "docs/gallery.md: $(grep -c '^!\[' docs/gallery.md) pictures in $out"
grep -E "layout findings|windows checked" "$out/check.log" || true
rm "$out/check.log"
exit $status
