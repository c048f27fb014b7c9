#!/usr/bin/env bash
# Installs, from Debian's packages, everything Dextrel needs to build and test.
# Safe to run again: packages already present are left alone.
set -euo pipefail

packages=(
    build-essential cmake pkg-config ccache
    libwxgtk3.2-dev libusb-dev
    libgtest-dev libgmock-dev
    xvfb xauth xfonts-base fonts-dejavu-core
    locales
    desktop-file-utils appstream shared-mime-info libxml2-utils man-db gzip
    x11-utils xdotool
    dpkg-dev lintian
    # Fuzzing (scripts/fuzz.sh): clang with libFuzzer and the sanitizer runtimes, and the
    # symbolizer for readable reports.
    clang libclang-rt-14-dev llvm-14
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
