#!/usr/bin/env bash
# Drives the real game in a real X server (run under xvfb-run): start, a drag
# onto a legal pile, a drop over no pile, a double-clicked ace, the window
# maximised, and a missing picture. Checks by the pixels of screenshots.
# Usage: prova_gui.sh BUILD_DIR GUI_PIANO OUTPUT_DIR
set -uo pipefail

build=$1
piano=$2
uscita=$3
mkdir -p "$uscita"
export SOLVINTRA_IMMAGINI="$build/Immagini"
export XDG_CONFIG_HOME="$uscita/config"
unset QT_QPA_PLATFORM

source "$(dirname "$0")/comune.sh"
pid=
finisci() { [[ -n "$pid" ]] && kill "$pid" 2>/dev/null; }
trap finisci EXIT

# The first visible window with this exact name.
trova_finestra() {
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [[ -n "$id" ]] && echo "$id"
}

# The height of the menu bar, once the window has one above its 711-pixel table.
altezza_menu() {
    local altezza
    altezza=$(xdotool getwindowgeometry "$finestra" | sed -n 's/.*Geometry: [0-9]*x//p')
    ((altezza > 711)) && echo $((altezza - 711))
}

# More than a couple of colours: window $1 has been painted.
dipinta() { (($(import -window "$1" -format %k info:) > 2)); }

# A point of the client area in window coordinates; returns once the pointer is there.
punta() { xdotool mousemove --sync --window "$finestra" "$1" $(($2 + menu)); }

# At zlib's fastest level: the plan reads them back.
foto() { import -window "$finestra" -quality 10 "$uscita/$1.png"; }

# The game started last has ended.
finito() { ! kill -0 "$pid" 2>/dev/null; }

eval "$("$piano" piano)" || { echo "FAIL: no plan"; exit 1; }
export SOLVINTRA_SEME=$SEME

"$build/solvintra" & pid=$!
finestra=$(aspetta trova_finestra Solvintra) || { echo "FAIL: the table never showed"; exit 1; }
menu=$(aspetta altezza_menu) || { echo "FAIL: the window has no menu bar above its table"; exit 1; }
origine_y=$menu
mostra "$ASSO" "$ASSO_X" "$ASSO_Y" 01-dealt && passa "dealt table as planned" ||
    fallisce "the ace is not where the deal put it"
[[ $(identify -format %wx%h "$uscita/01-dealt.png") == "984x$((711 + menu))" ]] ||
    fallisce "the window is not 984 x 711 inside"

trascina_sul_pozzo

# Drop over no pile: the card goes home.
punta $((VUOTO_X + 30)) $((VUOTO_Y + 40))
xdotool mousedown 1
punta $((FUORI_X + 30)) $((VUOTO_Y + 40))
mostra "$VUOTO" "$FUORI_X" "$VUOTO_Y" 03-held && passa "card follows the pointer" ||
    fallisce "card $VUOTO does not follow the pointer"
xdotool mouseup 1
mostra "$VUOTO" "$VUOTO_X" "$VUOTO_Y" 04-returned && passa "card dropped over no pile returned" ||
    fallisce "card $VUOTO did not return"

asso_all_angolo

# Maximised: the whole screen; the grid moves down to the capped margin.
read -r largo alto < <(xdotool getdisplaygeometry)
xdotool windowsize "$finestra" "$largo" "$alto"
mostra "$ASSO" "$ANGOLO_X" $((ANGOLO_Y + 120 - 88)) 06-maximised && passa "maximised table" ||
    fallisce "grid not centred when maximised"
kill "$pid"; wait "$pid" 2>/dev/null; pid=

# A missing picture: a message naming it, then a non-zero exit once the box is closed.
copia=$(mktemp -d)
cp "$build/solvintra" "$copia/" && cp -r "$build/Immagini" "$copia/" && rm "$copia/Immagini/Xx.bmp"
"$copia/solvintra" 2>"$uscita/errore.txt" & pid=$!
if box=$(aspetta trova_finestra Solvintra); then
    aspetta dipinta "$box"
    import -window "$box" -quality 10 "$uscita/07-missing-picture.png"
    xdotool windowfocus --sync "$box" key Return
fi
if ! aspetta finito; then
    fallisce "the program did not end after the error box"
else
    wait "$pid"; stato=$?; pid=
    [[ $stato -ne 0 ]] && grep -q "Xx.bmp" "$uscita/errore.txt" &&
        passa "missing Xx.bmp: message and exit status $stato" ||
        fallisce "missing picture: status $stato, stderr: $(cat "$uscita/errore.txt")"
fi
rm -rf "$copia"

esito
