#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and packaging need, only when some are
# missing. The icon is rendered with rsvg-convert; the install test validates with the desktop,
# AppStream, MIME and man tools; dpkg-dev computes the .deb's dependencies; python3 runs the
# benchmark check. Qt's translation tools build the translations; Qt's own translations give its
# dialogs the user's language.
set -euo pipefail
packages=(
    cmake g++ make pkg-config lld
    qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    clang clang-format libclang-rt-14-dev ccache
    xvfb xauth fonts-liberation fonts-dejavu-core
    librsvg2-bin desktop-file-utils appstream shared-mime-info libglib2.0-bin man-db groff-base
    dpkg-dev python3
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
