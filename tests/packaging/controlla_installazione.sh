#!/usr/bin/env bash
# Installs the built game into a temporary prefix and checks what a desktop
# needs: the private folder with its pictures, the command, the manual page,
# the menu entry, the icons, the metainfo, and that the installed game starts
# from elsewhere. Then, staged, where the command goes under other prefixes.
# Usage: controlla_installazione.sh BUILD_DIR [SCREENSHOT.png]
set -uo pipefail
build=$1
schermata=${2:-}
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/comune.sh"

id=org.example.solvintra
p="$cartella_prova/prefisso"
cmake --install "$build" --prefix "$p" >"$cartella_prova/install.txt" ||
    { cat "$cartella_prova/install.txt" >&2; exit 1; }

privata="$p/lib/solvintra"
[[ -x $privata/solvintra ]] || sbaglio "no executable in lib/solvintra"
for f in $(file_immagini); do
    [[ -s $privata/Immagini/$f ]] || sbaglio "Immagini/$f not installed"
done

# A prefix of one's own, like ~/.local: the command in bin/, on the user's
# PATH. A relative link keeps the prefix movable, and must land on the real
# program.
collegamento=$(readlink "$p/bin/solvintra")
[[ $collegamento == /* || -z $collegamento ]] && sbaglio "bin/solvintra is not a relative link: '$collegamento'"
[[ $(readlink -f "$p/bin/solvintra") == $(readlink -f "$privata/solvintra") ]] ||
    sbaglio "bin/solvintra does not lead to lib/solvintra/solvintra"
[[ -e $p/games ]] && sbaglio "games/ made under a prefix of one's own"

# man finds the page from the command's folder on the PATH, as for ~/.local/bin.
pagina=$(env -u MANPATH PATH="$p/bin:/usr/bin:/bin" man -w solvintra 2>&1)
[[ $pagina == "$p/share/man/man6/solvintra.6.gz" ]] || sbaglio "man -w solvintra gives '$pagina'"
[[ -s $p/share/doc/solvintra/changelog.gz ]] || sbaglio "no changelog.gz"

for lato in $lati_icona; do
    icona="$p/share/icons/hicolor/${lato}x${lato}/apps/solvintra.png"
    if [[ ! -s $icona ]]; then
        sbaglio "icon ${lato}x${lato} not installed"
    elif [[ $(identify -format '%m %wx%h' "$icona") != "PNG ${lato}x${lato}" ]]; then
        sbaglio "icon in ${lato}x${lato} is $(identify -format '%m %wx%h' "$icona")"
    fi
done

desktop="$p/share/applications/$id.desktop"
metainfo="$p/share/metainfo/$id.metainfo.xml"
# The entry must start what was installed and show the icon that was installed.
controlla_voce_menu "$desktop" "$p/bin" "$p/share"
# Not only errors: warnings and hints fail too, as the file is ours to keep clean.
valida_metainfo "$metainfo"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    sbaglio "the metainfo does not launch $id.desktop"

avvia_display
prova_avvio "$p/bin/solvintra" "$cartella_prova/altrove" "$schermata" ||
    sbaglio "the installed game did not show its table"
classe_voce=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[[ $classe_finestra == "$classe_voce" ]] ||
    sbaglio "the window's class '$classe_finestra' is not StartupWMClass=$classe_voce"

# The same probe on an install missing one card face must say no, or it proves nothing.
cp -a "$p" "$cartella_prova/rotto"
rm "$cartella_prova/rotto/lib/solvintra/Immagini/17.bmp"
if prova_avvio "$cartella_prova/rotto/bin/solvintra" "$cartella_prova/altrove" 2>/dev/null; then
    sbaglio "the start-up probe also passes without a card face"
fi

# Staged installs under other prefixes: the command goes to games/ where the
# prefix's games folder is on every user's PATH, to bin/ anywhere else.
while read -r prefisso cartella; do
    stadio="$cartella_prova/stadio"
    DESTDIR=$stadio cmake --install "$build" --prefix "$prefisso" >/dev/null ||
        { sbaglio "staged install under $prefisso failed"; continue; }
    trovati=$(cd "$stadio" && find . -name solvintra -type l | sed 's|^\.||')
    atteso=$(realpath -m "$prefisso/$cartella/solvintra")
    [[ $trovati == "$atteso" ]] || sbaglio "under --prefix $prefisso the command is '$trovati', not $atteso"
    [[ -x $stadio$atteso && $(readlink -f "$stadio$atteso") == \
        $(readlink -f "$stadio$prefisso/lib/solvintra/solvintra") ]] ||
        sbaglio "under --prefix $prefisso the command does not lead to the program"
    rm -rf "$stadio"
done <<'RIGHE'
/usr games
/usr/ games
/usr/local games
/usr//local/ games
/usr/local/games bin
/usr/locale bin
/opt/solvintra bin
/home/giocatore/.local bin
RIGHE

((fallito == 0)) && echo "installation checked"
exit "$fallito"
