#!/bin/sh
# Installs what a fresh Debian 12 machine lacks to build, run and test Horalune (as root, or
# with sudo). Quick when everything is already there.
set -eu

packages="cmake ninja-build g++ googletest libgtest-dev libgmock-dev g++-mingw-w64-x86-64 \
wine wine64 xvfb xdotool x11-utils imagemagick libstb-dev fonts-wqy-microhei \
pulseaudio pulseaudio-utils sox libsox-fmt-mp3 faketime python3 clang-format \
clang-14 libclang-rt-14-dev llvm-14 libbenchmark-dev"

missing=
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

echo "deps: installing$missing"
sudo_cmd=
[ "$(id -u)" -eq 0 ] || sudo_cmd=sudo
export DEBIAN_FRONTEND=noninteractive
$sudo_cmd apt-get update -qq
# shellcheck disable=SC2086
$sudo_cmd apt-get install -y -qq $missing >/dev/null
