# Sourced by the scripts: installs what is missing on a Debian machine and the Japanese
# locale under which Wine uses code page 932.

kl_packages="cmake ninja-build g++ googletest libgtest-dev g++-mingw-w64-x86-64-posix \
wine wine64 xvfb x11-utils imagemagick locales fonts-ipafont-gothic"

install_missing_packages() {
  local missing=""
  for package in $kl_packages; do
    dpkg -s "$package" >/dev/null 2>&1 || missing="$missing $package"
  done
  if [ -n "$missing" ]; then
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
  fi
  if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
  fi
}

# Configures the Windows build in the given folder (cross-compiled with mingw-w64).
configure_windows_build() {
  cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKL_BUILD_BENCH=ON \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
}
