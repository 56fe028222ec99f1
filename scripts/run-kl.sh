#!/usr/bin/env bash
# Installs what is missing, builds KL.EXE and starts it under Wine without arguments. With
# a display it runs there until closed; without one it runs on a private X server, saves a
# screenshot to build/kl-window.png and ends.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source scripts/wine-session.sh

install_missing_packages
build="$PWD/build/win64"
configure_windows_build "$build"
cmake --build "$build" --target KL

if [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ]; then
  KL_KEEP_DISPLAY=1 start_wine_session "$build"
  wine "$build/bin/KL.EXE"
  exit 0
fi

start_wine_session "$build"
wine "$build/bin/KL.EXE" &
kl=$!
for _ in $(seq 100); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Kolbra"' && break
  sleep 0.2
done
sleep 1
# The window with a margin, or the whole screen when it cannot be found.
geometry=$(xwininfo -name Kolbra 2>/dev/null | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
  /Width:/{w=$2} /Height:/{h=$2} END{if (w) printf "%dx%d+%d+%d", w+40, h+40, x-20, y-20}')
import -window root ${geometry:+-crop "$geometry" +repage} "$PWD/build/kl-window.png"
echo "screenshot: build/kl-window.png"
kill "$kl" 2>/dev/null || true
