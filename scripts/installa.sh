#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the game.
# Usage: scripts/installa.sh [gioco|test]
set -euo pipefail
pacchetti=(cmake make g++ clang libclang-rt-14-dev pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libfltk1.3-dev libx11-dev libxfixes-dev libsdl2-dev libasound2-dev libfluidsynth-dev timgm6mb-soundfont
  libcairo2-dev libpango1.0-dev fonts-dejavu-core)
case "${1:-test}" in
  gioco) pacchetti+=(fluid-soundfont-gm) ;;
  test) pacchetti+=(xvfb xauth xdotool x11-utils imagemagick) ;;
esac
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
mancanti=()
for p in "${pacchetti[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || mancanti+=("$p")
done
if [ ${#mancanti[@]} -gt 0 ]; then
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${mancanti[@]}"
fi
