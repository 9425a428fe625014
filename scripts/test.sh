#!/usr/bin/env bash
# Installs what is missing, builds Tervane and runs every test: the test suite,
# the same suite under AddressSanitizer and UndefinedBehaviorSanitizer, and
# bounded fuzzing runs of the project-file loader and the logo bitmap loader.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

export QT_QPA_PLATFORM=offscreen
FUZZ_SECONDS="${TERVANE_FUZZ_SECONDS:-60}"
# The logo bitmap loader takes a sixth of the fuzzing minute (its format is
# small: millions of inputs in that time); the project-file loader the rest.
# (libFuzzer takes a time of 0 as no limit: each run gets at least 1 s.)
LOGO_FUZZ_SECONDS="${TERVANE_LOGO_FUZZ_SECONDS:-$(( FUZZ_SECONDS / 6 ))}"
LOGO_FUZZ_SECONDS=$(( LOGO_FUZZ_SECONDS > 0 ? LOGO_FUZZ_SECONDS : 1 ))
FUZZ_SECONDS=$(( FUZZ_SECONDS > LOGO_FUZZ_SECONDS ? FUZZ_SECONDS - LOGO_FUZZ_SECONDS : 1 ))

echo "== Build and test"
tervane_build "$TERVANE_ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTERVANE_WITH_QT=ON
ctest --test-dir "$TERVANE_ROOT/build" --output-on-failure -j "$TERVANE_JOBS" --timeout 600

echo "== Sanitizer build and test"
tervane_build "$TERVANE_ROOT/build-asan" -DCMAKE_BUILD_TYPE=Debug -DTERVANE_WITH_QT=ON \
  -DTERVANE_SANITIZE=ON -DTERVANE_BENCH=OFF
LSAN_SUPP="$TERVANE_ROOT/tests/lsan.supp"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$LSAN_SUPP:print_suppressions=0"
ctest --test-dir "$TERVANE_ROOT/build-asan" --output-on-failure -j "$TERVANE_JOBS" --timeout 1200
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

# tervane_fuzz TARGET SEED_MAKER [libFuzzer options...]: fuzzes TARGET for
# FUZZ_SECONDS on FUZZ_WORKERS parallel workers that share one corpus, seeded by
# SEED_MAKER; prints how many inputs ran and fails on any finding.
tervane_fuzz() {
  local target="$1" seeds="$2"
  shift 2
  local dir="$FUZZ_DIR/runs/$target"
  rm -rf "$dir"
  mkdir -p "$dir/corpus" "$dir/findings" "$dir/logs"
  "$FUZZ_DIR/fuzz/$seeds" "$dir/corpus"
  echo "== Fuzzing $target for ${FUZZ_SECONDS} s on $FUZZ_WORKERS workers"
  local status=0
  # Each worker writes its log to fuzz-N.log in the current folder.
  (cd "$dir/logs" && ASAN_OPTIONS="detect_leaks=1" "$FUZZ_DIR/fuzz/$target" \
    -jobs="$FUZZ_WORKERS" -workers="$FUZZ_WORKERS" -max_total_time="$FUZZ_SECONDS" \
    -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$dir/findings/" -print_final_stats=1 \
    "$@" "$dir/corpus" >"$dir/logs/jobs.log" 2>&1) || status=$?
  local runs
  runs="$(awk '/^stat::number_of_executed_units:/ { n += $2 } END { print n + 0 }' \
    "$dir"/logs/fuzz-*.log 2>/dev/null || true)"
  echo "Fuzzing $target: ${runs:-0} inputs in ${FUZZ_SECONDS} s"
  if [ "$status" -ne 0 ] || [ -n "$(ls -A "$dir/findings")" ]; then
    # The report of the first worker that found something.
    local log
    log="$(grep -l -e '^SUMMARY:' -e '^==[0-9]*==' "$dir"/logs/fuzz-*.log 2>/dev/null | head -n 1 || true)"
    if [ -n "$log" ]; then
      echo "-- $log"
      tail -n 80 "$log"
    fi
    echo "Fuzzing $target: FINDING (status $status), inputs in $dir/findings:"
    ls -l "$dir/findings"
    return 1
  fi
  echo "Fuzzing $target: no finding"
}

echo "== Fuzz build"
FUZZ_DIR="$TERVANE_ROOT/build-fuzz"
FUZZ_WORKERS="${TERVANE_FUZZ_WORKERS:-$(nproc)}"
tervane_build "$FUZZ_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DTERVANE_FUZZ=ON -DTERVANE_WITH_QT=OFF -DTERVANE_TESTS=OFF -DTERVANE_BENCH=OFF
tervane_fuzz project_file_fuzz make_fuzz_seeds -max_len=300000
# The logo loader's run: its own corpus (runs/logo_bitmap_fuzz), its own share
# of the minute.
FUZZ_SECONDS="$LOGO_FUZZ_SECONDS" tervane_fuzz logo_bitmap_fuzz make_logo_fuzz_seeds -max_len=65536
