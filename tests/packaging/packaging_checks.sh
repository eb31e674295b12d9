#!/usr/bin/env bash
# Checks of the installable tool, one per ctest test:
#   packaging_checks.sh metadata   DESKTOP_FILE METAINFO_FILE
#   packaging_checks.sh man-pages  BIN_DIR MAN_DIR PROGRAM...
#   packaging_checks.sh completion COMPLETION_SCRIPT CORVANE
#   packaging_checks.sh deb        BUILD_DIR VERSION
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The long options a program's --help lists, and for corvane each command's
# help (the commands its --help lists under "Commands:").
help_options() {
    local command
    {
        "$1" --help
        if [ "$(basename "$1")" = corvane ]; then
            for command in $("$1" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p'); do
                "$1" help "$command"
            done
        fi
    } | sed -n 's/^ *\(-[[:alnum:]?], \)\{0,1\}\(--[[:alnum:]-]*\).*/\2/p' | sort -u
}

check_metadata() {
    desktop-file-validate "$1"
    appstreamcli validate --no-net "$2"
}

# Every option --help lists is in the manual page help2man made of it.
check_man_pages() {
    local bin=$1 man=$2 program option page missing=0
    shift 2
    for program in "$@"; do
        page=$(sed 's/\\-/-/g' "$man/$program.1")
        [ -n "$(help_options "$bin/$program")" ] || fail "$program --help lists no options"
        for option in $(help_options "$bin/$program"); do
            grep -qE -- "$option([^[:alnum:]-]|$)" <<<"$page" || { echo "$program(1) lacks $option" >&2; missing=1; }
        done
    done
    [ "$missing" = 0 ] || fail "manual pages out of step with --help"
}

# Completions for a command line; the last word is the one being completed.
complete_line() {
    local line=$1
    # shellcheck disable=SC2206  # split on purpose, like bash does
    COMP_WORDS=($line)
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE=$line
    COMP_POINT=${#line}
    _corvane
    printf '%s\n' "${COMPREPLY[@]}"
}

check_completion() {
    local script=$1 corvane=$2 dir
    dir=$(mktemp -d)
    # A corvane whose `ports` lists two USB printers and a serial port.
    cat >"$dir/corvane" <<STUB
#!/bin/sh
if [ "\$1" = ports ]; then
  printf 'Name     Path           Product ID\nttyUSB0  /dev/ttyUSB0\nUSB001   /dev/usb/lp0   006D\nUSB002   /dev/usb/lp1   006D\n'
  exit 0
fi
exec "$corvane" "\$@"
STUB
    chmod +x "$dir/corvane"
    # shellcheck disable=SC1090
    source "$script"

    # command line | words that must be offered | words that must not
    local cases=(
        "corvane |ports discover lan-set lan-plan survey link history help|"
        "corvane help l|lan-set lan-plan link|"
        "corvane survey --|--ip --json|--mac --usb"
        "corvane --local 10.0.0.1 d|discover|ports"
        "corvane lan-set |ethernet wlan|"
        "corvane link |info read write survey cert export apply|"
        "corvane link read --u|--usb|--serial"
        "corvane link read --usb |USB001 USB002|ttyUSB0"
        "corvane link info --serial |ttyUSB0|USB001"
        "corvane lan-set wlan --dhcp |on off|"
        "corvane link cert --type |ca client-key client-pem|"
    )
    local entry line want unwanted got word bad=0
    for entry in "${cases[@]}"; do
        IFS='|' read -r line want unwanted <<<"$entry"
        got=$(complete_line "${line/corvane/$dir/corvane}")
        for word in $want; do
            grep -qx -- "$word" <<<"$got" || { echo "\"$line\": $word not offered (got: $got)" >&2; bad=1; }
        done
        for word in $unwanted; do
            ! grep -qx -- "$word" <<<"$got" || { echo "\"$line\": $word offered" >&2; bad=1; }
        done
    done
    rm -rf "$dir"
    [ "$bad" = 0 ] || fail "bash completion"
}

# The package as CPack makes it, unpacked into a scratch root: its control
# fields, its files, and the programs running from there with the installed
# catalogs.
check_deb() {
    local build=$1 version=$2 dir deb root arch
    dir=$(mktemp -d)
    # shellcheck disable=SC2064  # the folder is known now; the function's locals are gone at exit
    trap "rm -rf '$dir'" EXIT
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$dir/out" >"$dir/cpack.log" ||
        { cat "$dir/cpack.log" >&2; fail "cpack"; }
    arch=$(dpkg --print-architecture)
    deb="$dir/out/corvane-tool_${version}_${arch}.deb"
    [ -f "$deb" ] || fail "no $(basename "$deb") in: $(ls "$dir/out")"

    local field
    for field in "Package: corvane-tool" "Version: $version" "Section: utils" \
        "Maintainer: Corvane Tool developers <corvane-tool@users.noreply.github.com>"; do
        dpkg-deb -f "$deb" | grep -qx -- "$field" || fail "control lacks \"$field\""
    done
    # Computed from the shared libraries the programs link, and Qt's own catalogs.
    dpkg-deb -f "$deb" Depends | grep 'libqt6core6' | grep -q 'qt6-translations-l10n' ||
        fail "Depends: $(dpkg-deb -f "$deb" Depends)"

    root="$dir/root"
    dpkg -x "$deb" "$root"
    local file
    for file in bin/corvane bin/corvane-tool bin/corvane-printer-sim \
        share/corvane/translations/German.qm \
        share/man/man1/corvane.1.gz share/man/man1/corvane-tool.1.gz share/man/man1/corvane-printer-sim.1.gz \
        share/bash-completion/completions/corvane \
        share/applications/io.github.corvane.Tool.desktop share/metainfo/io.github.corvane.Tool.metainfo.xml \
        share/icons/hicolor/scalable/apps/io.github.corvane.Tool.svg \
        share/icons/hicolor/48x48/apps/io.github.corvane.Tool.png share/doc/corvane-tool/copyright; do
        [ -e "$root/usr/$file" ] || fail "the package lacks /usr/$file"
    done
    if dpkg-deb -c "$deb" | grep -E 'udev|/lib/|\.a$|_tests?$'; then
        fail "the package holds files it should not"
    fi

    local out
    out=$(env -i PATH=/usr/bin:/bin "$root/usr/bin/corvane" --version)
    [ "$out" = "corvane $version" ] || fail "corvane --version: $out"
    # No display, a German system: the help text comes from the catalog below
    # share/, as nothing lies beside the program.
    out=$(env -i PATH=/usr/bin:/bin LC_ALL=de_DE.UTF-8 "$root/usr/bin/corvane-tool" --help)
    grep -q "Richtet die Netzwerkschnittstelle" <<<"$out" ||
        fail "corvane-tool --help did not use the installed German catalog: $out"
    # No display at all: one line that says what is needed, and a failure.
    if out=$(env -i PATH=/usr/bin:/bin "$root/usr/bin/corvane-tool" 2>&1); then
        fail "corvane-tool without a display succeeded: $out"
    fi
    if [ "$(wc -l <<<"$out")" != 1 ] || ! grep -q "ssh -X.*corvane --help" <<<"$out"; then
        fail "corvane-tool without a display: $out"
    fi
}

case "${1:-}" in
    metadata) check_metadata "$2" "$3" ;;
    man-pages) shift; check_man_pages "$@" ;;
    completion) check_completion "$2" "$3" ;;
    deb) check_deb "$2" "$3" ;;
    *) fail "usage: $0 metadata|man-pages|completion|deb ..." ;;
esac
