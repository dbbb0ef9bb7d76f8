#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs; installs only what is missing.
#   setup.sh [MORE-PACKAGES...]   (make package-test adds lintian)
set -euo pipefail

packages=(cmake g++ ninja-build make qt6-base-dev qt6-serialport-dev libgtest-dev libbenchmark-dev fonts-dejavu-core qt6-translations-l10n dpkg-dev file)
# help2man makes the manual pages and man-db renders them in the tests;
# desktop-file-utils and appstream check the desktop entry and the AppStream
# metadata there.
packages+=(help2man man-db desktop-file-utils appstream)
packages+=("$@")

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
