#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each for a while over its corpus.
#
#   fuzz/run.sh SECONDS_PER_TARGET [target ...]
#
# New inputs go to a scratch folder, so fuzz/corpus/ only changes when
# someone merges them in on purpose (-merge=1). With GLAVO_FUZZ_KEEP=DIR
# they are kept in DIR/<target> instead, ready for that merge. A crash or a broken
# invariant stops with the reproducer saved as crash-* in the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-12}
shift || true
build=$(realpath -m "${GLAVO_FUZZ_BUILD:-build/fuzz}")
flags="-g -O1 -fno-omit-frame-pointer -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  targets=(skin_theme cell_theme caption property_bag skin_session stream)
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DGLAVO_BUILD_FUZZ=ON -DGLAVO_BUILD_TESTS=OFF \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" -j2 --target $(printf 'glavo_%s_fuzz ' "${targets[@]}") >/dev/null

status=0
for t in "${targets[@]}"; do
  if [[ -n ${GLAVO_FUZZ_KEEP:-} ]]; then
    scratch="$GLAVO_FUZZ_KEEP/$t"
    mkdir -p "$scratch"
  else
    scratch=$(mktemp -d)
  fi
  log="$build/fuzz-$t.log"
  echo "== $t (${seconds}s)"
  # Paths are absolute: a target may change its working folder. Very large
  # metrics make slow but finite paints, hence the generous per-input timeout.
  if ! ASAN_OPTIONS=detect_leaks=1 timeout $((seconds + 600)) \
        "$build/fuzz/glavo_${t}_fuzz" -max_total_time="$seconds" -rss_limit_mb=4096 -timeout=300 \
        -artifact_prefix="$build/" -print_final_stats=1 "$scratch" "$PWD/fuzz/corpus/$t" >"$log" 2>&1; then
    status=1
    grep -E "ERROR|invariant|SUMMARY|Test unit written|==[0-9]+==" "$log" | head -20
  fi
  grep -E "^stat::(number_of_executed_units|new_units_added|peak_rss_mb)" "$log" || true
  [[ -n ${GLAVO_FUZZ_KEEP:-} ]] || rm -rf "$scratch"
done
exit $status
