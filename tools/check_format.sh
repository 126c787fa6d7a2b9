#!/usr/bin/env bash
# Fails, naming each file, when a C++ file of the project is not formatted the
# way .clang-format says. Fix one with: clang-format -i FILE
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format > /dev/null || { echo "clang-format is missing: run tools/setup.sh" >&2; exit 1; }

bad=()
while IFS= read -r -d '' file; do
    clang-format --dry-run --Werror "$file" > /dev/null 2>&1 || bad+=("$file")
done < <(git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h')

if [[ ${#bad[@]} -gt 0 ]]; then
    echo "Not formatted by .clang-format (clang-format -i FILE fixes it):" >&2
    printf '  %s\n' "${bad[@]}" >&2
    exit 1
fi
echo "All C++ files are formatted."
