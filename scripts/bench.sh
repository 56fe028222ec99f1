#!/usr/bin/env bash
# Builds the Windows programs and runs the measurements under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source scripts/wine-session.sh

install_missing_packages
build="$PWD/build/win64"
configure_windows_build "$build"
cmake --build "$build" --target kl_bench
start_wine_session "$build"
wine "$build/bin/kl_bench.exe"

# Processor time of KL.EXE while it waits for a target that never shows its window, read
# from /proc, together with what the wineserver spends answering it.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
wine "$build/bin/kl_bench.exe" --prepare-wait
wine "$build/bin/KL.EXE" 'C:\bench\a.klbench' &
sleep 2
kl_pid=$(pgrep -f 'KL\.EXE' | head -n 1)
server_pid=$(pgrep -f wineserver | head -n 1)
seconds=10
kl_before=$(cpu_ticks "$kl_pid"); server_before=$(cpu_ticks "$server_pid")
sleep "$seconds"
kl_after=$(cpu_ticks "$kl_pid"); server_after=$(cpu_ticks "$server_pid")
kill "$kl_pid" 2>/dev/null || true
hz=$(getconf CLK_TCK)
awk -v k=$((kl_after - kl_before)) -v s=$((server_after - server_before)) -v hz="$hz" -v t="$seconds" 'BEGIN {
  printf "waiting for a started target: KL.EXE %.2f%% of one core, wineserver %.2f%% (over %d s; goal under 2%%)\n",
    100 * k / hz / t, 100 * s / hz / t, t }'
