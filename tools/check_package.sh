#!/usr/bin/env bash
# Checks the Debian package that `make package` left in the build folder:
# Debian's lintian passes it (an error or a warning fails), and packing the
# same build again gives the same bytes.
set -euo pipefail
build=${1:-build}
# As make package dates the files.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(dpkg-parsechangelog -l cmake/debian/changelog -STimestamp)}
tools/setup.sh package
shopt -s nullglob
debs=("$build"/drifter_*.deb)
if [[ ${#debs[@]} -ne 1 ]]; then
  echo "check_package: expected one drifter_*.deb in $build, found ${#debs[@]}" >&2
  exit 1
fi
deb=${debs[0]}
lintian --fail-on error,warning "$deb"
before=$(sha256sum < "$deb")
(cd "$build" && cpack > /dev/null)
after=$(sha256sum < "$deb")
if [[ "$before" != "$after" ]]; then
  echo "check_package: packing again gave a different $deb" >&2
  exit 1
fi
echo "check_package: $deb ($(stat -c %s "$deb") bytes) passes lintian and packs the same twice"
