#!/usr/bin/env bash
# Runs the game as a native Wayland client of a real compositor: weston, on
# its x11 backend inside the private X server this script runs under
# (xvfb-run), which passes xdotool's pointer on as Wayland pointer events.
# At the scale given: the window's app_id and size, the pictures of the
# scale's density, a drag onto a pile and a double-clicked ace. Checks by the
# pixels of screenshots of the compositor's output.
# Usage: prova_wayland.sh BUILD_DIR GUI_PIANO OUTPUT_DIR SCALE
set -uo pipefail

build=$1
piano=$2
uscita=$3
qui=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$uscita"
source "$qui/../gui/comune.sh"
scala=$4

# A runtime folder of our own, as a login gives one: the compositor's socket
# lives there, and nothing of another run can be met.
XDG_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/solvintra-wayland.XXXXXX")
export XDG_RUNTIME_DIR
export SOLVINTRA_IMMAGINI="$build/Immagini"
export XDG_CONFIG_HOME="$uscita/config"
presa=solvintra-wayland

compositore=
pid=
finisci() {
    [[ -n "$pid" ]] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    [[ -n "$compositore" ]] && kill "$compositore" 2>/dev/null && wait "$compositore" 2>/dev/null
    rm -rf "$XDG_RUNTIME_DIR"
}
trap finisci EXIT

# The output is 1200 x 900 logical pixels, room for the 984 x 711 table.
weston --config="$qui/weston.ini" --backend=x11-backend.so --socket="$presa" \
    --width=1200 --height=900 --scale="$scala" >"$uscita/weston.log" 2>&1 &
compositore=$!
aspetta test -S "$XDG_RUNTIME_DIR/$presa" ||
    { echo "FAIL: weston did not start: $(tail -5 "$uscita/weston.log")"; exit 1; }

# Compressed at zlib's fastest level: the plan reads them back, and the default
# level spent more processor time than the checks themselves.
foto() { import -window root -quality 10 "$uscita/$1.png"; }

# A table point; returns once the pointer is there.
punta() {
    xdotool mousemove --sync $(((origine_x + $1) * scala)) $(((origine_y + $2) * scala))
}

# The planned ace's face is seen somewhere on the output: the table's
# top-left corner, in logical pixels, follows.
trova_tavolo() {
    local x y
    read -r x y < <("$piano" cerca "$uscita/01-dealt.png" "$ASSO" "$scala" 2>/dev/null) ||
        return 1
    origine_x=$((x / scala - ASSO_X))
    origine_y=$((y / scala - ASSO_Y))
}

# An object in libwayland's debug log: interface@id up to 1.22, interface#id
# from 1.23 (Debian 13).
oggetto() { printf '%s[@#][0-9]*' "$1"; }

# The window's logical size, as the client last set it: "984 730".
geometria() {
    sed -n "s/.*$(oggetto xdg_surface)\\.set_window_geometry(0, 0, \\([0-9]*\\), \\([0-9]*\\)).*/\\1 \\2/p" \
        "$uscita/wayland.log" 2>/dev/null | tail -1
}
mostrata() { [[ -n "$(geometria)" ]]; }

eval "$("$piano" piano)" || { echo "FAIL: no plan"; exit 1; }

# The log is emptied here, not by the game's redirection: that happens in the
# child, after the waits below may already have read an earlier run's log.
: >"$uscita/wayland.log"
# No client-side frame: the window is the table and its menu bar alone.
SOLVINTRA_SEME=$SEME WAYLAND_DISPLAY=$presa QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
    QT_WAYLAND_DISABLE_WINDOWDECORATION=1 "$build/solvintra" 2>>"$uscita/wayland.log" &
pid=$!

aspetta mostrata || { echo "FAIL: the window never showed"; exit 1; }
read -r largo alto < <(geometria)
menu=$((alto - 711))
((largo == 984 && menu > 0)) && passa "window 984 x 711 with a menu bar above, at scale $scala" ||
    fallisce "window $largo x $alto at scale $scala"
grep -q "create_buffer(new id $(oggetto wl_buffer), [0-9]*, $((largo * scala)), $((alto * scala))," \
    "$uscita/wayland.log" && passa "buffer of $((largo * scala)) x $((alto * scala)) pixels" ||
    fallisce "no buffer of the window's size at scale $scala"
grep -q "$(oggetto xdg_toplevel)"'\.set_app_id("org.example.solvintra")' "$uscita/wayland.log" &&
    passa "app_id org.example.solvintra" || fallisce "app_id is not org.example.solvintra"
grep -q 'Could not find the Qt platform plugin' "$uscita/wayland.log" &&
    fallisce "not a native Wayland client"

# The ace at the scale's own density: a 1x face blown up never matches at 2.
aspetta foto_e 01-dealt trova_tavolo &&
    passa "dealt table with the ${scala}x pictures at ($origine_x, $origine_y)" ||
    { fallisce "no ${scala}x ace on the output"; esito; }

# weston's x11 backend may miss where the X pointer starts, and then passes
# no move on: the pointer leaves its window and comes back, which it always
# sees, until the game is told the pointer entered its window.
entrato() {
    xdotool mousemove --sync $((1200 * scala + 20)) 10 && punta "$FUORI_X" 2 &&
        grep -q "$(oggetto wl_pointer)\\.enter(" "$uscita/wayland.log"
}
aspetta entrato || fallisce "the pointer never entered the window"

trascina_sul_pozzo
asso_all_angolo
esito
