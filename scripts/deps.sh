#!/usr/bin/env bash
# Installs the Debian packages Quillfen builds, runs and tests with, when any is missing.
set -euo pipefail
packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-qpa-plugins libjpeg-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation xvfb xauth
          desktop-file-utils appstream dpkg-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages need root: run this command as root (or with sudo)." >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
