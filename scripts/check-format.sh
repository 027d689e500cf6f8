#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what the repository's .clang-format makes of it.
# The files are formatted with clang-format 14 (Debian 12's); another version formats some
# constructs otherwise, so with only another version installed the check is skipped, saying so.
set -euo pipefail
cd "$(dirname "$0")/.."
pinned=14
formatter=$(command -v clang-format-$pinned || command -v clang-format || true)
if [ -z "$formatter" ]; then
    echo "clang-format: not installed (scripts/install-deps.sh format)" >&2
    exit 1
fi
version=$("$formatter" --version | sed -nE 's/.*version ([0-9]+)\..*/\1/p')
if [ "$version" != "$pinned" ]; then
    echo "clang-format: skipped, $formatter is version $version and the files are formatted by $pinned"
    exit 0
fi
git ls-files '*.cpp' '*.h' | xargs "$formatter" --dry-run --Werror
echo "clang-format: all files formatted"
