#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs; installs only what is missing.
set -euo pipefail

packages=(cmake g++ ninja-build make qt6-base-dev qt6-serialport-dev libgtest-dev libbenchmark-dev fonts-dejavu-core qt6-translations-l10n dpkg-dev file)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
