# Sourced by the benchmark scripts that run Tonquil.exe under Wine: finding the Unix
# process of a Windows program, reading its private memory, waiting for its end, the
# settings file every run starts from, keeping Wine's desktop up between starts, and the
# median and range of a run's figures.

windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# The Unix process whose command line begins with the given Windows path.
unix_pid() {
  local file
  for file in $(grep -F -l -a -- "$1" /proc/[0-9]*/cmdline 2>/dev/null || true); do
    if [ "$(tr '\0' '\n' <"$file" 2>/dev/null | head -n 1)" = "$1" ]; then
      file="${file#/proc/}"
      echo "${file%/cmdline}"
      return 0
    fi
  done
  return 1
}

private_kib() {
  awk '/^Private_(Clean|Dirty):/ { kib += $2 } END { print kib + 0 }' "/proc/$1/smaps_rollup"
}

# Waits up to $2 seconds for the process to end; kills it and fails after that.
wait_gone() {
  local pid="$1" seconds="$2" _
  for _ in $(seq $((seconds * 20))); do
    [ -d "/proc/$pid" ] || return 0
    sleep 0.05
  done
  echo "bench: process $pid did not end after its window closed; killing it" >&2
  kill "$pid" 2>/dev/null || true
  return 1
}

# The settings file that selects COM3, where the emulator answers.
settings_file() {
  { printf '\xff\xfe'; printf '[Option]\r\nComPort=COM3\r\n' | iconv -f UTF-8 -t UTF-16LE; } >"$1"
}

# Wine's desktop process (explorer.exe) quits when the last program has ended, and the
# next start would wait for a new one. A driver ($1) waiting for a window that never
# comes keeps it running until the script ends, as a user's desktop always is.
keep_desktop() {
  wine "$1" wait TqBenchKeepsTheDesktop $((3600 * 1000)) >/dev/null 2>&1 &
  desktop_keeper_pid=$!
  trap 'status=$?; kill "$desktop_keeper_pid" 2>/dev/null || true; wait "$desktop_keeper_pid" 2>/dev/null || true; exit "$status"' EXIT
}

# "median min max" of the numbers in the files given, or else of those on standard input.
spread() {
  sort -n "$@" | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; print m, v[1], v[NR] }'
}
