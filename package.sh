#!/usr/bin/env bash
# Installs what is missing, builds the program, and makes its Debian package
# build/package/morvadel_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")"
# dpkg-shlibdeps (dpkg-dev) works out the package's Depends from the binary.
./scripts/deps.sh
./scripts/deps.sh dpkg-dev file
cmake -S . -B build -G Ninja
cmake --build build -j "$(nproc)" --target morvadel morvadel_desktop_files
rm -f build/package/morvadel_*.deb
(cd build && cpack -G DEB)
ls build/package/morvadel_*.deb
