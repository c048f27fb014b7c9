#!/usr/bin/env bash
# Builds the Debian package build-deb/dextrel_<version>-1_<arch>.deb with CPack and checks it
# with lintian. The package is built with Debian's hardening flags in its own folder, apart
# from ./build, and holds only what is installed: the program, its tools and the desktop files.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh

out=build-deb
launcher=()
if command -v ccache >/dev/null 2>&1; then
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(cd .. && pwd)}" CCACHE_NOHASHDIR=1
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS

cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=None -DDEXTREL_DEBIAN_PACKAGE=ON \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON "${launcher[@]}" >/dev/null
cmake --build "$out" -j"$(nproc)" \
    --target dextrel dextrel-logger dextrel-export manual_pages debian_changelog
rm -f "$out"/dextrel_*.deb
(cd "$out" && cpack -G DEB)

deb=$(ls "$out"/dextrel_*.deb)
echo
echo "lintian $deb:"
# Errors fail the build; warnings and notes are shown.
lintian --fail-on error "$deb"
echo
echo "Built $deb"
