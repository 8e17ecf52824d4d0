#!/usr/bin/env bash
# Installs the build given as $1 into a temporary prefix and checks it from there.
set -uo pipefail

build=${1:?usage: check_install.sh BUILD_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "cmake --install"; exit 1; }

programs=(korvoxa KorvoPrl KorvoLogos KorvoMd)
expected=(lib/korvoxa/libTuneSweep.so share/korvoxa/OnLineHelp/index.htm share/systemd/user/korvoxa.service)
for p in "${programs[@]}"; do
  expected+=("share/applications/$p.desktop" "share/icons/hicolor/scalable/apps/$p.svg")
  for s in 16 32 48 64 128 256; do expected+=("share/icons/hicolor/${s}x${s}/apps/$p.png"); done
done
for f in "${expected[@]}"; do [[ -s "$prefix/$f" ]] || fail "missing $f"; done

# Each program in bin/ leads to its folder, which holds its siblings and the scanner library,
# and every library a program or the scanner library needs is found.
for p in "${programs[@]}" remotesim; do
  [[ -x "$prefix/bin/$p" ]] || { fail "bin/$p is not an executable"; continue; }
  folder=$(dirname "$(readlink -f "$prefix/bin/$p")")
  [[ "$folder" == "$(readlink -f "$prefix/lib/korvoxa")" ]] || fail "bin/$p leads to $folder"
  if ldd "$prefix/bin/$p" | grep -q "not found"; then fail "ldd bin/$p: $(ldd "$prefix/bin/$p" | grep 'not found')"; fi
done
for p in "${programs[@]}"; do
  [[ -x "$prefix/lib/korvoxa/$p" ]] || fail "lib/korvoxa/$p missing beside libTuneSweep.so"
done
if ldd "$prefix/lib/korvoxa/libTuneSweep.so" | grep -q "not found"; then fail "ldd libTuneSweep.so"; fi

# The entries and the unit start the programs of this prefix.
for p in "${programs[@]}"; do
  entry=$prefix/share/applications/$p.desktop
  [[ -f "$entry" ]] || continue
  exec_line=$(grep '^Exec=' "$entry" | head -1)
  [[ "$exec_line" == "Exec=$prefix/bin/$p" ]] || fail "$p.desktop: $exec_line"
  grep -qx "Icon=$p" "$entry" || fail "$p.desktop has no Icon=$p"
  if command -v desktop-file-validate >/dev/null; then
    out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate $p.desktop: $out"
  fi
done
command -v desktop-file-validate >/dev/null || echo "SKIP: desktop-file-validate is not installed"
unit=$prefix/share/systemd/user/korvoxa.service
grep -qx "ExecStart=$prefix/bin/korvoxa" "$unit" || fail "korvoxa.service: $(grep ExecStart "$unit")"
grep -qx "Restart=on-failure" "$unit" || fail "korvoxa.service does not restart after a crash"
if command -v systemd-analyze >/dev/null; then
  mkdir -p "$work/runtime" && chmod 700 "$work/runtime"
  out=$(XDG_RUNTIME_DIR="$work/runtime" systemd-analyze verify --user "$unit" 2>&1)
  rc=$?
  # Where no user manager can be set up (some containers), check the unit as a system one.
  if grep -q "Failed to initialize manager" <<<"$out"; then
    out=$(systemd-analyze verify "$unit" 2>&1)
    rc=$?
  fi
  # A warning is as bad as an error: systemd ignores the line it warns about.
  if ((rc != 0)) || [[ -n "$out" ]]; then
    echo "$out"
    fail "systemd-analyze verify korvoxa.service"
  fi
else
  echo "SKIP: systemd-analyze is not installed"
fi

# The installed main program starts headless in a station folder of its own and keeps
# running until it is told to stop.
station=$work/station
mkdir -p "$station" "$work/runtime" "$work/config" "$work/data"
chmod 700 "$work/runtime"
(
  cd "$station" || exit 1
  exec env XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    KORVO_DRIVE_C="$work/drive_c" QT_QPA_PLATFORM=offscreen KORVO_AUDIO=null "$prefix/bin/korvoxa"
) >"$work/korvoxa.log" 2>&1 &
pid=$!
alive=0
for _ in $(seq 1 50); do
  sleep 0.2
  kill -0 "$pid" 2>/dev/null || break
  alive=$((alive + 1))
done
if ((alive < 50)); then
  wait "$pid"
  fail "the installed korvoxa stopped by itself (status $?): $(tail -5 "$work/korvoxa.log")"
else
  kill -TERM "$pid"
  wait "$pid" 2>/dev/null
fi

((failures == 0)) && echo "install into $prefix: all checks passed"
exit $((failures > 0))
