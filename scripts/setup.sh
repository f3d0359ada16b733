#!/usr/bin/env bash
# Installs the Debian packages a build needs (only those missing), then
# configures and builds.
#   scripts/setup.sh [--programs | --package] [BUILD_DIR] [extra cmake arguments...]
# Without a mode: everything, tests and benchmarks included (scripts/test.sh).
# --programs: only heliokres and heliokres-cli, no test or benchmark is
# configured or built (scripts/run-demo.sh).
# --package: a release build of the programs, their manual pages and data
# with Debian's build flags, and the tools that make and check the package
# (scripts/package.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

MODE=all
case "${1:-}" in
--programs | --package)
    MODE="${1#--}"
    shift
    ;;
esac

PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libjpeg62-turbo-dev libpng-dev zlib1g-dev
    fonts-dejavu-core
    qt6-translations-l10n
)
case "$MODE" in
all) PACKAGES+=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth) ;;
package) PACKAGES+=(dpkg-dev file lintian desktop-file-utils appstream) ;;
esac

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

BUILD_DIR="${1:-build}"
shift || true
ARGS=()
# A compiler cache, where the machine has one, makes a second build quick.
command -v ccache >/dev/null && ARGS+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
TARGETS=()
case "$MODE" in
programs)
    ARGS+=(-DCMAKE_BUILD_TYPE=Release -DHELIOKRES_TESTS=OFF -DHELIOKRES_BENCH=OFF)
    TARGETS=(--target heliokres heliokres-cli)
    ;;
package)
    # Debian's hardening flags (fortified functions, stack protector, full
    # RELRO, immediate binding); without -g, as the package ships no
    # debugging symbols.
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    ARGS+=(-DCMAKE_BUILD_TYPE=Release -DHELIOKRES_TESTS=OFF -DHELIOKRES_BENCH=OFF
        "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS | sed 's/\(^\| \)-g\( \|$\)/ /')"
        "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)")
    ;;
esac
cmake -S . -B "$BUILD_DIR" -G Ninja "${ARGS[@]}" "$@"
cmake --build "$BUILD_DIR" -j "$(nproc)" "${TARGETS[@]}"
