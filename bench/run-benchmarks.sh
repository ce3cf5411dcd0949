#!/usr/bin/env bash
# Runs every benchmark of bench/ against the build in BUILD_DIR and writes
# the results, and the table made from them, to BUILD_DIR/bench-results.
#
#   bench/run-benchmarks.sh BUILD_DIR
#
# The executables come from the chatmock_benchmarks target (make bench
# builds it first). Takes about three minutes on two cores.
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 BUILD_DIR" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
bin=$build/bench
out=$build/bench-results
rm -rf "$out"
mkdir -p "$out/fixtures"

# Repetitions in random order, medians: the machine is shared, and a
# neighbour's burst should land on both sides of a comparison alike.
decode_repetitions=10
posting_repetitions=5
startup_runs=20
startup_xcb_runs=12
memory_runs=5
rest_ms=1000
idle_seconds=10
process_timeout_ms=30000

export QT_QPA_PLATFORM=offscreen
failed=0
step() { echo "== $*" >&2; }

machine_facts() {
  {
    echo "nproc: $(nproc)"
    echo "cpu: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
    echo "memory: $(grep MemTotal /proc/meminfo | awk '{printf "%.1f GiB", $2 / 1048576}')"
    echo "kernel: $(uname -r)"
    echo "qt: $(pkg-config --modversion Qt6Core 2>/dev/null || echo unknown)"
    echo "commit: $(git -C "$here" rev-parse --short HEAD 2>/dev/null || echo unknown)"
    # Other people's work in progress is part of what was measured.
    echo "uncommitted program files: $(git -C "$here/.." status --short -- app pictures transcript captions 2>/dev/null | awk '{print $2}' | tr '\n' ' ')"
  } > "$out/machine.txt"
}

load_average() { cut -d' ' -f1-3 /proc/loadavg; }

run_decoding() {
  step "decoding (${decode_repetitions} repetitions)"
  "$bin/chatmock_bench_decode" --fixtures-out="$out/fixtures" \
      --benchmark_repetitions=$decode_repetitions --benchmark_enable_random_interleaving=true \
      --benchmark_min_time=0.1 --benchmark_report_aggregates_only=true \
      --benchmark_out="$out/decode.json" --benchmark_out_format=json > "$out/decode.txt" 2>&1 || failed=1
}

run_posting() {
  step "send click (${posting_repetitions} repetitions)"
  "$bin/chatmock_bench_posting" --benchmark_repetitions=$posting_repetitions \
      --benchmark_min_time=0.3 --benchmark_report_aggregates_only=true \
      --benchmark_out="$out/posting.json" --benchmark_out_format=json > "$out/posting.txt" 2>&1 || failed=1
}

# The three whole-process commands, with any extra argument. The bare
# window with libcurl linked in tells how much of the program's start-up is
# the loading of libcurl and the libraries it pulls in.
set_process_commands() {
  commands=(program "$bin/chatmock_bench_first_frame" "$@" ---
            bare "$bin/chatmock_bench_bare_window" "$@" ---
            bare_with_libcurl "$bin/chatmock_bench_bare_window_curl" "$@")
}

run_startup_offscreen() {
  step "start-up, offscreen (${startup_runs} runs each)"
  set_process_commands
  "$bin/chatmock_bench_processes" $startup_runs $process_timeout_ms "$out/startup-offscreen.json" \
      "${commands[@]}" || failed=1
}

# xcb needs an X server: a private Xvfb, ended by its process id.
run_startup_xcb() {
  if ! command -v Xvfb > /dev/null; then
    echo "no Xvfb: the xcb start-up row is left out" > "$out/startup-xcb.skipped"
    return
  fi
  step "start-up, xcb under Xvfb (${startup_xcb_runs} runs each)"
  local display_file=$out/xvfb.display
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$display_file" 2> "$out/xvfb.log" &
  local xvfb=$!
  local waited=0
  while [ ! -s "$display_file" ] && [ $waited -lt 50 ]; do
    sleep 0.1
    waited=$((waited + 1))
  done
  if [ -s "$display_file" ]; then
    set_process_commands
    DISPLAY=":$(head -n1 "$display_file")" QT_QPA_PLATFORM=xcb \
        "$bin/chatmock_bench_processes" $startup_xcb_runs $process_timeout_ms "$out/startup-xcb.json" \
        "${commands[@]}" || failed=1
  else
    echo "Xvfb did not start" > "$out/startup-xcb.skipped"
  fi
  kill "$xvfb" 2> /dev/null || true
  wait "$xvfb" 2> /dev/null || true
}

run_memory() {
  step "memory at rest (${memory_runs} runs each)"
  set_process_commands --rest-ms=$rest_ms
  "$bin/chatmock_bench_processes" $memory_runs $process_timeout_ms "$out/memory.json" \
      "${commands[@]}" || failed=1
}

# The three idle runs mostly sleep, so they share the machine's two cores.
run_idle() {
  step "idle, ${idle_seconds} s each"
  local pids=()
  for mode in rest rest-from-start animated; do
    "$bin/chatmock_bench_idle" $mode $idle_seconds "$out/idle-$mode.json" 2> "$out/idle-$mode.stderr" &
    pids+=($!)
  done
  for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
}

machine_facts
echo "load before: $(load_average)" >> "$out/machine.txt"
run_decoding
run_posting
run_startup_offscreen
run_startup_xcb
run_memory
run_idle
echo "load after: $(load_average)" >> "$out/machine.txt"

python3 "$here/report.py" "$out" > "$out/table.md"
cat "$out/table.md"
if [ $failed -ne 0 ]; then
  echo "some benchmark failed; see $out" >&2
  exit 1
fi
