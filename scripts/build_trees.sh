#!/usr/bin/env bash
# Sourced by the scripts: configure and build the two trees.
#   kivet_build_native            native tree (portable code and its unit tests, sanitizers on)
#   kivet_build_tsan              native tree with ThreadSanitizer, for the concurrency tests
#   kivet_build_fuzz              clang tree with the libFuzzer targets
#   kivet_build_windows [target]  MinGW-w64 tree (the deliverables and the Wine tests)

KIVET_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

kivet_build_native() {
    cmake -S "$KIVET_ROOT" -B "$KIVET_ROOT/build/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build "$KIVET_ROOT/build/native" -j "$(nproc)"
}

# The concurrency tests again, under ThreadSanitizer (it cannot share a build with ASan).
kivet_build_tsan() {
    cmake -S "$KIVET_ROOT" -B "$KIVET_ROOT/build/tsan" -DCMAKE_BUILD_TYPE=Debug -DKIVET_TSAN=ON >/dev/null
    cmake --build "$KIVET_ROOT/build/tsan" -j "$(nproc)"
}

# The libFuzzer targets of the readers of network input, built with clang.
kivet_build_fuzz() {
    CC=clang CXX=clang++ cmake -S "$KIVET_ROOT" -B "$KIVET_ROOT/build/fuzz" -DCMAKE_BUILD_TYPE=Debug \
        -DKIVET_FUZZ=ON >/dev/null
    cmake --build "$KIVET_ROOT/build/fuzz" -j "$(nproc)"
}

kivet_build_windows() {
    cmake -S "$KIVET_ROOT" -B "$KIVET_ROOT/build/win" -DCMAKE_TOOLCHAIN_FILE="$KIVET_ROOT/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$KIVET_ROOT/build/win" -j "$(nproc)" ${1:+--target "$1"}
}
