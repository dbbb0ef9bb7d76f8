#!/usr/bin/env bash
# Checks the AppStream metadata as a software centre reads it: valid for
# appstreamcli, named after the desktop entry it launches, its releases those
# of CHANGELOG.md, its screenshots pictures of docs/. Exit 77: skipped, when
# appstreamcli (package appstream) is not installed.
#   appstream_test.sh SOURCE-DIR
set -euo pipefail
source_dir=${1:?source dir}
cd "$source_dir"

if ! command -v appstreamcli >/dev/null; then
  echo "SKIP: appstreamcli is not installed (appstream)"
  exit 77
fi
fail() { echo "FAIL: $*" >&2; exit 1; }

metainfo=(packaging/*.metainfo.xml)
[ ${#metainfo[@]} = 1 ] && [ -f "${metainfo[0]}" ] || fail "want exactly one packaging/*.metainfo.xml"
metainfo=${metainfo[0]}
# Every issue counts but the pedantic hints.
appstreamcli validate --no-net --strict --explain "$metainfo" || fail "appstreamcli validate $metainfo"

id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")
[ "$metainfo" = "packaging/$id.metainfo.xml" ] || fail "$metainfo is not named after its id $id"
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[ "$launchable" = "$id.desktop" ] || fail "it launches '$launchable', not $id.desktop"
[ -f "packaging/$launchable" ] || fail "packaging/$launchable does not exist"

# Newest first in both.
releases=$(sed -n 's:.*<release version="\([^"]*\)" date="\([^"]*\)".*:\1 \2:p' "$metainfo")
changelog=$(sed -n 's/^## \([^ ]*\) - \([0-9-]*\) *$/\1 \2/p' CHANGELOG.md)
[ -n "$changelog" ] || fail "CHANGELOG.md names no release"
[ "$releases" = "$changelog" ] || fail "releases differ from CHANGELOG.md:"$'\n'"$releases"$'\n'"--"$'\n'"$changelog"

images=$(sed -n 's:.*<image>\(.*\)</image>.*:\1:p' "$metainfo")
[ -n "$images" ] || fail "no screenshots"
for image in $images; do
  [[ $image == https://* ]] || fail "$image is not an https address"
  [ -f "docs/${image##*/}" ] || fail "$image shows no picture of docs/"
done
echo "PASS: $metainfo"
