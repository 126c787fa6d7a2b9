#!/usr/bin/env bash
# Fails, naming each file, when a C++ file of the project is not formatted the
# way .clang-format says. Fix one with: clang-format -i FILE
# One clang-format run reads every file and names each one it would change.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format > /dev/null || { echo "clang-format is missing: run tools/setup.sh" >&2; exit 1; }

mapfile -d '' files < <(git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h')
report=$(clang-format --dry-run --Werror "${files[@]}" 2>&1) && exit_code=0 || exit_code=$?
if [[ $exit_code -ne 0 ]]; then
    mapfile -t bad < <(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' <<< "$report" | sort -u)
    if [[ ${#bad[@]} -eq 0 ]]; then
        echo "clang-format failed:" >&2
        echo "$report" >&2
        exit 1
    fi
    echo "Not formatted by .clang-format (clang-format -i FILE fixes it):" >&2
    printf '  %s\n' "${bad[@]}" >&2
    exit 1
fi
echo "All C++ files are formatted."
