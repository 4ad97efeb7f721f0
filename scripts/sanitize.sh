#!/usr/bin/env bash
# Builds and runs the tests under the sanitizers, each in its own tree:
#   asan  AddressSanitizer + UndefinedBehaviorSanitizer over the whole suite
#         and a fixed-seed run of the host-inputs fuzzer (build-asan/, clang,
#         whose libFuzzer the fuzzer needs), leak checking on;
#   tsan  ThreadSanitizer over the context, frame and stress tests
#         (build-tsan/).
# Any report fails the run. Only Mesa's own frames are suppressed, for
# ThreadSanitizer (tests/sanitizers/tsan.supp). With no argument, runs both.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${HLV3_JOBS:-$(nproc)}
stages=("$@")
((${#stages[@]})) || stages=(asan tsan)

# Configures DIR with FLAGS and the extra CMake arguments up to "--", then
# builds the targets after it only.
build_tree() {
  local dir=$1 flags=$2
  shift 2
  local args=()
  while [[ $1 != -- ]]; do args+=("$1"); shift; done
  shift
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${args[@]}" \
    -DHLV3_MODULE_NO_UNDEFINED=OFF \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g -fno-omit-frame-pointer $flags" \
    -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g -fno-omit-frame-pointer $flags" \
    -DCMAKE_EXE_LINKER_FLAGS="$flags" -DCMAKE_MODULE_LINKER_FLAGS="$flags" \
    -DCMAKE_SHARED_LINKER_FLAGS="$flags" >/dev/null
  cmake --build "$dir" -j "$jobs" --target "$@"
}

for stage in "${stages[@]}"; do
  case $stage in
    asan)
      dir=${HLV3_ASAN_BUILD_DIR:-$root/build-asan}
      # Everything but the format check and the Windows module's tests,
      # which sanitizers add nothing to.
      tests=(context frame gl host render sdk shaders simhost skeleton stress tool ui mac)
      build_tree "$dir" "-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined" \
        -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DHLV3_FUZZ=ON -- \
        "${tests[@]/#/test_}" hlv3_fuzz_host
      tests+=(fuzz)
      export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1
      export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
      (cd "$dir" && ctest --output-on-failure -j "$jobs" -R "^($(IFS='|'; echo "${tests[*]}"))\$")
      ;;
    tsan)
      dir=${HLV3_TSAN_BUILD_DIR:-$root/build-tsan}
      tests=(context frame stress)
      build_tree "$dir" "-fsanitize=thread" -- "${tests[@]/#/test_}"
      export TSAN_OPTIONS=suppressions=$root/tests/sanitizers/tsan.supp:halt_on_error=1:second_deadlock_stack=1
      (cd "$dir" && ctest --output-on-failure -j "$jobs" -R "^($(IFS='|'; echo "${tests[*]}"))\$")
      ;;
    *)
      echo "sanitize.sh: unknown stage '$stage' (asan, tsan)" >&2
      exit 2
      ;;
  esac
done
