#!/usr/bin/env bash
# Installs every Debian 12 package that building, running and testing Tarvik
# needs. Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-image-formats-plugins qt6-gtk-platformtheme
  zlib1g-dev libjpeg62-turbo-dev libcdio-dev
  qt6-tools-dev qt6-l10n-tools  # lrelease and CMake's LinguistTools: language modules
  fonts-liberation fonts-dejavu-core
)
if [ "${1:-}" = "--test" ]; then
  # the tests read cue sheets and run under the offscreen platform; the
  # fuzz target and the look at the program need these as well. Printing
  # is tested through a CUPS queue of cups-pdf, and PDF pages are measured
  # with poppler's tools.
  PACKAGES+=(xvfb cups printer-driver-cups-pdf poppler-utils)
  # the install test checks the desktop entry, the file types and the
  # AppStream description with the desktop's own tools
  PACKAGES+=(desktop-file-utils shared-mime-info appstream)
fi
if [ "${1:-}" = "--package" ]; then
  # CPack's Debian generator: dpkg-shlibdeps computes the dependencies, and
  # file tells it which installed files are programs
  PACKAGES+=(dpkg-dev file)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get -o DPkg::Lock::Timeout=120 update -qq
$SUDO apt-get -o DPkg::Lock::Timeout=120 install -y -qq --no-install-recommends "${missing[@]}"
