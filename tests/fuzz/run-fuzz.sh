#!/usr/bin/env bash
# run-fuzz.sh SECONDS
#
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for
# SECONDS seconds, starting from a copy of its committed corpus. New inputs
# and crash files stay under build-fuzz/. Exits non-zero when a target
# crashes (or fails to run).
set -euo pipefail

usage() { echo "usage: $0 SECONDS" >&2; exit 2; }
[[ $# -eq 1 && $1 =~ ^[0-9]+$ && $1 -gt 0 ]] || usage
seconds=$1

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_dir=${CHATMOCK_SOURCE_DIR:-$(cd "$here/../.." && pwd)}
build=${CHATMOCK_FUZZ_BUILD:-$source_dir/build-fuzz}
read -r -a targets <<< "${CHATMOCK_FUZZ_TARGETS:-decode_picture gif_animation http_address code_page}"

CC=clang-14 CXX=clang++-14 cmake -S "$source_dir" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCHATMOCK_FUZZ=ON > "$build.configure.log" 2>&1 ||
  { cat "$build.configure.log" >&2; exit 1; }
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

status=0
for target in "${targets[@]}"; do
  corpus=$build/corpus-new/$target
  artifacts=$build/artifacts/$target
  log=$build/fuzz-$target.log
  mkdir -p "$corpus" "$artifacts"
  cp -n "$here/corpus/$target/"* "$corpus/" 2>/dev/null || true
  set +e
  # Big-but-allowed pictures take a few hundred MB; the caps stay above that.
  "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=30 \
    -rss_limit_mb=3072 -malloc_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$corpus" > "$log" 2>&1
  rc=$?
  set -e
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  if [[ $rc -eq 0 ]]; then
    result=ok
  else
    result="FAILED (exit $rc, see $log and $artifacts)"
    status=1
  fi
  echo "$target: ${runs:-0} executions, $result"
done
exit $status
