#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: natively on the
# in-memory backends (plain and with sanitizers), then the Windows build under Wine.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source scripts/wine-session.sh

install_missing_packages || exit 1
build="$PWD/build"
summaries=()
status=0

run_ctest() {
  local label="$1" folder="$2" log="$2/ctest.log"
  (cd "$folder" && ctest --output-on-failure --timeout 600) 2>&1 | tee "$log"
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
  summaries+=("$label: $(grep -E 'tests passed' "$log" | tail -n 1)")
}

configure_and_build() {
  local folder="$1"; shift
  if ! { cmake -S . -B "$folder" -G Ninja "$@" >/dev/null && cmake --build "$folder"; }; then
    status=1
    summaries+=("$(basename "$folder"): build failed")
    return 1
  fi
}

configure_and_build "$build/native" -DCMAKE_BUILD_TYPE=Debug && run_ctest native "$build/native"
configure_and_build "$build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DKL_SANITIZE=ON && run_ctest sanitizers "$build/sanitize"
if configure_and_build "$build/win64" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake; then
  start_wine_session "$build/win64"
  run_ctest wine "$build/win64"
fi

echo
printf '%s\n' "${summaries[@]}"
passed=0 failed=0
for line in "${summaries[@]}"; do
  if [[ $line =~ ([0-9]+)\ tests\ failed\ out\ of\ ([0-9]+) ]]; then
    failed=$((failed + BASH_REMATCH[1])); passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
  fi
done
echo "ctest: $passed passed, $failed failed"
exit $status
