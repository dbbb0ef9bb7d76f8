#!/usr/bin/env bash
# Checks the desktop entry with desktop-file-validate; exit 77 (skipped) when
# the tool (desktop-file-utils) is not installed.
#   desktop_entry_test.sh ENTRY.desktop ICON.svg
set -euo pipefail
entry=${1:?desktop file}
icon=${2:?icon file}

if ! command -v desktop-file-validate >/dev/null; then
  echo "SKIP: desktop-file-validate is not installed (desktop-file-utils)"
  exit 77
fi
desktop-file-validate "$entry"
grep -qx "Exec=korvane" "$entry" || { echo "Exec must start the installed korvane" >&2; exit 1; }
# The icon is looked up by name in the theme, from the installed file's name.
grep -qx "Icon=$(basename "$icon" .svg)" "$entry" || { echo "Icon does not name $(basename "$icon")" >&2; exit 1; }
echo "PASS: $entry"
