#!/usr/bin/env bash
# Installs the Debian packages that building, running or testing the game needs,
# and does nothing when they are all present.
#   install-deps.sh run    compiler, CMake, Qt and the fonts: enough for `make run`
#   install-deps.sh test   all of the above plus GoogleTest and the X tools of the end-to-end test
#   install-deps.sh art    all of the above plus the emoji font the artwork generator draws with
set -euo pipefail

run_packages=(g++ make cmake ninja-build qt6-base-dev qt6-qpa-plugins fonts-liberation)
test_packages=(googletest libgtest-dev xvfb xauth xdotool openbox x11-utils imagemagick locales)
art_packages=(fonts-noto-color-emoji)

case "${1:-run}" in
  run) wanted=("${run_packages[@]}") ;;
  test) wanted=("${run_packages[@]}" "${test_packages[@]}") ;;
  art) wanted=("${run_packages[@]}" "${test_packages[@]}" "${art_packages[@]}") ;;
  *) echo "usage: $0 run|test|art" >&2; exit 2 ;;
esac

# The tests read numbers under a German locale, where the decimal separator is a comma.
ensure_german_locale() {
  [ "${1}" = run ] && return 0
  locale -a 2>/dev/null | grep -qix 'de_DE.utf8' && return 0
  echo "Generating the de_DE.UTF-8 locale"
  "${as_root[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
}

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
ensure_german_locale "${1:-run}"
