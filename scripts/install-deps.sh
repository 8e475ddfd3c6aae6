#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and be tested,
# when any is missing. Usage: install-deps.sh [run|test]
set -euo pipefail

packages=(cmake make g++ qt6-base-dev fonts-liberation2 fonts-dejavu-core)
if [ "${1:-run}" = test ]; then
  packages+=(xvfb xauth x11-utils xdotool openbox wmctrl bc)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
