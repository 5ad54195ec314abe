#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given number of
# runs (default 20000) on its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20000}
build=${FUZZ_BUILD_DIR:-build-fuzz}

for paket in clang libclang-rt-14-dev; do
    if ! dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q "ok installed"; then
        sudo=""
        [[ $(id -u) -ne 0 ]] && sudo=sudo
        $sudo apt-get update
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends clang libclang-rt-14-dev
        break
    fi
done

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DZIEHBUCH_FUZZ=ON -DZIEHBUCH_TESTS=OFF \
    -DZIEHBUCH_BENCH=OFF -DZIEHBUCH_WERROR=ON
for ziel in fuzz/fuzz_*.cpp; do
    name=$(basename "$ziel" .cpp)
    cmake --build "$build" --target "$name"
    korpus=fuzz/corpus/${name#fuzz_}
    arbeit=$(mktemp -d)
    "$build/fuzz/$name" -runs="$runs" -max_len=8192 "$arbeit" "$korpus"
    rm -rf "$arbeit"
done
