#!/usr/bin/env bash
# The puzzle file types as a desktop sees them: the shared-mime-info package builds into a
# database beside the standard one, each type a text/plain with its extension, and the desktop
# entry names exactly those types. Usage: desktop_types.sh MIME_XML DESKTOP_ENTRY
set -euo pipefail
mime_xml=$1 desktop=$2
fail() { echo "desktop_types: $*" >&2; exit 1; }
for tool in update-mime-database desktop-file-validate; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
[ -f /usr/share/mime/packages/freedesktop.org.xml ] || { echo "skipped: no freedesktop.org.xml"; exit 77; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$tmp/mime/packages/"
cp "$mime_xml" "$tmp/mime/packages/quadrelle.xml"
log=$(XDG_DATA_DIRS="$tmp" update-mime-database "$tmp/mime" 2>&1) || fail "update-mime-database: $log"
[ -z "$log" ] || fail "update-mime-database complains: $log"

declared=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mime_xml" | sort)
[ "$(wc -l <<<"$declared")" -eq 4 ] || fail "expected four types, found: $declared"
for type in $declared; do
  grep -qx "$type text/plain" "$tmp/mime/subclasses" || fail "$type is no subclass of text/plain"
  grep -q ":$type:\*\.[a-z]*$" "$tmp/mime/globs2" || fail "$type has no extension"
done
grep -q 'text/x-simple-sudoku' "$tmp/mime/magic" || fail "Simple Sudoku files are not told from Scheme source"

listed=$(sed -n 's/^MimeType=//p' "$desktop" | tr ';' '\n' | sed '/^$/d' | sort)
[ "$listed" = "$declared" ] || fail "the desktop entry lists '$listed', the package declares '$declared'"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
echo "four puzzle file types declared and listed"
