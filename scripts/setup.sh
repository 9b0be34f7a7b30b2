#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and the tests need, when missing.
# clang with its runtime libraries (libFuzzer among them) builds the fuzz targets.
# The accessibility tests and scripts/screen-reader-check.sh run the window
# under openbox with an AT-SPI client (pyatspi) or the screen reader Orca; the
# GUI tests switch Qt's accessibility on offscreen through its private headers.
set -euo pipefail
packages=(build-essential cmake pkg-config qt6-base-dev qt6-base-private-dev libxcb1-dev libjpeg62-turbo-dev libpng-dev
          libzip-dev libpugixml-dev libgtest-dev libbenchmark-dev
          xvfb xauth libgl1-mesa-dev fonts-dejavu-core fonts-liberation imagemagick locales
          librsvg2-bin desktop-file-utils appstream dpkg-dev file clang-format
          clang libclang-rt-dev libsqlite3-dev lintian scdoc
          openbox x11-utils xdotool dbus-daemon at-spi2-core python3-pyatspi orca)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
