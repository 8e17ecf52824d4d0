# Sourced by scripts/crash-test and scripts/soak: starts, kills and watches a station
# run headless on the null output. Set before use:
#   korvoxa  the program          station  the station folder (the play log is there)
#   driveC   its drive C folder   config   its XDG_CONFIG_HOME
#   runtime  an XDG_RUNTIME_DIR of its own (one instance each)
#   errlog   where its output is appended
# Optional: station_env, more NAME=VALUE words for its environment; station_asan, its
# ASAN_OPTIONS (leak reports off by default: a killed station never gets to them).
# station_start leaves the process id in pid; the caller's EXIT trap should call station_kill.

pid=
station_env=()

station_start() {
  (cd "$station" && exec env QT_QPA_PLATFORM=offscreen KORVO_AUDIO=null XDG_RUNTIME_DIR="$runtime" \
    XDG_CONFIG_HOME="$config" KORVO_DRIVE_C="$driveC" ASAN_OPTIONS="${station_asan:-detect_leaks=0}" \
    "${station_env[@]}" "$korvoxa" >>"$errlog" 2>&1) &
  pid=$!
}

station_kill() {
  [[ -n "$pid" ]] || return 0
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=
}

# Lines in the play log so far.
log_lines() { [[ -f "$station/korvolog.dat" ]] && wc -l <"$station/korvolog.dat" || echo 0; }

# Waits until a clip goes on air after play-log line $1; prints the seconds since $2
# (a date +%s.%N), or fails after $3 seconds (default 30) or when the station died.
wait_on_air() {
  local from=$1 t0=$2 limit=${3:-30} now
  while :; do
    now=$(date +%s.%N)
    if tail -n +"$((from + 1))" "$station/korvolog.dat" 2>/dev/null | grep -q '"CLP"'; then
      awk -v a="$now" -v b="$t0" 'BEGIN { printf "%.3f\n", a - b }'
      return 0
    fi
    awk -v a="$now" -v b="$t0" -v l="$limit" 'BEGIN { exit !(a - b > l) }' && return 1
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.05
  done
}

# The start after play-log line $1 read the songs, the adverts and the programs back from
# the snapshot files ensure play leaves; prints what is missing and fails otherwise.
check_restored() {
  local section
  section=$(tail -n +"$(($1 + 1))" "$station/korvolog.dat")
  grep -q '"PRL Play List Loaded","[^"]*KORVOPRL.tmp"' <<<"$section" || { echo "songs list not restored"; return 1; }
  grep -q '"Ensure Play Enabled"' <<<"$section" || { echo "ensure play not switched on"; return 1; }
  grep -q '"Adverts Enabled"' <<<"$section" || { echo "adverts not restored"; return 1; }
  grep -q '"Programs Loaded"' <<<"$section" || { echo "programs not restored"; return 1; }
}

# "back on air: N starts, median M s, worst W s" over the times given.
summarise_times() {
  local sorted n
  (($# > 0)) || return 0
  sorted=$(printf '%s\n' "$@" | sort -g)
  n=$#
  printf 'back on air: %d starts, median %.2f s, worst %.2f s' "$n" \
    "$(sed -n "$(((n + 1) / 2))p" <<<"$sorted")" "$(tail -1 <<<"$sorted")"
}
