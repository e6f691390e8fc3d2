#!/usr/bin/env bash
# The Wine environment in which Tonquil.exe and its test programs run.
#
#   scripts/wine-env.sh prefix          create and prepare the Wine prefix (once; safe to repeat)
#   scripts/wine-env.sh server-start    start a persistent, silent wineserver for the prefix
#   scripts/wine-env.sh server-stop     end that wineserver and every Wine process of the prefix
#   scripts/wine-env.sh xvfb-start [:N] start Xvfb (on :N, or on a free display); prints DISPLAY=:N
#   scripts/wine-env.sh xvfb-stop [:N]  stop the Xvfb started for :N (default: $DISPLAY)
#   scripts/wine-env.sh run CMD ARGS... run a command in the environment (wine app.exe, ...)
#   scripts/wine-env.sh env             print the environment as shell assignments
#
# Or source it to get the environment and the functions tonquil_prefix, tonquil_server_start,
# tonquil_server_stop, tonquil_xvfb_start, tonquil_xvfb_stop in the current shell:
#
#   source scripts/wine-env.sh && tonquil_prefix && tonquil_server_start && tonquil_xvfb_start
#   wine build/native/windows/app/Tonquil.exe
#
# The prefix is build/wineprefix under the repository (TONQUIL_WINEPREFIX overrides it); its
# run-time state (stamp, lock, Xvfb process ids) sits beside it in <prefix>.state. Wine runs
# 64-bit only, without debug output, without the mono and gecko installers, and under the
# Japanese locale ja_JP.UTF-8 so that the ANSI code page is 932.

tonquil_repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

export TONQUIL_WINEPREFIX="${TONQUIL_WINEPREFIX:-$tonquil_repo_root/build/wineprefix}"
export WINEPREFIX="$TONQUIL_WINEPREFIX"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
tonquil_state_dir="${TONQUIL_WINEPREFIX%/}.state"

# Every Wine start goes without address randomisation: with it, about one start in a few
# hundred fails before the program runs ("failed to map the shared user data"), silently
# under WINEDEBUG=-all, with exit code 1. Exported for the scripts these ones start.
wine() { setarch -R wine "$@"; }
export -f wine

tonquil_fail() {
  echo "wine-env: $*" >&2
  return 1
}

# Wine takes its ANSI code page from the Unix locale; without ja_JP.UTF-8 it would
# silently fall back to another code page and every 8-bit text test would lie.
tonquil_check_locale() {
  if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
    tonquil_fail "the locale ja_JP.UTF-8 is not generated; run scripts/deps.sh" \
      "(or: localedef -i ja_JP -f UTF-8 ja_JP.UTF-8)"
    return 1
  fi
}

tonquil_check_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || { tonquil_fail "$tool is not installed; run scripts/deps.sh"; return 1; }
  done
}

# shellcheck source=wine-prefix.sh
source "$tonquil_repo_root/scripts/wine-prefix.sh"

# The server of a prefix works in a folder named server-DEV-INODE (of the prefix, in hex)
# under a temporary folder of Wine's choosing: its process is the user's wineserver with
# that folder as its working directory.
tonquil_server_pid() {
  local dev ino suffix pid
  dev="$(stat -c %d "$TONQUIL_WINEPREFIX" 2>/dev/null)" || return 1
  ino="$(stat -c %i "$TONQUIL_WINEPREFIX")" || return 1
  suffix="$(printf '/server-%x-%x' "$dev" "$ino")"
  for pid in $(pgrep -u "$(id -u)" '^wineserver' 2>/dev/null); do
    [[ "$(readlink "/proc/$pid/cwd" 2>/dev/null)" == *"$suffix" ]] && { echo "$pid"; return 0; }
  done
  return 1
}

tonquil_server_running() {
  tonquil_server_pid >/dev/null
}

# Started with -p: it stays when the last Wine process has gone.
tonquil_server_persistent() {
  local pid
  pid="$(tonquil_server_pid)" || return 1
  tr '\0' '\n' <"/proc/$pid/cmdline" 2>/dev/null | grep -qx -- '-p'
}

tonquil_server_start() {
  tonquil_check_tools wineserver || return 1
  [[ -d "$TONQUIL_WINEPREFIX/drive_c" ]] || { tonquil_fail "no prefix at $TONQUIL_WINEPREFIX; run prefix first"; return 1; }
  tonquil_server_persistent && return 0
  # A server that the last wine started ends by itself in a few seconds; a second one
  # cannot start beside it.
  tonquil_server_running && wineserver -w
  # Started on its own, the server would inherit the stdout of the first wine process and
  # could flood a test's output; persistent, it makes each later wine start cheap.
  wineserver -p >/dev/null 2>&1 </dev/null || { tonquil_fail "wineserver -p failed"; return 1; }
  local i
  for i in $(seq 1 50); do
    tonquil_server_persistent && return 0
    sleep 0.1
  done
  tonquil_fail "wineserver did not come up"
}

tonquil_server_stop() {
  [[ -d "$TONQUIL_WINEPREFIX" ]] || return 0
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
  return 0
}

tonquil_display_free() {
  local n="$1"
  [[ ! -e "/tmp/.X11-unix/X$n" && ! -e "/tmp/.X$n-lock" ]]
}

tonquil_display_answers() {
  xdpyinfo -display "$1" >/dev/null 2>&1
}

tonquil_xvfb_pidfile() {
  echo "$tonquil_state_dir/xvfb${1#:}.pid"
}

# Starts Xvfb on the given display, or on the first free one from :90; exports DISPLAY and
# prints DISPLAY=:N. A display that already answers is reused when this script started it.
tonquil_xvfb_start() {
  tonquil_check_tools Xvfb xdpyinfo || return 1
  mkdir -p "$tonquil_state_dir"
  local display="$1" n
  if [[ -z "$display" ]]; then
    for n in $(seq 90 599); do
      tonquil_display_free "$n" && { display=":$n"; break; }
    done
    [[ -n "$display" ]] || { tonquil_fail "no free X display between :90 and :599"; return 1; }
  fi
  [[ "$display" =~ ^:[0-9]+$ ]] || { tonquil_fail "display must look like :N, not '$display'"; return 1; }
  local pidfile pid
  pidfile="$(tonquil_xvfb_pidfile "$display")"
  if tonquil_display_answers "$display"; then
    pid="$(cat "$pidfile" 2>/dev/null)"
    if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then
      export DISPLAY="$display"
      echo "DISPLAY=$display"
      return 0
    fi
    tonquil_fail "display $display is served by an X server this script did not start"
    return 1
  fi
  setsid Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
  pid=$!
  echo "$pid" >"$pidfile"
  local i
  for i in $(seq 1 100); do
    if tonquil_display_answers "$display"; then
      export DISPLAY="$display"
      echo "DISPLAY=$display"
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null
  rm -f "$pidfile"
  tonquil_fail "Xvfb did not start on $display"
}

tonquil_xvfb_stop() {
  local display="${1:-$DISPLAY}"
  [[ -n "$display" ]] || { tonquil_fail "xvfb-stop: which display?"; return 1; }
  local pidfile pid i
  pidfile="$(tonquil_xvfb_pidfile "$display")"
  pid="$(cat "$pidfile" 2>/dev/null)"
  rm -f "$pidfile"
  [[ -n "$pid" ]] || return 0
  kill "$pid" 2>/dev/null || return 0
  for i in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -9 "$pid" 2>/dev/null
  return 0
}

# Starts the module emulator in the background: tonquil_emulator_start LOG ARGS... runs
# zorva-emu ARGS with its output in LOG, waits until it reports its link ready, and
# leaves its process id in tonquil_emulator_pid.
tonquil_emulator_start() {
  local log="$1"
  shift
  "$tonquil_repo_root/build/native/tools/emulator/zorva-emu" "$@" >"$log" 2>&1 &
  tonquil_emulator_pid=$!
  local _
  for _ in $(seq 100); do
    grep -q '^ready ' "$log" && return 0
    sleep 0.1
  done
  tonquil_fail "the emulator did not start (see $log)"
}

tonquil_env() {
  local name
  for name in WINEPREFIX WINEARCH WINEDEBUG WINEDLLOVERRIDES LANG LC_ALL; do
    printf '%s=%q\n' "$name" "${!name}"
  done
}

tonquil_wine_env_main() {
  local command="$1"
  shift || { sed -n '2,/^$/p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'; return 1; }
  case "$command" in
    prefix) tonquil_prefix ;;
    server-start) tonquil_server_start ;;
    server-stop) tonquil_server_stop ;;
    xvfb-start) tonquil_xvfb_start "$@" ;;
    xvfb-stop) tonquil_xvfb_stop "$@" ;;
    env) tonquil_env ;;
    run) tonquil_check_locale && "$@" ;;
    *) tonquil_fail "unknown command '$command' (prefix, server-start, server-stop, xvfb-start, xvfb-stop, env, run)" ;;
  esac
}

if [[ "${BASH_SOURCE[0]}" == "$0" ]]; then
  tonquil_wine_env_main "$@"
fi
