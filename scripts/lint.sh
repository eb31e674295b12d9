#!/usr/bin/env bash
# The written conventions, checked: every C++ file as clang-format lays it
# out (.clang-format), and the names in src/ as .clang-tidy says
# (readability-identifier-naming). Needs a configured and built BUILD_DIR
# (default: build) for its compile commands and the generated form headers.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}

status=0
echo "== clang-format"
if ! git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror; then
  echo "Some files are not laid out as .clang-format says; run:" >&2
  echo "  git ls-files '*.cpp' '*.h' | xargs clang-format -i" >&2
  status=1
fi

echo "== clang-tidy (names)"
if [ ! -f "$BUILD_DIR/compile_commands.json" ]; then
  echo "no $BUILD_DIR/compile_commands.json: build first (./scripts/build.sh)" >&2
  exit 1
fi
# Every translation unit under src/; headers under src/ are checked through
# them. The compiler's own warning flags are GCC's; clang need not know them.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! git ls-files 'src/*.cpp' | xargs -P "$(nproc)" -n 8 clang-tidy -p "$BUILD_DIR" --quiet \
    --extra-arg=-Wno-unknown-warning-option >"$log" 2>/dev/null; then
  grep -E '(error|warning):' "$log" | sort -u >&2 || true
  echo "Names that do not follow CONTRIBUTING.md (see above)." >&2
  status=1
fi
exit $status
