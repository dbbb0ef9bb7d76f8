#!/usr/bin/env bash
# Each program answers --version with one line "NAME VERSION" of the project's
# version, without a display; the Debian changelog made from CHANGELOG.md has
# that version as its newest entry.
#   version_test.sh VERSION DEBIAN-CHANGELOG PROGRAM...
set -euo pipefail
version=${1:?version}
changelog=${2:?Debian changelog}
shift 2
fail() { echo "FAIL: $*" >&2; exit 1; }

for program in "$@"; do
  name=$(basename "$program")
  # No display of any kind: the answer must come before the toolkit starts.
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version) \
    || fail "$name --version ended with $?"
  [ "$out" = "$name $version" ] || fail "$name --version says '$out', not '$name $version'"
done

newest=$(dpkg-parsechangelog -l "$changelog" -S Version) || fail "dpkg-parsechangelog cannot read $changelog"
[ "$newest" = "$version" ] || fail "the newest entry of CHANGELOG.md is $newest, the project's version $version"
echo "PASS: $# programs and the changelog say $version"
