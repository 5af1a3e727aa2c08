#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Lettermaze need, and
# nothing when they are all there already.
set -euo pipefail

packages=(
    # build
    cmake g++ ninja-build pkg-config qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
    # run: fonts (Liberation stands in for the print page's Arial), and the desktop's
    # file-type tools
    fonts-dejavu-core fonts-liberation shared-mime-info desktop-file-utils xdg-utils libglib2.0-bin
    # install and package: dpkg-shlibdeps and file for the package's Depends, the validators
    # of the installed metadata and manual pages
    dpkg-dev file lintian appstream groff-base
    # tests: a headless display and the tools that drive and photograph it, a real browser and
    # a PDF reader for the printed pages, the fuzzer's compiler and runtime, English words
    xvfb xauth xdotool x11-utils xclip imagemagick chromium poppler-utils
    clang libclang-rt-14-dev wamerican
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
