#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: the release build, the
# AddressSanitizer build, and a ThreadSanitizer build of the tests labelled "threads" (game,
# search, player, window), the window tests under a private Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

bash scripts/build.sh build
bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DTARVENN_SANITIZE=address
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-tsan "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVENN_SANITIZE=thread >/dev/null
cmake --build build-tsan -j"$(nproc)" --target game_tests search_tests player_tests ui_tests \
  tarvenn tarvenn-engine log_reference close_window window_probe layout_boxes

# The window tests need an X server; CI has none, so start our own.
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  display=:$((90 + RANDOM % 100))
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
  export DISPLAY=$display
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi

status=0
(cd build && ctest --output-on-failure -j2) || status=1
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j2 -LE slow) || status=1
# A data race anywhere ends the process with status 66, which fails its test.
(cd build-tsan && TSAN_OPTIONS="halt_on_error=1 exitcode=66" ctest --output-on-failure -j2 -L threads) || status=1
exit $status
