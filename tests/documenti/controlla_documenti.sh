#!/bin/bash
# Keeps the two pages of figures honest:
#   - every commit they name is an ancestor of HEAD, so a reader can check out
#     the build a figure came from (a commit of a branch never merged, or one
#     rewritten away, is not);
#   - each stays within its length: winnability.md 400 lines, performance.md 300;
#   - performance.md gives each figure for one build: every table there has a
#     column headed `build` holding exactly one commit, and the first cell of
#     a row, the figure's name, is not given again in the same section.
# A commit is a word of 7 to 40 hexadecimal digits with at least one letter
# and one figure, so that neither a number nor a word such as "defaced" is one.
#   controlla_documenti.sh GIT-DIR PERFORMANCE.md WINNABILITY.md
# Exit status 0, 1 with a FAIL line for each fault, or 77 (skipped) when the
# pages pass all else but GIT-DIR has no whole history to check commits in.
#   controlla_documenti.sh --commit PAGE
# lists the commits the check reads in PAGE, one a line.
set -u

# One pass over the pages, each given as limite=LINES tabelle=0|1 PAGE (the
# tables checked when 1): a FAIL line for each fault, then "commit LINE HASH
# PAGE" for each commit a page names, at its first line there.
leggi() {
    awk '
        function celle(riga, c,   n, i) {
            sub(/^[ \t]*\|/, "", riga)
            sub(/\|[ \t]*$/, "", riga)
            n = split(riga, c, "|")
            for (i = 1; i <= n; i++) gsub(/^[ \t]+|[ \t]+$/, "", c[i])
            return n
        }
        # How many commits a text names; `trovati` lists them.
        function commit(testo,   parole, n, i, quanti) {
            trovati = ""
            n = split(testo, parole, /[^0-9A-Za-z_]+/)
            for (i = 1; i <= n; i++) {
                if (parole[i] ~ /^[0-9a-f]+$/ && length(parole[i]) >= 7 &&
                    length(parole[i]) <= 40 && parole[i] ~ /[a-f]/ && parole[i] ~ /[0-9]/) {
                    trovati = trovati (quanti++ ? ", " : "") parole[i]
                    if (!((pagina, parole[i]) in prima)) {
                        prima[pagina, parole[i]] = FNR
                        elenco[++nomi] = pagina SUBSEP parole[i]
                    }
                }
            }
            return quanti
        }
        function sbaglio(testo) { print "FAIL: " pagina ":" FNR ": " testo }
        function lunghezza() {
            if (righe > sua_lunghezza)
                print "FAIL: " pagina " has " righe " lines, over its limit of " sua_lunghezza
        }
        FNR == 1 {
            if (pagina != "") lunghezza()
            pagina = FILENAME
            sua_lunghezza = limite
            sue_tabelle = tabelle
            tabella = 0
            sezione = ""
        }
        { righe = FNR; commit($0) }
        /^#/ { sezione = $0 }
        !/^\|/ { tabella = 0; next }
        !sue_tabelle { next }
        !tabella {
            tabella = 1
            colonna = 0
            n = celle($0, c)
            for (i = 1; i <= n; i++) if (c[i] == "build") colonna = i
            if (!colonna) sbaglio("a table with no column headed \"build\"")
            next
        }
        /^\|[ \t:|-]*$/ || !colonna { next }
        {
            celle($0, c)
            figura = c[1]
            quanti = commit(c[colonna])
            if (quanti == 0)
                sbaglio("\"" figura "\" names no build")
            else if (quanti > 1)
                sbaglio("\"" figura "\" gives " quanti " builds (" trovati "), not one")
            chiave = sezione SUBSEP figura
            if (chiave in dove)
                sbaglio("\"" figura "\" is given again, for build " trovati \
                        " (line " dove[chiave] ", build " build[chiave] ")")
            dove[chiave] = FNR
            build[chiave] = trovati
        }
        END {
            if (pagina != "") lunghezza()
            for (i = 1; i <= nomi; i++) {
                split(elenco[i], parti, SUBSEP)
                print "commit " prima[elenco[i]] " " parti[2] " " parti[1]
            }
        }
    ' "$@"
}

if [[ ${1-} == --commit ]]; then
    leggi limite=0 tabelle=0 "$2" | awk '$1 == "commit" { print $3 }'
    exit 0
fi

git_dir=$1
for pagina in "$2" "$3"; do
    [[ -r $pagina ]] || { echo "FAIL: $pagina cannot be read" >&2; exit 1; }
done
fallito=0
commit=() # "LINE HASH PAGE"
while read -r tipo resto; do
    if [[ $tipo == FAIL: ]]; then
        echo "FAIL: $resto" >&2
        fallito=1
    else
        commit+=("$resto")
    fi
done < <(leggi limite=300 tabelle=1 "$2" limite=400 tabelle=0 "$3")

# The commits: only with the whole history at hand (a shallow clone lacks the
# older ones; a tree from an archive has none).
if ! storia=$(git -C "$git_dir" rev-parse --is-shallow-repository 2>&1) || [[ $storia == true ]]; then
    ((fallito)) && exit 1
    [[ $storia == true ]] && storia="a shallow clone"
    echo "SKIP: no git history in $git_dir, so the pages' commits were not checked ($storia)"
    exit 77
fi
# HEAD's ancestors, HEAD too, by their first 7 digits: one call to git
# however many commits the pages name (as git merge-base --is-ancestor
# would answer each).
declare -A antenati
while read -r intero; do
    antenati[${intero:0:7}]+="$intero "
done < <(git -C "$git_dir" rev-list HEAD)
antenato() {
    local intero
    for intero in ${antenati[${1:0:7}]-}; do
        [[ $intero == "$1"* ]] && return 0
    done
    return 1
}
for voce in "${commit[@]}"; do
    read -r riga hash pagina <<<"$voce"
    antenato "$hash" && continue
    if git -C "$git_dir" rev-parse -q --verify "$hash^{commit}" >/dev/null; then
        echo "FAIL: $pagina:$riga: commit $hash is not an ancestor of HEAD" >&2
    else
        echo "FAIL: $pagina:$riga: $hash is no commit of this repository" >&2
    fi
    fallito=1
done
exit $fallito
