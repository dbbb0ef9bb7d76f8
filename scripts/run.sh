#!/usr/bin/env bash
# Starts Korvane with a simulated control unit attached, so live data, Read,
# Verify and Program work without hardware.
set -euo pipefail
build=${1:-build}
korvane="$build/src/app/korvane"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run.sh: no display found (DISPLAY is not set); start it from a desktop session," >&2
  echo "        or under Xvfb: xvfb-run -s '-screen 0 1280x1024x24' make run" >&2
  exit 1
fi
exec "$korvane" --simulate
