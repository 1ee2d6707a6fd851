#!/usr/bin/env bash
# The project configured as CMake users and packagers configure it, without
# the presets, each way in a fresh folder and without building: the flags the
# game is compiled and linked with, and what a build without tests asks for.
# Usage: controlla_configurazioni.sh SOURCE_DIR CXX_COMPILER
set -uo pipefail
sorgenti=$1
compilatore=$2
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/comune.sh"

# How often the word $1 occurs among the words of $2.
volte() { tr ' ' '\n' <<<"$2" | grep -c -x -F -e "$1"; }

# Configures into $1 with the build type $2, CXXFLAGS $3, LDFLAGS $4 and the
# further cache settings $5...; sets `compila` to the engine's compile line and
# `collega` to the game's link line.
configura() {
    local albero=$cartella_prova/$1 tipo=$2 cxxflags=$3 ldflags=$4
    shift 4
    CXXFLAGS=$cxxflags LDFLAGS=$ldflags cmake -S "$sorgenti" -B "$albero" -G Ninja \
        -DCMAKE_BUILD_TYPE="$tipo" -DCMAKE_CXX_COMPILER="$compilatore" -DBUILD_TESTING=OFF "$@" \
        >"$albero.txt" 2>&1 || { cat "$albero.txt" >&2; return 1; }
    compila=$(ninja -C "$albero" -t commands core | grep -m1 -- ' -c ')
    collega=$(ninja -C "$albero" -t commands solvintra | tail -1)
}

# From elsewhere than the sources, as its own path mapping names the folder.
cd "$cartella_prova" || exit 1
debian_cxx="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
# These two are read by the rows, through eval.
# shellcheck disable=SC2034
{
    debian_ld=$(dpkg-buildflags --get LDFLAGS)
    fortify=$(tr ' ' '\n' <<<"$debian_cxx" | grep -m1 '^-D_FORTIFY_SOURCE=')
}

# name | build type | CXXFLAGS | LDFLAGS | cache settings | compile flags once |
# link flags once | flags never given
while IFS='|' read -r nome tipo cxxflags ldflags impostazioni una_volta_c una_volta_l mai; do
    read -ra impostazioni <<<"$impostazioni"
    configura "$nome" "$tipo" "$(eval echo "$cxxflags")" "$(eval echo "$ldflags")" \
        "${impostazioni[@]}" || { sbaglio "$nome: cmake failed"; continue; }
    for flag in $(eval echo "$una_volta_c"); do
        n=$(volte "$flag" "$compila")
        ((n == 1)) || sbaglio "$nome: $flag $n times in the compile line: $compila"
    done
    for flag in $(eval echo "$una_volta_l"); do
        n=$(volte "$flag" "$collega")
        ((n == 1)) || sbaglio "$nome: $flag $n times in the link line: $collega"
    done
    for flag in $(eval echo "$mai"); do
        [[ " $compila $collega " == *" $flag "* ]] && sbaglio "$nome: $flag given"
    done
done <<'RIGHE'
packager, None|None|$debian_cxx|$debian_ld||$debian_cxx|$debian_ld|-g1 -ffile-prefix-map=$sorgenti=.
packager, RelWithDebInfo|RelWithDebInfo|$debian_cxx|$debian_ld||-fstack-protector-strong $fortify -Werror=format-security -fstack-clash-protection|-Wl,-z,relro -Wl,-z,now|
ours|RelWithDebInfo|||-DSOLVINTRA_COLLEGATORI=|-fstack-protector-strong $fortify -fstack-clash-protection -g1 -ffile-prefix-map=$sorgenti=.|-Wl,-z,relro -Wl,-z,now|-fuse-ld=gold -fuse-ld=lld
macro of the caller|Release|-D_FORTIFY_SOURCE=1||-D_FORTIFY_SOURCE=1|-D_FORTIFY_SOURCE=1||-D_FORTIFY_SOURCE=2 -D_FORTIFY_SOURCE=3
linker absent|Release|||-DSOLVINTRA_COLLEGATORI=nessuno||-Wl,-z,now|-fuse-ld=nessuno
first linker present|Release|||-DSOLVINTRA_COLLEGATORI=nessuno;bfd;gold||-fuse-ld=bfd|-fuse-ld=gold -fuse-ld=nessuno
RIGHE

# Without the tests, none of their tools is looked for, nor Qt Test.
cache="$cartella_prova/ours/CMakeCache.txt"
for cercato in Qt6Test_DIR XVFB_RUN XDOTOOL IMPORT benchmark_DIR; do
    grep -q "^$cercato:" "$cache" && sbaglio "BUILD_TESTING=OFF still looks for $cercato"
done
[[ -e $cartella_prova/ours/tests ]] && sbaglio "BUILD_TESTING=OFF still configures tests/"

((fallito == 0)) && echo "configurations checked"
exit "$fallito"
