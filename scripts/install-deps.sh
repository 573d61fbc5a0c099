#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
packages=(
    cmake g++ make pkg-config clang-format
    qt6-base-dev qt6-pdf-dev libqt6pdfwidgets6 qt6-svg-dev libgl-dev
    libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev
    g++-multilib
    # TFLingo.x32: GoogleTest's sources for its 32-bit tests; CUPS (a server of the tests' own, lp and the
    # raw-copy filter); the desktop association; requests to the login manager; its message boxes
    googletest cups-daemon cups-client cups-core-drivers xdg-utils dbus-bin zenity
    # the sample courses' documents are drawn in this font
    fonts-dejavu-core
    # the test on a real display: an X server, a window manager, and a reader of the screen
    xvfb openbox imagemagick
)

# install PACKAGE...: installs those of the packages that are missing.
install() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    ((${#missing[@]})) || return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "missing packages: ${missing[*]} (run as root to install them)" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

install "${packages[@]}"

# Where the kernel cannot run 32-bit programs, the plug-in's 32-bit tests run under the user-mode emulator.
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
gcc -m32 -o "$probe/m32" cmake/m32_probe.c
"$probe/m32" 2>/dev/null || install qemu-user
