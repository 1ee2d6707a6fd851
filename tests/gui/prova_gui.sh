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

# The first window with this exact name, waiting at most ten seconds.
aspetta_finestra() {
    local i id
    for i in $(seq 50); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.2
    done
    return 1
}

# A point of the client area in window coordinates.
punta() { xdotool mousemove --window "$finestra" "$1" $(($2 + menu)); }

foto() { import -window "$finestra" "$uscita/$1.png"; }

# Card $1's face is seen at client point ($2, $3) in screenshot $4.
vede() {
    "$piano" confronta "$uscita/$4.png" "$2" $(($3 + menu)) "$1" >/dev/null 2>&1
}

# The same, taking screenshot $4 again until it shows, for five seconds at most.
mostra() {
    local i
    for i in $(seq 10); do
        foto "$4"
        vede "$@" && return 0
        sleep 0.5
    done
    return 1
}

eval "$("$piano" piano)" || { echo "FAIL: no plan"; exit 1; }
export SOLVINTRA_SEME=$SEME

"$build/solvintra" & pid=$!
finestra=$(aspetta_finestra Solvintra) || { echo "FAIL: the table never showed"; exit 1; }
sleep 0.5
altezza=$(xdotool getwindowgeometry "$finestra" | sed -n 's/.*Geometry: [0-9]*x//p')
menu=$((altezza - 711))
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
    sleep 0.1
done
xdotool mouseup 1
mostra "$MOSSA" "$META_X" "$META_Y" 02-dragged && passa "card dragged onto its pile" ||
    fallisce "card $MOSSA is not on its new pile"
vede "$MOSSA" "$MOSSA_X" "$MOSSA_Y" 02-dragged && fallisce "card $MOSSA still on its old pile"

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
if box=$(aspetta_finestra Solvintra); then
    sleep 0.5
    import -window "$box" "$uscita/07-missing-picture.png"
    xdotool windowfocus --sync "$box" key Return
fi
for i in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
if kill -0 "$pid" 2>/dev/null; then
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
