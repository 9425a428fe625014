#!/usr/bin/env bash
# Installs what is missing, builds Tervane and runs every test: the test suite,
# the same suite under AddressSanitizer and UndefinedBehaviorSanitizer, and a
# bounded fuzzing run of the project-file loader.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

export QT_QPA_PLATFORM=offscreen
FUZZ_SECONDS="${TERVANE_FUZZ_SECONDS:-60}"
# The logo bitmap loader takes a quarter of the fuzzing minute (its format is
# small and its seeds cover it quickly); the project-file loader the rest.
# (libFuzzer takes a time of 0 as no limit: each run gets at least 1 s.)
LOGO_FUZZ_SECONDS="${TERVANE_LOGO_FUZZ_SECONDS:-$(( FUZZ_SECONDS / 4 ))}"
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

echo "== Fuzzing the project-file loader for ${FUZZ_SECONDS} s"
FUZZ_DIR="$TERVANE_ROOT/build-fuzz"
tervane_build "$FUZZ_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DTERVANE_FUZZ=ON -DTERVANE_WITH_QT=OFF -DTERVANE_TESTS=OFF -DTERVANE_BENCH=OFF
rm -rf "$FUZZ_DIR/corpus" "$FUZZ_DIR/findings"
mkdir -p "$FUZZ_DIR/corpus" "$FUZZ_DIR/findings"
"$FUZZ_DIR/fuzz/make_fuzz_seeds" "$FUZZ_DIR/corpus"
ASAN_OPTIONS="detect_leaks=1" "$FUZZ_DIR/fuzz/project_file_fuzz" \
  -max_total_time="$FUZZ_SECONDS" -timeout=10 -rss_limit_mb=2048 -max_len=300000 \
  -artifact_prefix="$FUZZ_DIR/findings/" -print_final_stats=1 "$FUZZ_DIR/corpus"
echo "Fuzzing: no finding in ${FUZZ_SECONDS} s"

echo "== Fuzzing the logo bitmap loader for ${LOGO_FUZZ_SECONDS} s"
LOGO_CORPUS="$FUZZ_DIR/logo-corpus"
rm -rf "$LOGO_CORPUS" "$FUZZ_DIR/logo-findings"
mkdir -p "$LOGO_CORPUS" "$FUZZ_DIR/logo-findings"
"$FUZZ_DIR/fuzz/make_logo_fuzz_seeds" "$LOGO_CORPUS"
ASAN_OPTIONS="detect_leaks=1" "$FUZZ_DIR/fuzz/logo_bitmap_fuzz" \
  -max_total_time="$LOGO_FUZZ_SECONDS" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
  -artifact_prefix="$FUZZ_DIR/logo-findings/" -print_final_stats=1 "$LOGO_CORPUS"
echo "Logo fuzzing: no finding in ${LOGO_FUZZ_SECONDS} s"
