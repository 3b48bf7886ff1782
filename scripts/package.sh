#!/usr/bin/env bash
# Builds the Debian package build-package/tarvenn_VERSION_amd64.deb with CMake's own
# packager (run as root on Debian 12), with Debian's hardening flags and its dependencies
# read from the programs, and runs lintian on it; lintian's errors fail the script.
set -euo pipefail
cd "$(dirname "$0")/.."
# cpack's dependency scan needs dpkg-shlibdeps (dpkg-dev) and file; lintian checks the result.
bash scripts/install-deps.sh dpkg-dev file lintian

dir=build-package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
export CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
export LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
# Only what the package holds is built: the tests stay out (they run in scripts/test.sh).
# The programs go to /usr/games, as Debian's policy for games asks.
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
  -DCMAKE_INSTALL_BINDIR=games >/dev/null
cmake --build "$dir" -j2 --target tarvenn tarvenn-engine compressed_documents
rm -f "$dir"/tarvenn_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
package=$(ls "$dir"/tarvenn_*.deb)
echo "$package"
dpkg-deb --field "$package" Package Version Architecture Depends
lintian --info "$package"
