#!/usr/bin/env bash
# Installs the Debian 12 packages the program needs to build, run and test, skipping those that
# are already there.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config ccache python3
  # toolkit and libraries
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libgl-dev libfontconfig-dev libfreetype-dev
  zlib1g-dev libxcb1-dev libxcb-res0-dev qt6-pdf-dev
  # fonts with the metrics of the common office families
  fonts-liberation2 fonts-dejavu-core
  # the word list that suggestions are drawn from by default
  wamerican
  # tests: an X server for the tests that need one, another program reading the clipboard,
  # and real readers of the RTF manuscript and the EPS grid pictures
  xvfb xauth x11-utils xclip libreoffice-writer-nogui ghostscript
  # tests: PDF readers, fonts that are not TrueType, and locale sources for a German locale
  qpdf poppler-utils fonts-urw-base35 locales
  # tests: a printer queue that writes PDF files
  cups printer-driver-cups-pdf
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
