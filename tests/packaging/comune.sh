# Helpers shared by the packaging checks; sourced, not run.
# shellcheck shell=bash
# shellcheck disable=SC2034 # fallito, classe_finestra and lati_icona are read by the checks

# Everything a check creates goes under $cartella_prova, removed on exit with
# the X server and any game still running.
cartella_prova=$(mktemp -d "${TMPDIR:-/tmp}/solvintra-prova.XXXXXX")
pid_xvfb=
pid_gioco=
classe_finestra=

pulisci() {
    [[ -n $pid_gioco ]] && kill -9 "$pid_gioco" 2>/dev/null
    [[ -n $pid_xvfb ]] && kill "$pid_xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$cartella_prova"
}
trap pulisci EXIT

fallito=0
sbaglio() {
    echo "FAIL: $*" >&2
    fallito=1
}

# A private X server; -displayfd lets it pick a free display number itself
# and writes it, through a pipe read with a deadline, once it listens. Ready
# once it also answers a client; one that ends first is started again.
# -noreset: by default the server resets when its last client leaves, and
# drops a client that connects during the reset, such as the game started
# right after the readiness probe.
avvia_display() {
    local tubo="$cartella_prova/display" registro="$cartella_prova/xvfb.txt" tentativo numero
    for tentativo in 1 2 3; do
        rm -f "$tubo"
        mkfifo "$tubo"
        Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$tubo" 2>>"$registro" &
        pid_xvfb=$!
        if read -r -t 10 numero <"$tubo" && DISPLAY=":$numero" xdpyinfo >/dev/null 2>&1; then
            DISPLAY=":$numero"
            export DISPLAY
            return 0
        fi
        kill "$pid_xvfb" 2>/dev/null
        wait "$pid_xvfb" 2>/dev/null
        echo "Xvfb, attempt $tentativo, did not answer:" >&2
        cat "$registro" >&2
    done
    echo "FAIL: Xvfb did not start" >&2
    exit 1
}

# Starts the game through the launcher $1 from the working folder $2 and
# succeeds when the table window is up and the game is still running a moment
# later. A missing picture ends the program or leaves only a small message box,
# so a window of the table's size is the sign that every picture was found.
# With $3, saves a screenshot of the whole screen there.
prova_avvio() {
    local lanciatore=$1 lavoro=$2 schermata=${3:-}
    local casa="$cartella_prova/casa-$RANDOM"
    mkdir -p "$casa" "$lavoro"
    (cd "$lavoro" && exec env -u SOLVINTRA_IMMAGINI -u QT_QPA_PLATFORM HOME="$casa" \
        XDG_CONFIG_HOME="$casa/.config" "$lanciatore" >"$casa/uscita.txt" 2>&1) &
    pid_gioco=$!

    local finestra='' larghezza=0 altezza=0
    for _ in $(seq 100); do
        if ! kill -0 "$pid_gioco" 2>/dev/null; then
            wait "$pid_gioco"
            echo "the game ended with status $? on its own:" >&2
            cat "$casa/uscita.txt" >&2
            pid_gioco=
            return 1
        fi
        for finestra in $(timeout 5 xdotool search --onlyvisible --pid "$pid_gioco" \
            --name '^Solvintra$' 2>/dev/null); do
            eval "$(timeout 5 xdotool getwindowgeometry --shell "$finestra")"
            larghezza=$WIDTH altezza=$HEIGHT
            ((larghezza >= 900 && altezza >= 600)) && break 2
        done
        sleep 0.1
    done

    local riuscito=0
    if ((larghezza < 900 || altezza < 600)); then
        echo "no table window (largest window titled Solvintra: ${larghezza}x${altezza})" >&2
        riuscito=1
    else
        # Once the table is painted (more than two colours), the game must
        # still be running. Each look takes a screenshot, so no pause between.
        local limite=$((SECONDS + 10))
        until (($(timeout 5 import -window "$finestra" -format %k info: 2>/dev/null || echo 0) > 2)) ||
            ((SECONDS > limite)); do
            :
        done
        if ! kill -0 "$pid_gioco" 2>/dev/null; then
            echo "the game died after showing its window" >&2
            riuscito=1
        else
            # The window's class, which lets the desktop match it to its menu entry.
            classe_finestra=$(timeout 5 xprop -id "$finestra" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
            [[ -n $schermata ]] && timeout 20 import -window root -quality 10 "$schermata"
        fi
    fi
    kill -9 "$pid_gioco" 2>/dev/null
    wait "$pid_gioco" 2>/dev/null
    pid_gioco=
    return $riuscito
}

# The pictures the game reads at start-up, each also at 2x for high-density
# screens, and its rules page.
file_immagini() {
    echo Solvintra.htm tavolo.jpg
    for doppio in "" @2x; do
        echo mask$doppio.bmp Xx$doppio.bmp Posto$doppio.bmp trama$doppio.bmp
        for m in 0 1 2 3; do
            for v in 0 1 2 3 4 5 6 7 8 9; do
                echo "$m$v$doppio.bmp"
            done
        done
    done
}

lati_icona="16 24 32 48 64 128 256"

# Debian's PATH for every user (/etc/profile, /etc/login.defs) and the folders
# where the desktop looks for menu entries when XDG_DATA_DIRS is unset.
percorso_debian=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games
dati_xdg=/usr/local/share:/usr/share

# The first of the colon-separated folders $2 that holds $3 under the root $1,
# as the system would find it there; nothing when none does.
trova() {
    local radice=$1 nome=$3 elenco cartella
    IFS=: read -ra elenco <<<"$2"
    for cartella in "${elenco[@]}"; do
        [[ -e $radice$cartella/$nome ]] && { echo "$cartella/$nome"; return; }
    done
}

# The menu entry $1 must be valid, start a command in the folder $2 and show
# an icon installed under the folder $3 (the prefix's share/).
controlla_voce_menu() {
    local voce=$1 comandi=$2 dati=$3
    desktop-file-validate "$voce" || sbaglio "desktop-file-validate $(basename "$voce")"
    local exec_voce icona_voce
    exec_voce=$(sed -n 's/^Exec=//p' "$voce")
    [[ -x $comandi/${exec_voce%% *} ]] || sbaglio "Exec=$exec_voce is not in $comandi"
    icona_voce=$(sed -n 's/^Icon=//p' "$voce")
    [[ -s $dati/icons/hicolor/48x48/apps/$icona_voce.png ]] || sbaglio "Icon=$icona_voce not installed"
}

# The metainfo file $1 through AppStream's validator, hints and pedantic
# remarks included: any finding fails but these two, which no file can avoid
# on both Debian 12 and 13. The project has no public home yet, and none may
# be made up (AppStream 1.0 warns url-homepage-missing). AppStream 1.0 asks
# for <developer>, unknown before it (Debian 12's 0.16 notes unknown-tag).
valida_metainfo() {
    local risultato
    risultato=$(appstreamcli validate --no-net --pedantic "$1" 2>&1 |
        grep -E '^[EWIP]: ' | sed -E 's/^([EWIP]): [^:]*:[^:]*: /\1 /' |
        grep -v -x -e 'W url-homepage-missing' -e 'I unknown-tag developer')
    [[ -z $risultato ]] || { echo "$risultato" >&2; sbaglio "appstreamcli validate $(basename "$1")"; }
}

# Every warning man and groff give on rendering the manual page $1 as man
# does on a terminal of 80 columns.
avvisi_man() {
    { LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 "$1" >/dev/null; } 2>&1
}

# The text of the manual page $1 on one line, with no word broken across two.
testo_man() {
    LC_ALL=C.UTF-8 MANWIDTH=1000 man -l "$1" 2>/dev/null | col -b | tr -s '[:space:]' ' '
}
