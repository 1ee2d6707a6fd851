#!/bin/bash
# solvintra-verifica(6) against the program: every option its --help prints
# has an entry in the page's OPTIONS, and the page lists no other.
#   controlla_pagina.sh SOLVINTRA-VERIFICA PAGE
set -u
aiuto=$("$1" --help) || { echo "FAIL: --help failed" >&2; exit 1; }
dal_programma=$(grep -oE '^ +(-[a-zA-Z], )?--[a-z-]+' <<<"$aiuto" | grep -oE -- '--[a-z-]+' | sort)
dalla_pagina=$(awk '/^\.SH/ { dentro = ($0 == ".SH OPTIONS") } dentro' "$2" | grep -A1 '^\.TP' |
    grep -oE '\\-\\-[a-z\\-]+' | sed 's/\\//g' | sort)
[[ -n $dal_programma ]] || { echo "FAIL: no option read from --help" >&2; exit 1; }
if [[ $dal_programma != "$dalla_pagina" ]]; then
    echo "FAIL: --help has '$(echo $dal_programma)', solvintra-verifica(6) '$(echo $dalla_pagina)'" >&2
    exit 1
fi
