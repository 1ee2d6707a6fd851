#!/bin/bash
# The manual pages against the programs: every long option that
# `solvintra-risolvi --help` prints is in solvintra-risolvi(6) with the same
# defaults, and no other; solvintra(6) names the environment variables, the
# settings file and the pictures folder that the game's sources read.
#   controlla_pagine_man.sh SOLVINTRA-RISOLVI SOURCE-DIR
set -u
risolvi=$1
sorgenti=$2
pagina_risolvi=$sorgenti/packaging/solvintra-risolvi.6
pagina_gioco=$sorgenti/packaging/solvintra.6

fallito=0
sbaglio() {
    echo "FAIL: $*" >&2
    fallito=1
}

# The text of the entry of an option in a page: from the .TP whose tag names
# it (hyphens written \-) to the next .TP or section.
voce() {
    local segno=${1//-/\\-}
    awk -v segno="\\-\\-$segno" '
        /^\.(TP|SH|SS)/ { dentro = 0; etichetta = ($0 == ".TP"); next }
        etichetta { etichetta = 0; resto = substr($0, index($0, segno) + length(segno))
                    dentro = index($0, segno) > 0 && resto !~ /^[a-z\\]/ }
        dentro' "$2"
}

# A section of a page: from .SH NAME to the next .SH.
sezione() {
    awk -v nome=".SH $1" '/^\.SH/ { dentro = ($0 == nome); next } dentro' "$2"
}

aiuto=$("$risolvi" --help) || sbaglio "solvintra-risolvi --help failed"

# Each option of the help, with the text of its entry up to the next option.
opzioni=$(grep -oE '^ +(-[a-zA-Z], )?--[a-z-]+' <<<"$aiuto" | sed -E 's/.*--//')
[[ $(wc -l <<<"$opzioni") -ge 10 ]] || sbaglio "too few options read from --help: $opzioni"
for opzione in $opzioni; do
    testo=$(awk -v segno="--$opzione" '
        match($0, /^ +(-[a-zA-Z], )?--[a-z-]+/) {
            testa = substr($0, RSTART, RLENGTH); sub(/.*--/, "--", testa); dentro = (testa == segno) }
        /^$/ { dentro = 0 }
        dentro' <<<"$aiuto" | tr '\n' ' ' | tr -s ' ')
    entrata=$(voce "$opzione" "$pagina_risolvi")
    if [[ -z $entrata ]]; then
        sbaglio "--$opzione is in --help but not in solvintra-risolvi(6)"
        continue
    fi
    predefiniti=$(grep -oE '\(predefinito: [^)]*\)' <<<"$testo" | grep -oE '[0-9]+')
    for numero in $predefiniti; do
        grep -qwF -- "$numero" <<<"$entrata" ||
            sbaglio "--$opzione: default $numero in --help, not in solvintra-risolvi(6)"
    done
done

# No option in the page that the program no longer takes.
for segno in $(sezione OPTIONS "$pagina_risolvi" | grep -A1 '^\.TP' |
    grep -oE '\\-\\-[a-z\\-]+' | sed -E 's/\\//g; s/^--//'); do
    grep -qx -- "$segno" <<<"$opzioni" ||
        sbaglio "--$segno is in solvintra-risolvi(6) but not in --help"
done

# The game: what its sources read from the environment; the folder of the
# settings when they ask the desktop for it.
giochi=("$sorgenti"/{table,store,windows,cards})
variabili=$(grep -rhoE '(qgetenv|getenv|qEnvironmentVariable[A-Za-z]*)\("[A-Z0-9_]+"' \
    "${giochi[@]}" | grep -oE '"[A-Z0-9_]+"' | tr -d '"' | sort -u)
if grep -rq 'GenericConfigLocation' "${giochi[@]}"; then
    variabili=$(printf '%s\nXDG_CONFIG_HOME\n' "$variabili" | sed '/^$/d' | sort -u)
fi
[[ -n $variabili ]] || sbaglio "no environment variable found in the game's sources"
ambiente=$(sezione ENVIRONMENT "$pagina_gioco" | grep -A1 '^\.TP' | grep -oE '^\.B [A-Z0-9_]+' |
    cut -c4- | sort -u)
[[ $ambiente == "$variabili" ]] ||
    sbaglio "solvintra(6) ENVIRONMENT lists '$(echo $ambiente)', the game reads '$(echo $variabili)'"

applicazione=$(grep -ohP 'NomeApplicazione = QStringLiteral\("\K[^"]+' "$sorgenti"/store/*.cpp)
blocco=$(grep -ohP 'NomeBlocco = QStringLiteral\("\K[^"]+' "$sorgenti"/store/*.cpp)
gruppo=$(grep -ohP 'Sezione = QByteArrayLiteral\("\K[^"]+' "$sorgenti"/store/*.cpp)
immagini=$(grep -ohP 'applicationDirPath\(\)\)\.filePath\(QStringLiteral\("\K[^"]+' \
    "$sorgenti"/table/*.cpp)
file=$(sezione FILES "$pagina_gioco")
for atteso in "\$XDG_CONFIG_HOME/$applicazione/$applicazione.ini" "$blocco" "[$gruppo]" \
    "/$immagini/" ".I $immagini"; do
    [[ $atteso != *//* && $atteso != *'[]'* && $atteso != '.I ' ]] ||
        sbaglio "a name was not found in the game's sources: '$atteso'"
    grep -qF -- "$atteso" <<<"$file" || sbaglio "solvintra(6) FILES does not give '$atteso'"
done

exit $fallito
