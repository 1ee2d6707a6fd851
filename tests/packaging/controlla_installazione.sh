#!/usr/bin/env bash
# Installs the built game into a temporary prefix and checks what a desktop
# needs: the private folder with its pictures, the launcher, the menu entry,
# the icons, the metainfo, and that the installed game starts from elsewhere.
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

# A relative link keeps the prefix movable, and must land on the real program.
collegamento=$(readlink "$p/bin/solvintra")
[[ $collegamento == /* || -z $collegamento ]] && sbaglio "bin/solvintra is not a relative link: '$collegamento'"
[[ $(readlink -f "$p/bin/solvintra") == $(readlink -f "$privata/solvintra") ]] ||
    sbaglio "bin/solvintra does not lead to lib/solvintra/solvintra"

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
desktop-file-validate "$desktop" || sbaglio "desktop-file-validate"
# Not only errors: warnings and hints fail too, as the file is ours to keep clean.
appstreamcli validate --no-net --pedantic --strict "$metainfo" || sbaglio "appstreamcli validate"

# The entry must start what was installed and show the icon that was installed.
exec_voce=$(sed -n 's/^Exec=//p' "$desktop")
[[ -x $p/bin/${exec_voce%% *} ]] || sbaglio "Exec=$exec_voce is not in bin/"
icona_voce=$(sed -n 's/^Icon=//p' "$desktop")
[[ -s $p/share/icons/hicolor/48x48/apps/$icona_voce.png ]] || sbaglio "Icon=$icona_voce not installed"
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

((fallito == 0)) && echo "installation checked"
exit "$fallito"
