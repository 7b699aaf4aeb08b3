#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# asking apt-get only for the ones that are missing.
set -euo pipefail

packages=(
    make cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-webengine-dev qt6-svg-dev libgl-dev
    fonts-dejavu-core
    xvfb xauth icewm xdotool x11-utils
    clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
