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

errori=0
pid=
fallisce() { echo "FAIL: $*"; errori=$((errori + 1)); }
passa() { echo "PASS: $*"; }
finisci() { [[ -n "$pid" ]] && kill "$pid" 2>/dev/null; }
trap finisci EXIT

# Runs the command again until it succeeds, for ten seconds at most: every
# wait of this script waits on what it needs to see, never a fixed time.
aspetta() {
    local i
    for i in $(seq 40); do
        "$@" && return 0
        sleep 0.25
    done
    return 1
}

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

foto() { import -window "$finestra" "$uscita/$1.png"; }

# Card $1's face is seen at client point ($2, $3) in screenshot $4.
vede() {
    "$piano" confronta "$uscita/$4.png" "$2" $(($3 + menu)) "$1" >/dev/null 2>&1
}

# Takes screenshot $1, then asks the command after it about that screenshot.
foto_e() {
    foto "$1"
    shift
    "$@"
}

# Card $1's face comes to be seen at client point ($2, $3) in screenshot $4.
mostra() { aspetta foto_e "$4" vede "$@"; }

# Card $1 is seen at ($2, $3) and no longer at ($5, $6), in one screenshot $4.
spostata() { vede "$1" "$2" "$3" "$4" && ! vede "$1" "$5" "$6" "$4"; }

# The game started last has ended.
finito() { ! kill -0 "$pid" 2>/dev/null; }

eval "$("$piano" piano)" || { echo "FAIL: no plan"; exit 1; }
export SOLVINTRA_SEME=$SEME

"$build/solvintra" & pid=$!
finestra=$(aspetta trova_finestra Solvintra) || { echo "FAIL: the table never showed"; exit 1; }
menu=$(aspetta altezza_menu) || { echo "FAIL: the window has no menu bar above its table"; exit 1; }
mostra "$ASSO" "$ASSO_X" "$ASSO_Y" 01-dealt && passa "dealt table as planned" ||
    fallisce "the ace is not where the deal put it"
[[ $(identify -format %wx%h "$uscita/01-dealt.png") == "984x$((711 + menu))" ]] ||
    fallisce "the window is not 984 x 711 inside"

# Drag onto the legal pile: grab 30, 40 inside the card.
punta $((MOSSA_X + 30)) $((MOSSA_Y + 40))
xdotool mousedown 1
for passo in 1 2 3 4; do
    punta $((MOSSA_X + 30 + (META_X - MOSSA_X) * passo / 4)) \
          $((MOSSA_Y + 40 + (META_Y - MOSSA_Y) * passo / 4))
done
xdotool mouseup 1
aspetta foto_e 02-dragged spostata "$MOSSA" "$META_X" "$META_Y" 02-dragged "$MOSSA_X" "$MOSSA_Y" &&
    passa "card dragged onto its pile" ||
    fallisce "card $MOSSA is not on its new pile, or still on its old one"

# Drop over no pile: the card goes home.
punta $((VUOTO_X + 30)) $((VUOTO_Y + 40))
xdotool mousedown 1
punta $((FUORI_X + 30)) $((VUOTO_Y + 40))
mostra "$VUOTO" "$FUORI_X" "$VUOTO_Y" 03-held && passa "card follows the pointer" ||
    fallisce "card $VUOTO does not follow the pointer"
xdotool mouseup 1
mostra "$VUOTO" "$VUOTO_X" "$VUOTO_Y" 04-returned && passa "card dropped over no pile returned" ||
    fallisce "card $VUOTO did not return"

# Double-click the ace: it goes to the first corner.
punta $((ASSO_X + 34)) $((ASSO_Y + 62))
xdotool click --repeat 2 --delay 80 1
mostra "$ASSO" "$ANGOLO_X" "$ANGOLO_Y" 05-ace && passa "ace double-clicked to its corner" ||
    fallisce "ace $ASSO is not on the corner"

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
    import -window "$box" "$uscita/07-missing-picture.png"
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

echo "$((errori == 0 ? 1 : 0)) passed, $((errori == 0 ? 0 : 1)) failed"
exit $((errori == 0 ? 0 : 1))
