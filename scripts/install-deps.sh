#!/usr/bin/env bash
# Installs the Debian 12 packages Tessaly needs to build, test and run, skipping those
# already installed. Uses sudo when not run as root.
set -euo pipefail

PACKAGES=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev googletest
  libbenchmark-dev libmuparser-dev
  clang libclang-rt-14-dev
  qt6-base-dev qt6-svg-dev libgl-dev qt6-translations-l10n
  adwaita-icon-theme fonts-noto-cjk fonts-wqy-microhei
  xvfb xauth
  python3 dpkg-dev file lintian desktop-file-utils appstream
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

SUDO=()
if [[ $(id -u) -ne 0 ]]; then SUDO=(sudo); fi
echo "Installing: ${missing[*]}"
"${SUDO[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
