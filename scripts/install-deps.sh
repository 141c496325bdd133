#!/usr/bin/env bash
# Installs every Debian package that building and testing need (as root, or through sudo).
set -euo pipefail

packages=(
    cmake ninja-build mingw-w64 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine64 xvfb xauth x11-utils googletest
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    python3 python3-aiosmtpd fp-utils
    cups printer-driver-cups-pdf poppler-utils python3-pyftpdlib
    unixodbc odbcinst libsqliteodbc sqlite3
    pulseaudio pulseaudio-utils
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

# sudo drops the caller's environment: the front end is set inside the command.
as_root=(env DEBIAN_FRONTEND=noninteractive)
[ "$(id -u)" -eq 0 ] || as_root=(sudo "${as_root[@]}")
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q "${missing[@]}"
