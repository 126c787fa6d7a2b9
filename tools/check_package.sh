#!/usr/bin/env bash
# Checks the Debian package that `make package` left in the build folder:
# Debian's lintian passes it (an error or a warning fails), packing the same
# build again gives the same bytes, and the folders it was built in leave no
# trace in the program, so the same sources give the same package anywhere.
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
# The program as linked, before the package strips it: its debug information
# names the source files, and its build id is a hash of all of it. A second
# build in another folder would show the same, but costs minutes.
for folder in "$PWD" "$(pwd -P)" "$(cd "$build" && pwd)" "$(cd "$build" && pwd -P)"; do
  if grep -qF "$folder" "$build/drifter"; then
    echo "check_package: $build/drifter names the folder $folder: built elsewhere, it would differ" >&2
    exit 1
  fi
done
echo "check_package: $deb ($(stat -c %s "$deb") bytes) passes lintian, packs the same twice and names no build folder"
