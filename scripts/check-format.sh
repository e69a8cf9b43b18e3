#!/usr/bin/env bash
# Fails when a tracked C++ file differs from .clang-format, naming the files and the command that fixes them.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- src tests bench fuzz docs/manual | grep -E '\.(cpp|h)$')
[ "${#files[@]}" -eq 0 ] && exit 0
unformatted=()
for f in "${files[@]}"; do
    if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then
        unformatted+=("$f")
    fi
done
if [ "${#unformatted[@]}" -gt 0 ]; then
    echo "These files are not formatted as .clang-format says:" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    echo "Fix them with:" >&2
    echo "  clang-format -i ${unformatted[*]}" >&2
    exit 1
fi
