#!/usr/bin/env bash
# Builds the Debian package aside from the build folder's own, checks its
# control fields and contents, and starts the game from the unpacked files.
# Usage: controlla_deb.sh BUILD_DIR VERSION
set -uo pipefail
build=$1
versione=$2
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/comune.sh"

# Packs the tree as built, like every other test uses it: make package would
# first rebuild it, which is not this check's business. cpack runs a build
# step only for generators with a "preinstall" target, and Ninja has none.
printf 'include("%s/CPackConfig.cmake")\nset(CPACK_CMAKE_GENERATOR Ninja)\n' "$build" \
    >"$cartella_prova/CPackConfig.cmake"
cpack --config "$cartella_prova/CPackConfig.cmake" -B "$cartella_prova/pacchetto" \
    >"$cartella_prova/cpack.txt" 2>&1 || { cat "$cartella_prova/cpack.txt" >&2; exit 1; }
deb=$(ls "$cartella_prova"/pacchetto/*.deb)
[[ $(basename "$deb") == solvintra_${versione}_$(dpkg --print-architecture).deb ]] ||
    sbaglio "unexpected package file $(basename "$deb")"

campo() { dpkg-deb -f "$deb" "$1"; }
[[ $(campo Package) == solvintra ]] || sbaglio "Package: $(campo Package)"
[[ $(campo Version) == "$versione" ]] || sbaglio "Version: $(campo Version)"
[[ $(campo Section) == games ]] || sbaglio "Section: $(campo Section)"
[[ $(campo Maintainer) == "Solvintra <solvintra@example.org>" ]] || sbaglio "Maintainer: $(campo Maintainer)"
# Package names only, without versions or alternatives.
dipendenze=" $(campo Depends | sed -E 's/\([^)]*\)//g; s/[,|]/ /g' | xargs) "
for dipendenza in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
    [[ $dipendenze == *" $dipendenza "* ]] || sbaglio "Depends lacks $dipendenza: $(campo Depends)"
done
[[ $(campo Recommends) == *fonts-liberation2* ]] || sbaglio "Recommends: $(campo Recommends)"

# Every file the game and the desktop need, and nothing else beside them.
dpkg-deb -c "$deb" | awk '{ $1=$2=$3=$4=$5=""; sub(/^ +/, ""); print }' | sed 's|/$||' |
    sort >"$cartella_prova/contenuto.txt"
{
    echo ./usr/bin/solvintra '->' ../lib/solvintra/solvintra
    echo ./usr/lib/solvintra/solvintra
    for f in $(file_immagini); do echo "./usr/lib/solvintra/Immagini/$f"; done
    echo ./usr/share/applications/org.example.solvintra.desktop
    echo ./usr/share/metainfo/org.example.solvintra.metainfo.xml
    echo ./usr/share/doc/solvintra/copyright
    for lato in $lati_icona; do echo "./usr/share/icons/hicolor/${lato}x${lato}/apps/solvintra.png"; done
} | sort >"$cartella_prova/atteso.txt"
# Folders are listed too; only files and links are compared.
grep -v -x -f <(dpkg-deb -c "$deb" | awk '$1 ~ /^d/ { print $6 }' | sed 's|/$||') \
    "$cartella_prova/contenuto.txt" >"$cartella_prova/file.txt"
diff -u "$cartella_prova/atteso.txt" "$cartella_prova/file.txt" || sbaglio "package contents differ (- expected, + packaged)"

# Installable here: apt resolves the declared dependencies without installing.
apt-get install --simulate --no-install-recommends "$deb" >"$cartella_prova/apt.txt" 2>&1 ||
    { cat "$cartella_prova/apt.txt" >&2; sbaglio "apt cannot install the package"; }

radice="$cartella_prova/radice"
dpkg-deb -x "$deb" "$radice"
avvia_display
prova_avvio "$radice/usr/bin/solvintra" "$cartella_prova/altrove" ||
    sbaglio "the packaged game did not show its table"

((fallito == 0)) && echo "package $(basename "$deb") checked"
exit "$fallito"
