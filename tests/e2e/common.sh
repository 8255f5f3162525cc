# Helpers for the end-to-end tests: start the real tool under Wine on the
# test display and drive it with xdotool, as a person would.
set -euo pipefail
: "${ROOT:?}" "${BUILD:?}"
export WINEPREFIX=${WINEPREFIX:-$BUILD/wineprefix}
EXE=$BUILD/bin/VideoAdBlock.exe
HOSTS=$WINEPREFIX/drive_c/windows/system32/drivers/etc/hosts
TOOL_PID=
TOOL_LOG=$(mktemp "$BUILD/e2e-log.XXXXXX")

fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits up to $2 seconds for a window whose title matches $1; prints its id.
wait_window() {
  local id
  for _ in $(seq 1 $(( ${2:-60} * 4 ))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.25
  done
  return 1
}

start_tool() {
  # +debugstr makes the tool's OutputDebugString lines visible in the log.
  WINEDEBUG=-all,+debugstr "$ROOT/cmake/wine-run" "$EXE" >"$TOOL_LOG" 2>&1 &
  TOOL_PID=$!
  TOOL_WINDOW=$(wait_window "视频广告拦截器" 90) || fail "the main window did not appear"
  sleep 1
}

# Waits for the tool to end by itself; fails after $1 seconds.
wait_tool_exit() {
  for _ in $(seq 1 $(( ${1:-20} * 4 ))); do
    kill -0 "$TOOL_PID" 2>/dev/null || { wait "$TOOL_PID" || true; return 0; }
    sleep 0.25
  done
  return 1
}

stop_tool() {
  if [ -n "$TOOL_PID" ] && kill -0 "$TOOL_PID" 2>/dev/null; then
    kill "$TOOL_PID" 2>/dev/null || true
    wait "$TOOL_PID" 2>/dev/null || true
  fi
  rm -f "$TOOL_LOG"
}

# Clicks at client coordinates of the main window, placed at (50, 50).
click_client() {
  xdotool mousemove $((50 + $1)) $((50 + $2)) sleep 0.2 click 1
  sleep 0.5
}
