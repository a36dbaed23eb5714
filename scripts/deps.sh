#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, if any is missing.
# As root it runs apt-get; otherwise it prints the exact line to run and stops.
set -euo pipefail

packages=(
    # build
    cmake g++ make pkgconf qt6-base-dev qt6-base-dev-tools libxcb1-dev
    # what the program renders its fixed Japanese font with
    fonts-ipafont-gothic fonts-noto-cjk
    # tests: a real X server, a window manager, real input, leak checks, the packaged binary
    python3 xvfb xauth openbox xdotool wmctrl x11-utils valgrind devscripts dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
    echo "These Debian packages are missing; install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi
