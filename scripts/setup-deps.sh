#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# As root it runs apt-get; otherwise it prints the exact command and stops.
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache lld pkg-config make
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev qt6-multimedia-dev libgl-dev
  libpng-dev libjpeg-dev zlib1g-dev libcurl4-openssl-dev libfontconfig-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-dejavu fonts-crosextra-carlito fonts-crosextra-caladea
  qt6-translations-l10n
  xvfb xauth desktop-file-utils appstream
  unrtf poppler-utils
)
if [[ "${1:-}" == "--fuzz" ]]; then
  packages+=(clang libclang-rt-dev)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

cmd=(apt-get install -y --no-install-recommends "${missing[@]}")
if [[ $(id -u) -eq 0 ]]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  "${cmd[@]}"
else
  echo "These packages are missing. Install them with:" >&2
  echo "  sudo ${cmd[*]}" >&2
  exit 1
fi
