#!/bin/bash
# Installs the Debian 12 packages Tikanda needs to build, run and be tested — only those
# that are missing, so a second run changes nothing and needs no network. Runs as root or
# through sudo.
set -euo pipefail

packages=(
    # Build: compiler, CMake with Ninja, Qt 6 (Widgets, SVG, Multimedia, D-Bus), X11 and XTest,
    # GoogleTest.
    g++ cmake ninja-build
    qt6-base-dev qt6-svg-dev qt6-multimedia-dev
    libx11-dev libxtst-dev
    # The session manager of the end-to-end test of a logout: X session management.
    libsm-dev libice-dev
    libgtest-dev libgmock-dev
    # Run: a font for Qt to draw with (a minimal system has none), and the Czech texts
    # of Qt's own dialogs.
    fonts-dejavu-core qt6-translations-l10n
    # Run without a screen, and the end-to-end tests: a virtual X server, a window
    # manager, a session bus, a sound server with its tools, X tools to find windows,
    # read the keyboard map, send keys and take screenshots, and sox to measure recorded
    # sound.
    xvfb openbox dbus-daemon pulseaudio pulseaudio-utils
    x11-utils x11-xserver-utils xdotool imagemagick sox
    # A Wayland session for the end-to-end tests: the weston compositor with XWayland and
    # Qt's Wayland plugin.
    weston xwayland qt6-wayland
    # The end-to-end tests read the program's windows as a screen reader does: the
    # accessibility bus and its Python bindings.
    at-spi2-core python3 python3-gi gir1.2-atspi-2.0
    # The Debian package and its test: dpkg-shlibdeps (for CPack), the menu entry and
    # AppStream validators, the manual page reader, and file.
    dpkg-dev desktop-file-utils appstream man-db file
    # Hardening: clang with its sanitizer and libFuzzer runtimes, and valgrind.
    clang libclang-rt-14-dev valgrind
    # Portability: the behaviour and its headless tests cross-built for Windows with
    # mingw-w64 (GoogleTest's sources to build it with) and run under wine.
    g++-mingw-w64-x86-64-posix googletest wine wine64
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    echo "deps: all ${#packages[@]} packages are installed"
    exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "deps: missing packages: ${missing[*]}" >&2
        echo "deps: run this script as root, or install sudo" >&2
        exit 1
    fi
    as_root=(sudo)
fi
echo "deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
