#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Idempotent: apt-get runs only when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config make
  qt6-base-dev qt6-qpa-plugins libqt6test6
  libjpeg62-turbo-dev libcurl4-openssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev libgif-dev
  fonts-arphic-uming
  xvfb openbox xdotool imagemagick x11-utils
  clang-14 libclang-rt-14-dev
  python3 valgrind
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "Missing packages (${missing[*]}) and neither root nor sudo is available." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
