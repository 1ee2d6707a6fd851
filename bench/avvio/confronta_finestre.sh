#!/usr/bin/env bash
# Start-up side by side with another program, by the window alone: from the
# process start to the map of its first top-level window, and its peak
# resident memory until 2 s later (the first paint done), for the floor, the
# game and any commands given, interleaved run by run in one private Xvfb,
# each run with a fresh HOME and a private session bus, started before the
# clock. Medians, and the median of each run's time over the floor's run
# beside it, which other load on the machine sways less.
#   confronta_finestre.sh BUILD_DIR SCALE RUNS [NAME=COMMAND ...]
# e.g. confronta_finestre.sh build 2 7 aisleriot=/usr/games/sol
# GTK programs take the scale from GDK_SCALE, the Qt ones from QT_SCALE_FACTOR.
set -euo pipefail

build=$1
scala=$2
volte=$3
# Seconds after the map over which the peak memory is taken.
DOPO_LA_MAPPA=2
shift 3
nomi=(pavimento solvintra)
comandi=("$build/bench/avvio/pavimento" "$build/solvintra")
for voce in "$@"; do
    nomi+=("${voce%%=*}")
    comandi+=("${voce#*=}")
done

schermo=:$((90 + RANDOM % 100))
Xvfb "$schermo" -screen 0 2048x1600x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
osservatore=
trap 'kill $osservatore $xvfb 2>/dev/null' EXIT
trap 'exit 1' INT TERM
pronto=
for _ in $(seq 100); do
    xdpyinfo -display "$schermo" >/dev/null 2>&1 && pronto=1 && break
    sleep 0.1
done
[[ -n $pronto ]] || { echo "Xvfb did not answer on $schermo" >&2; exit 1; }
export DISPLAY=$schermo QT_SCALE_FACTOR=$scala GDK_SCALE=$scala QT_QPA_PLATFORM=xcb

# One run: "ms MiB" on stdout. The watcher is connected before the start.
misura() {
    local casa tubo inizio mappata memoria
    casa=$(mktemp -d)
    tubo=$(mktemp -u)
    mkfifo "$tubo"
    stdbuf -oL xev -root -event substructure -event property >"$tubo" &
    osservatore=$!
    exec 3<"$tubo"
    # The watcher listens once it reports a change of the root's properties.
    local pronto=
    while [[ -z $pronto ]]; do
        xprop -root -f _MISURA 8s -set _MISURA "$EPOCHREALTIME"
        while read -r -t 0.1 riga <&3; do
            [[ $riga == PropertyNotify* ]] && pronto=1 && break
        done
    done
    local bus pidbus
    { read -r bus && read -r pidbus; } < <(dbus-daemon --session --fork --print-address=1 \
        --print-pid=1)
    inizio=$EPOCHREALTIME
    HOME=$casa XDG_CONFIG_HOME=$casa/.config DBUS_SESSION_BUS_ADDRESS=$bus \
        /usr/bin/time -f %M -o "$casa/memoria" "$@" >/dev/null 2>&1 &
    local programma=$!
    while read -r riga <&3; do
        [[ $riga == MapNotify* ]] && break
    done
    mappata=$EPOCHREALTIME
    kill "$osservatore"
    osservatore=
    exec 3<&-
    # Not a wait for anything: the measure is the peak memory over a fixed
    # span after the map, which takes in the first paint and what follows it.
    sleep "$DOPO_LA_MAPPA"
    # The program started by time is its only child: end it, then time reports.
    kill $(pgrep -P "$programma") 2>/dev/null || true
    wait "$programma" 2>/dev/null || true
    kill "$pidbus" 2>/dev/null || true
    memoria=$(tail -1 "$casa/memoria")
    rm -rf "$casa" "$tubo"
    echo "$(echo "($mappata - $inizio) * 1000" | bc) $(echo "scale=1; $memoria / 1024" | bc)"
}

mediana() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

declare -A ms mb rapporti
for i in "${!comandi[@]}"; do misura ${comandi[$i]} >/dev/null; done # warm-up
for _ in $(seq "$volte"); do
    for i in "${!comandi[@]}"; do
        read -r t m < <(misura ${comandi[$i]})
        ms[$i]+="$t "
        mb[$i]+="$m "
        # Each run's time against the floor's run just before it, under the same load.
        [[ $i == 0 ]] && pavimento=$t
        rapporti[$i]+="$(echo "scale=4; $t / $pavimento" | bc) "
    done
done
echo "scale $scala, medians of $volte runs: window ms, peak MiB, time against the floor's run beside it"
for i in "${!comandi[@]}"; do
    printf '%-12s %8.1f %8.1f %7.2fx\n' "${nomi[$i]}" \
        "$(tr ' ' '\n' <<<"${ms[$i]}" | grep . | mediana)" \
        "$(tr ' ' '\n' <<<"${mb[$i]}" | grep . | mediana)" \
        "$(tr ' ' '\n' <<<"${rapporti[$i]}" | grep . | mediana)"
done
