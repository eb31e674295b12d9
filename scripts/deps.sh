#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev googletest
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools
  qt6-l10n-tools qt6-translations-l10n libgl-dev
  clang libclang-rt-14-dev clang-format clang-tidy
  iproute2 xvfb xauth
  help2man dpkg-dev desktop-file-utils appstream
)

# The windows come in Chinese, Japanese and Korean too. A stock Debian desktop
# installed in a Western language has DejaVu (Latin, Greek, Cyrillic: enough
# for Russian) and no CJK font; one installed in a CJK language has fonts for
# that language. Add Noto CJK (one package, about 90 MB installed, all four
# scripts) only where one of Traditional Chinese, Simplified Chinese,
# Japanese or Korean has no font.
needs_cjk_font() {
  command -v fc-list >/dev/null || return 0
  local lang
  for lang in zh-tw zh-cn ja ko; do
    [ -n "$(fc-list ":lang=$lang" family 2>/dev/null)" ] || return 0
  done
  return 1
}
if needs_cjk_font; then
  PACKAGES+=(fonts-noto-cjk)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
