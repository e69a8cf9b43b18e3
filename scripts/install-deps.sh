#!/usr/bin/env bash
# Installs the Debian packages the build and the fonts need, when any is missing; with "program", only what
# building and running the program needs, without the tools of the tests (clang, its sanitizer runtime,
# clang-format).
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-charts-dev qt6-multimedia-dev
          libmp3lame-dev qt6-translations-l10n gstreamer1.0-plugins-good
          libgl-dev fontconfig fonts-liberation2 fonts-dejavu-core)
[ "${1:-}" = program ] || packages+=(clang clang-format libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
# The families the windows name must resolve to metric-compatible fonts.
for family in "Arial:Liberation Sans" "Courier New:Liberation Mono" "Verdana:DejaVu Sans" "Tahoma:DejaVu Sans"; do
    want="${family#*:}"
    got="$(fc-match -f '%{family}' "${family%%:*}")"
    case "$got" in
        *"$want"*) ;;
        *) echo "warning: font ${family%%:*} resolves to $got, not $want" >&2 ;;
    esac
done
