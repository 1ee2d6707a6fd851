#!/usr/bin/env bash
# Builds the Debian package aside from the build folder's own, checks its
# control fields and contents and has lintian judge it, installs it into a
# scratch root and checks that the command, the manual page and the menu entry
# are where the system looks for them, and starts the game from there.
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
    echo ./usr/games/solvintra '->' ../lib/solvintra/solvintra
    echo ./usr/lib/solvintra/solvintra
    echo ./usr/share/man/man6/solvintra.6.gz
    echo ./usr/games/solvintra-risolvi '->' ../lib/solvintra/solvintra-risolvi
    echo ./usr/lib/solvintra/solvintra-risolvi
    echo ./usr/share/man/man6/solvintra-risolvi.6.gz
    echo ./usr/share/doc/solvintra/changelog.gz
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

# Debian's own checker: any error or warning fails, the same options as by hand
# (README). Its notes (I:) and pedantic remarks (P:) are left to judgement.
lintian --fail-on error,warning "$deb" >"$cartella_prova/lintian.txt" 2>&1 ||
    { grep -v '^running with root privileges' "$cartella_prova/lintian.txt" >&2; sbaglio "lintian"; }

# Installed by dpkg itself into an empty root, where nothing is installed: the
# dependencies are this system's, which apt has just found complete.
radice="$cartella_prova/radice"
mkdir -p "$radice/var/lib/dpkg/info" "$radice/var/lib/dpkg/updates"
touch "$radice/var/lib/dpkg/status"
dpkg --root="$radice" --force-depends -i "$deb" >"$cartella_prova/dpkg.txt" 2>&1 ||
    { cat "$cartella_prova/dpkg.txt" >&2; exit 1; }

comando=$(trova "$radice" "$percorso_debian" solvintra)
[[ $comando == /usr/games/solvintra ]] || sbaglio "on Debian's PATH solvintra is '$comando', not /usr/games/solvintra"
[[ $(readlink -f "$radice/usr/games/solvintra") == $(readlink -f "$radice/usr/lib/solvintra/solvintra") ]] ||
    sbaglio "/usr/games/solvintra does not lead to /usr/lib/solvintra/solvintra"
voce=$(trova "$radice" "$dati_xdg" applications/org.example.solvintra.desktop)
[[ -n $voce ]] || sbaglio "no menu entry where the desktop looks for one"
controlla_voce_menu "$radice$voce" "$radice/usr/games" "$radice/usr/share"

# The compressed files as Debian wants them: gzip -9 without a name or a time,
# so that the same sources give the same package.
for compresso in usr/share/man/man6/solvintra.6.gz usr/share/man/man6/solvintra-risolvi.6.gz usr/share/doc/solvintra/changelog.gz; do
    read -r segni t1 t2 t3 t4 livello < <(od -An -tu1 -j3 -N6 "$radice/$compresso")
    ((segni & 8 || t1 + t2 + t3 + t4 || livello != 2)) &&
        sbaglio "$compresso: not gzip -9n (flags $segni, time $t1 $t2 $t3 $t4, level $livello)"
done
# A changelog dpkg can read, whose latest entry is this version.
zcat "$radice/usr/share/doc/solvintra/changelog.gz" >"$cartella_prova/changelog"
[[ $(dpkg-parsechangelog -l "$cartella_prova/changelog" -S Version 2>&1) == "$versione" ]] ||
    sbaglio "the changelog's latest entry is not $versione"

# The manual page: found by man in section 6, rendered without a warning, and
# it names the statistics file and every file the game reads.
pagina=$(man -M "$radice/usr/share/man" -w solvintra 2>&1)
[[ $pagina == "$radice/usr/share/man/man6/solvintra.6.gz" ]] || sbaglio "man -w solvintra gives '$pagina'"
avvisi=$(avvisi_man "$pagina")
[[ -z $avvisi ]] || sbaglio "man -l warns: $avvisi"
testo=$(testo_man "$pagina")
for parola in 'SOLVINTRA(6)' 'solvintra - patience game' 'takes no options' \
    SolvintraBrask/SolvintraBrask.ini '00.bmp to 39.bmp' '00@2x.bmp to 39@2x.bmp' \
    $(file_immagini | tr ' ' '\n' | grep -v '^[0-9][0-9]\(@2x\)\?\.bmp$'); do
    [[ $testo == *"$parola"* ]] || sbaglio "the manual page does not say '$parola'"
done
# The same rendering must notice a broken page, or it proves nothing.
printf '.TH SOLVINTRA 6\n.SH NAME\nsolvintra \\- x\n.NONESISTE\n' >"$cartella_prova/rotta.6"
[[ -n $(avvisi_man "$cartella_prova/rotta.6") ]] ||
    sbaglio "man -l gives no warning even for an undefined macro"

avvia_display
prova_avvio "$radice/usr/games/solvintra" "$cartella_prova/altrove" ||
    sbaglio "the packaged game did not show its table"

((fallito == 0)) && echo "package $(basename "$deb") checked"
exit "$fallito"
