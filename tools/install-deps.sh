#!/usr/bin/env bash
# Installs the Debian packages the game and its tests need, only those missing,
# on Debian 12 (bookworm) or 13 (trixie).
# Usage: install-deps.sh [FEATURE...]   (all of them when none is given)
#   gioco      build and run the game: a compiler, CMake, Ninja and Qt 6
#   prove      the tests: Qt Test comes with Qt; the X and Wayland servers and
#              tools the tests drive, the package checkers, the benchmarks
#   fuzz       clang with libFuzzer and the sanitizers' run-time
set -euo pipefail

# The packages of a feature on this release: where a release names a package
# differently, each name is given under its release.
pacchetti() {
  case $1 in
  gioco)
    # Qt's CMake files need the OpenGL headers, which qt6-base-dev brings.
    echo cmake g++ make ninja-build pkg-config qt6-base-dev qt6-base-dev-tools
    # A faster linker than the toolchain's, which the presets ask for.
    echo lld
    echo fonts-liberation2 qt6-translations-l10n qt6-wayland
    ;;
  prove)
    echo libbenchmark-dev gnuplot-nox
    echo xvfb xauth xdotool imagemagick x11-utils weston
    echo desktop-file-utils appstream dpkg-dev devscripts lintian man-db groff-base bsdextrautils
    ;;
  fuzz)
    echo clang libclang-rt-dev
    ;;
  *)
    echo "unknown feature '$1' (gioco, prove, fuzz)" >&2
    return 1
    ;;
  esac
}

. /etc/os-release
case ${VERSION_CODENAME:-} in
bookworm | trixie) ;;
*) echo "Debian 12 (bookworm) or 13 (trixie) expected, not '${PRETTY_NAME:-unknown}':" \
  "the package names may differ" >&2 ;;
esac

funzioni=("$@")
((${#funzioni[@]})) || funzioni=(gioco prove fuzz)
packages=()
for funzione in "${funzioni[@]}"; do
  read -ra nomi <<<"$(pacchetti "$funzione" | xargs)"
  packages+=("${nomi[@]}")
done

# Sets `missing` to the packages not installed.
trova_mancanti() {
  missing=()
  local p status
  for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
  done
}

trova_mancanti
if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
# A name apt satisfied with another package would be missing at every run.
trova_mancanti
if ((${#missing[@]})); then
  echo "Still missing after the install, not packages of this release: ${missing[*]}" >&2
  exit 1
fi
