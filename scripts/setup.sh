#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run.
# Skips the package manager entirely when everything is already present.
set -euo pipefail

packages=(
  build-essential cmake
  qtbase5-dev qtbase5-dev-tools qttools5-dev qttools5-dev-tools
  libqt5svg5-dev libqscintilla2-qt5-dev
  openssl
  fonts-liberation fonts-wqy-microhei
  qttranslations5-l10n
  xvfb xauth libx11-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

echo "Installing: ${missing[*]}"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
