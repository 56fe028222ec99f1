# Sourced by the scripts: a private X display and a fresh Wine prefix inside the build
# folder, both stopped again when the calling script ends.
#   start_wine_session <build folder>

start_wine_session() {
  local build="$1"
  export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEPREFIX="$build/wineprefix"
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"

  if [ -z "${KL_KEEP_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
    local display=90
    while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
    Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    KL_XVFB_PID=$!
    export DISPLAY=":$display"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
  fi
  trap stop_wine_session EXIT
  # One wineserver for the whole session, and the prefix's services started now with their
  # output away from any pipe: a service started by a test program would keep CTest's
  # output pipe open, and CTest would wait for it forever.
  wineserver -p >/dev/null 2>&1
  wineboot -i >/dev/null 2>&1
  configure_wine_display
}

stop_wine_session() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${KL_XVFB_PID:-}" ]; then kill "$KL_XVFB_PID" 2>/dev/null || true; fi
}

# The manager window asks for "ＭＳ Ｐゴシック"; show it with the IPA P Gothic from Debian.
# Wine draws the title bars itself: Xvfb has no window manager to draw them.
configure_wine_display() {
  local reg="$WINEPREFIX/kl-fonts.reg"
  { printf '\xff\xfe'
    printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"ＭＳ Ｐゴシック"="IPAPGothic"\r\n"MS PGothic"="IPAPGothic"\r\n"ＭＳ ゴシック"="IPAGothic"\r\n"MS Gothic"="IPAGothic"\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n' \
      | iconv -f UTF-8 -t UTF-16LE
  } > "$reg"
  wine regedit /S "$reg" >/dev/null 2>&1
}
