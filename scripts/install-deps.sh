#!/bin/bash
# Installs the Debian packages the build and the tests need, when any is
# missing. Everything comes from Debian's archive; nothing else is fetched.
set -euo pipefail

packages=(
    cmake ninja-build g++ make git python3
    googletest libbenchmark-dev
    g++-mingw-w64-x86-64-posix mingw-w64-tools
    wine64 wine xvfb xdotool x11-utils x11-apps imagemagick
    libcairo2-dev libfreetype-dev pkg-config fonts-dejavu-core fonts-dejavu-extra libsdl2-dev midicsv
    clang-14 libclang-rt-14-dev
    wixl
    # The small window manager scripts/measure-photo-add.py can run, as on a desktop.
    evilwm
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Run as root or install sudo." >&2; exit 1; }
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
