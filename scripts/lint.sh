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

echo "== namespaces and includes"
# Namespaces follow folders: a file under src/FOLDER/ declares
# corvane::FOLDER (its sub-folders ui/ and exchange/ share it). Every include
# of a project header names its path from src/.
while IFS= read -r file; do
  folder=$(echo "$file" | cut -d/ -f2)
  if grep -qE '^namespace corvane::' "$file" && grep -E '^namespace corvane::' "$file" | grep -vqE "^namespace corvane::${folder}(::[a-z_]+)* \{"; then
    echo "$file: its namespace is not corvane::$folder" >&2
    status=1
  fi
  while IFS= read -r include; do
    [ -f "src/$include" ] && continue
    case "$include" in ui_*.h | corvane_version.h) continue ;; esac
    echo "$file: #include \"$include\" does not name its path from src/" >&2
    status=1
  done < <(sed -nE 's/^#include "([^"]+)".*/\1/p' "$file")
done < <(git ls-files 'src/*.cpp' 'src/*.h')

echo "== nested event loops"
# A window stays painted because its work runs on a worker thread or is
# driven by events, never through an event loop run from inside a handler.
# processEvents and QEventLoop appear only in the command line's top-level
# waits (it never runs app.exec()); modal dialogs' exec() is not one of them.
while IFS= read -r file; do
  echo "$file: runs an event loop of its own (processEvents/QEventLoop): use a worker thread or events" >&2
  status=1
done < <(git grep -lE 'processEvents|QEventLoop' -- 'src/*.cpp' 'src/*.h' |
  grep -vE '^src/cli/|^src/lan/search_setup\.cpp$' || true)

echo "== one address type"
# IPv4 addresses are stored and passed as link::Ipv4Address, MAC addresses as
# link::MacAddress; only link/ipv4_address.* spells out their bytes (the wire
# code reads them through Ipv4Octets and the record's own slices).
if git grep -nE 'std::array<std::uint8_t, *[46]>|using +[A-Za-z0-9_]*(Ipv4|Ip|Address|Mask)[A-Za-z0-9_]* *= *std::uint32_t|FormatIpv4\(' \
    -- 'src/*.cpp' 'src/*.h' ':!src/link/ipv4_address.*' >&2; then
  echo "Addresses above are not link::Ipv4Address / link::MacAddress (link/ipv4_address.h)." >&2
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
