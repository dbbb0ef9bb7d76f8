#!/usr/bin/env bash
# Starts the simulated unit on a pseudo-terminal and shows its live data for
# ten seconds through korvane-cli (CSV on standard output).
set -euo pipefail
build=${1:-build}
sim="$build/tools/unit-sim/korvane-unit-sim"
cli="$build/tools/cli/korvane-cli"

work=$(mktemp -d)
sim_pid=""
cleanup() {
  if [ -n "$sim_pid" ]; then
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

"$sim" --quiet --path-file "$work/pty" >/dev/null &
sim_pid=$!

# The simulator writes the path file once the terminal is ready.
for _ in $(seq 50); do
  [ -s "$work/pty" ] && break
  if ! kill -0 "$sim_pid" 2>/dev/null; then
    echo "run.sh: the simulated unit did not start" >&2
    exit 1
  fi
  sleep 0.1
done
if [ ! -s "$work/pty" ]; then
  echo "run.sh: the simulated unit did not report its terminal" >&2
  exit 1
fi
pty=$(head -n 1 "$work/pty")

echo "Simulated unit on $pty; live data for 10 s:" >&2
"$cli" monitor --device "$pty" --csv - --seconds 10
