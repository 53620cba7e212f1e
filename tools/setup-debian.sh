#!/bin/sh
# Installs what building, running and testing tamo needs on Debian 12; run as root.
set -e
packages="cmake g++ make clang libclang-rt-14-dev qt6-base-dev qt6-base-dev-tools libgl-dev
zlib1g-dev libjpeg62-turbo-dev libfontconfig-dev imagemagick libbenchmark-dev fonts-liberation2 xvfb xauth xdotool x11-utils"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
fi
