#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need.
# Only packages that are missing are installed; this is the single list of
# system dependencies.
set -euo pipefail

packages=(
  g++ cmake ninja-build make pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev
  libasound2-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libsimpleini-dev libicu-dev
  fonts-dejavu-core
  xvfb xauth xdotool imagemagick
  dbus-daemon at-spi2-core libglib2.0-bin iproute2
  dpkg-dev file appstream
  clang-format
  libavahi-client-dev libminiupnpc-dev libnatpmp-dev
  libstrophe-dev libsecret-1-dev prosody openssl
  avahi-daemon avahi-utils dbus miniupnpd-nftables miniupnpc nftables iproute2
  g++-mingw-w64-x86-64-posix wine64 wine googletest
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
