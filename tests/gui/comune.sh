# Helpers shared by the scripts that drive the real game under a display
# server; sourced, never run.

errori=0
fallisce() { echo "FAIL: $*"; errori=$((errori + 1)); }
passa() { echo "PASS: $*"; }

# Runs the command again until it succeeds, for thirty seconds at most however
# long each try takes (a sanitized game on a busy machine has been seen to
# take over ten to show a drop): every wait of these scripts waits on what it
# needs to see, never a fixed time.
aspetta() {
    local fine=$((SECONDS + 30))
    until "$@"; do
        ((SECONDS < fine)) || return 1
        sleep 0.25
    done
}

# Runs the command after the name of a screenshot, then the one after it
# about that screenshot.
foto_e() {
    foto "$1"
    shift
    "$@"
}

# Where the screenshots show the table's top-left corner, in logical pixels,
# and how many of their pixels make one: set by the script.
origine_x=0
origine_y=0
scala=1

# Card $1's face is seen at table point ($2, $3) in screenshot $4.
vede() {
    "$piano" confronta "$uscita/$4.png" $(($2 + origine_x)) $(($3 + origine_y)) "$1" "$scala" \
        >/dev/null 2>&1
}

# Card $1's face comes to be seen at table point ($2, $3) in screenshot $4.
mostra() { aspetta foto_e "$4" vede "$@"; }

# Card $1 is seen at ($2, $3) and no longer at ($5, $6), in one screenshot $4.
spostata() { vede "$1" "$2" "$3" "$4" && ! vede "$1" "$5" "$6" "$4"; }

# The moves both kinds of display server are tried with; `punta` moves the
# pointer to a table point and returns once it is there.
# A drag onto the planned legal pile, grabbing 30, 40 inside the card.
trascina_sul_pozzo() {
    punta $((MOSSA_X + 30)) $((MOSSA_Y + 40))
    xdotool mousedown 1
    for passo in 1 2 3 4; do
        punta $((MOSSA_X + 30 + (META_X - MOSSA_X) * passo / 4)) \
              $((MOSSA_Y + 40 + (META_Y - MOSSA_Y) * passo / 4))
    done
    xdotool mouseup 1
    # Off the cards: a compositor draws the pointer into its screenshots.
    punta "$FUORI_X" 0
    aspetta foto_e 02-dragged spostata "$MOSSA" "$META_X" "$META_Y" 02-dragged "$MOSSA_X" "$MOSSA_Y" &&
        passa "card dragged onto its pile" ||
        fallisce "card $MOSSA is not on its new pile, or still on its old one"
}

# A double-click on the planned ace sends it to the first corner.
# A busy machine may delay a compositor between the two clicks past the
# double-click time: the ace then stays where it is, two plain clicks on a
# face-up card change nothing, and it is double-clicked again.
asso_all_angolo() {
    local volta
    for volta in 1 2; do
        punta $((ASSO_X + 34)) $((ASSO_Y + 62))
        xdotool click --repeat 2 --delay 80 1
        mostra "$ASSO" "$ANGOLO_X" "$ANGOLO_Y" 05-ace &&
            { passa "ace double-clicked to its corner"; return; }
    done
    fallisce "ace $ASSO is not on the corner"
}

# The closing line ctest's reader and a person both see, and the exit status.
esito() {
    echo "$((errori == 0 ? 1 : 0)) passed, $((errori == 0 ? 0 : 1)) failed"
    exit $((errori == 0 ? 0 : 1))
}
