#!/usr/bin/env bash
# Installs, builds and runs every test: the normal build, then once more under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the fuzzers briefly from their seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/installa.sh test
j=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDIDIV_WERROR=ON >/dev/null
cmake --build build -j "$j"
(cd build && ctest --output-on-failure -j "$j")

cmake -S . -B build-asan -DDIDIV_SANITIZE=ON -DDIDIV_WERROR=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-asan -j "$j"
# Font and toolkit libraries keep caches for the life of the process: not our leaks.
(cd build-asan && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j "$j")

cmake -S . -B build-fuzz -DDIDIV_FUZZ=ON -DDIDIV_GUI=OFF -DDIDIV_WERROR=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang >/dev/null
cmake --build build-fuzz -j "$j" --target $(cd fuzz && ls *.cpp | sed 's/\.cpp$//')
for f in fuzz/*.cpp; do
  nome=$(basename "$f" .cpp)
  # From the seeds in the repository, copied: what the fuzzer finds stays in the build.
  corpus=build-fuzz/corpus/"$nome"
  rm -rf "$corpus" && mkdir -p "$corpus"
  semi=fuzz/semi/"${nome#fuzz_}"
  if [ -d "$semi" ]; then cp "$semi"/* "$corpus"/; fi
  # The MIDI reader starts from the two tunes the generator wrote for the game.
  if [ "$nome" = fuzz_midi ]; then cp build/*.mid "$corpus"/; fi
  echo "fuzzing $nome"
  build-fuzz/"$nome" -max_total_time=20 -rss_limit_mb=2048 "$corpus" >/dev/null 2>build-fuzz/"$nome".log \
    || { tail -40 build-fuzz/"$nome".log; exit 1; }
done
echo "fuzzers: no crash"
