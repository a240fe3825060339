#!/usr/bin/env bash
# Installs what Tessora needs on Debian 12 when it is missing. Sourced by
# run.sh and test.sh; safe to run again.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libqt6sql6-sqlite
  libgtest-dev googletest libbenchmark-dev nlohmann-json3-dev
  fonts-liberation fonts-comic-neue fonts-dejavu-core
  xvfb xauth x11-utils
  desktop-file-utils appstream shared-mime-info groff-base
)
if [ "${TESSORA_WITH_PEERS:-0}" = 1 ]; then packages+=(qqwing); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq || true
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
