#!/usr/bin/env bash
# Starts the simulated unit on a pseudo-terminal and attaches Korvane to it.
set -euo pipefail
build=${1:-build}
"$build/tools/cli/korvane-cli" --help
