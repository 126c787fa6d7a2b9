#!/usr/bin/env bash
# Checks the Debian packages the build needs and installs the missing ones
# (with the argument windows, fuzz or package, also those of that check).
# As root it runs apt-get itself; otherwise it prints the command and stops.
set -euo pipefail

packages=(cmake g++ make pkg-config libgtest-dev libbenchmark-dev
          libsdl2-dev libsdl2-mixer-dev libasound2-dev tmux clang-format dpkg-dev)
# `tools/setup.sh windows` adds what the Windows cross build and its tests need.
if [[ "${1:-}" == windows ]]; then
  packages+=(g++-mingw-w64-x86-64-posix googletest wine64 wine)
fi
# make package-check (tools/setup.sh package) runs Debian's package checker.
if [[ "${1:-}" == package ]]; then packages+=(lintian); fi
# make fuzz (tools/setup.sh fuzz) also needs clang and its libFuzzer runtime.
if [[ "${1:-}" == fuzz ]]; then packages+=(clang libclang-rt-14-dev); fi
# make web needs Emscripten (its optimizer uses Debian's acorn) and, for its
# test, Chromium and the test's npm packages (pinned in tools/web/test).
if [[ "${1:-}" == web ]]; then packages+=(emscripten node-acorn chromium python3); fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
# The web test's npm packages, exactly as the lock file pins them.
web_test_packages() {
  [[ "${1:-}" == web ]] || return 0
  local dir
  dir="$(dirname "$0")/web/test"
  [[ -f "$dir/node_modules/.package-lock.json" && "$dir/node_modules/.package-lock.json" -nt "$dir/package-lock.json" ]] ||
    (cd "$dir" && npm ci --no-audit --no-fund --loglevel=error)
}

if [[ ${#missing[@]} -eq 0 ]]; then
  web_test_packages "${1:-}"
  exit 0
fi

command="apt-get install -y --no-install-recommends ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
  echo "DRIFTER needs these Debian packages: ${missing[*]}" >&2
  echo "Install them with:  sudo $command" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
# Package lists that are missing or older than a day are refreshed first.
lists=/var/lib/apt/lists
if [[ -z $(find "$lists" -maxdepth 1 -name '*Packages*' -mtime -1 2>/dev/null | head -n 1) ]]; then
  apt-get update -q
fi
DEBIAN_FRONTEND=noninteractive $command
web_test_packages "${1:-}"
