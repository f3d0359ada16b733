#!/usr/bin/env bash
# Makes the Debian package heliokres_<version>_amd64.deb from a release build
# of the two programs (no tests, no benchmarks) and checks it:
# - lintian: an error fails the run, warnings are printed;
# - the package is unpacked with dpkg -x into a temporary root, where its
#   desktop entry (desktop-file-validate) and metadata (appstreamcli validate
#   --no-net) are checked and its heliokres-cli runs --version, demo and check.
#   scripts/package.sh [BUILD_DIR]      (default build-package)
# The last line printed is the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build-package}"

scripts/setup.sh --package "$BUILD"
rm -f "$BUILD"/heliokres_*.deb
(cd "$BUILD" && cpack -G DEB >/dev/null)
DEB="$(ls "$BUILD"/heliokres_*_amd64.deb)"

echo "== lintian $DEB"
lintian --fail-on error "$DEB"

ROOT="$(mktemp -d)"
trap 'rm -rf "$ROOT"' EXIT
dpkg -x "$DEB" "$ROOT"
echo "== desktop entry and metadata"
desktop-file-validate "$ROOT"/usr/share/applications/cz.heliokres.Heliokres.desktop
appstreamcli validate --no-net "$ROOT"/usr/share/metainfo/cz.heliokres.Heliokres.metainfo.xml

echo "== the unpacked heliokres-cli"
CLI="$ROOT/usr/bin/heliokres-cli"
version="$("$CLI" --version)"
echo "$version"
[ "$version" = "heliokres-cli $(dpkg-deb -f "$DEB" Version)" ] || {
    echo "the package's version is $(dpkg-deb -f "$DEB" Version)"
    exit 1
}
"$CLI" demo "$ROOT/demo" --years 2 --per-year 40 --seed 7
"$CLI" check "$ROOT/demo"

echo "$(realpath "$DEB")"
