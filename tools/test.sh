#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the whole suite, then the
# core tests again built with the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup-debian.sh

jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DIXENVAR_TESTS=ON
cmake --build build

# Printing is tested on real CUPS queues that write each job as a PDF file into a folder of
# this run; the queues go again at the end, however the run ends.
print_dir=$(mktemp -d "${TMPDIR:-/tmp}/ixv-print-XXXXXX")
remove_print_queue() {
  bash tools/cups-test-queue.sh remove || true
  rm -rf "$print_dir"
}
trap remove_print_queue EXIT
bash tools/cups-test-queue.sh add "$print_dir"
export IXV_TEST_PRINT_QUEUE=IxenvarTestPDF
export IXV_TEST_PRINT_MARGIN_QUEUE=IxenvarTestPDFMargins
export IXV_TEST_PRINT_DIR="$print_dir"

(cd build && xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --output-on-failure --no-tests=error -j "$jobs")

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DIXENVAR_TESTS=ON \
  -DIXENVAR_CORE_ONLY=ON -DIXENVAR_SANITIZE=ON
cmake --build build-sanitize
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure --no-tests=error -j "$jobs")
