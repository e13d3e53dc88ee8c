#!/usr/bin/env bash
# Orvalune's two developer commands:
#   ./dev.sh run    installs what is missing, builds, starts the program on its data file
#   ./dev.sh test   installs what is missing, builds, runs the whole test suite
#                   (once as built, once under AddressSanitizer and UBSan)
set -euo pipefail
cd "$(dirname "$0")"
# ccache shares results between checkouts in other folders.
export CCACHE_BASEDIR="$PWD"

PACKAGES=(build-essential cmake ninja-build pkg-config ccache
          qt6-base-dev qt6-multimedia-dev qt6-translations-l10n libgl-dev libxcb1-dev
          libsqlcipher-dev sqlcipher zlib1g-dev libssl-dev libical-dev
          googletest libgmock-dev libbenchmark-dev
          fonts-liberation2 xvfb xauth clang libclang-rt-14-dev poppler-utils
          xdotool trayer dbus-daemon at-spi2-core gir1.2-atspi-2.0 python3-gi)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

build() { # build-dir [cmake options...]
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}

case "${1:-}" in
run)
    install_missing
    build build
    exec build/orvalune
    ;;
test)
    install_missing
    build build
    ctest --test-dir build --output-on-failure -j "$(nproc)"
    build build-asan -DORVALUNE_SANITIZE=ON -DORVALUNE_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
    ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
    # The fuzz targets of fuzz/, each for a bounded time, on a clang build of the logic.
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DORVALUNE_FUZZ=ON -DORVALUNE_TESTS=OFF -DORVALUNE_BENCH=OFF >/dev/null
    cmake --build build-fuzz --target fuzz_targets -j "$(nproc)"
    ctest --test-dir build-fuzz --output-on-failure
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
