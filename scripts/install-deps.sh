#!/usr/bin/env bash
# Installs what Varmiko needs to build, run and test on Debian 12, and the
# packages named as arguments (scripts/fuzz.sh adds its compiler).
# Quick when everything is already there: only missing packages are fetched.
set -euo pipefail

packages=(
  g++ make cmake ninja-build qt6-base-dev qt6-multimedia-dev qt6-translations-l10n
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good fonts-liberation2
  pulseaudio xvfb xauth xdotool poppler-utils sox espeak-ng libx11-dev
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Varmiko: these packages are missing and need root to install: ${missing[*]}" >&2
    exit 1
  fi
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
