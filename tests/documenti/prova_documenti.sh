#!/bin/bash
# The check of the pages of figures (controlla_documenti.sh), first on copies
# of the pages spoiled one way a row, in a repository of its own, then on the
# pages themselves.
#   prova_documenti.sh SOURCE-DIR
# shellcheck disable=SC2317 # the spoilings below are called by name from the rows
set -u
sorgenti=$1
controllo=$(dirname "$0")/controlla_documenti.sh
lavoro=$(mktemp -d "${TMPDIR:-/tmp}/solvintra-documenti.XXXXXX")
trap 'rm -rf "$lavoro"' EXIT

fallito=0
sbaglio() {
    echo "FAIL: $*" >&2
    fallito=1
}

# A repository of three commits: A, then B on it (HEAD), and S on A beside B,
# an existing commit that HEAD does not descend from. Without git, only the
# rows with no history can run.
storia=$lavoro/storia
senza_git=0
A=a000000 B=b000000 S=c000000 intero=a000000
if command -v git >/dev/null; then
    export GIT_AUTHOR_NAME=prova GIT_AUTHOR_EMAIL=prova@example.invalid
    export GIT_COMMITTER_NAME=prova GIT_COMMITTER_EMAIL=prova@example.invalid
    # Fixed dates, so the same commits every run: each abbreviation holds a
    # letter and a figure, as a commit the check reads must.
    export GIT_AUTHOR_DATE="2026-12-09T12:00:00Z" GIT_COMMITTER_DATE="2026-12-09T12:00:00Z"
    # The user's and the system's settings (signing, hooks) left out.
    git_prova() { GIT_CONFIG_GLOBAL=/dev/null GIT_CONFIG_NOSYSTEM=1 git -C "$storia" "$@"; }
    mkdir "$storia" && git_prova init -q || exit 1
    albero=$(git_prova write-tree)
    A=$(git_prova commit-tree "$albero" -m A)
    B=$(git_prova commit-tree "$albero" -p "$A" -m B)
    S=$(git_prova commit-tree "$albero" -p "$A" -m S)
    git_prova update-ref HEAD "$B"
    intero=$A A=${A:0:7} B=${B:0:7} S=${S:0:7}
else
    echo "SKIP: git is not installed: only the rows without history run"
    senza_git=1
fi

# The pages as they stand, every commit they name made A, so that they pass
# in that repository as the real ones do in theirs.
for pagina in performance winnability; do
    espressioni=(-e '')
    for commit in $("$controllo" --commit "$sorgenti/docs/$pagina.md"); do
        espressioni+=(-e "s/\b$commit\b/$A/g")
    done
    sed "${espressioni[@]}" "$sorgenti/docs/$pagina.md" >"$lavoro/$pagina.md"
done

# The ways to spoil a page, each given the page and the row's argument, and
# called by its name in the rows.
aggiungi() { printf '%s\n' "$2" >>"$1"; }
allunga() { # to $2 lines
    local righe
    righe=$(wc -l <"$1")
    while ((righe < $2)); do
        echo "riga" >>"$1"
        righe=$((righe + 1))
    done
}
# The first row of the first table: another row for its figure, or its build
# cell's commit replaced.
prima_riga() { grep -nm1 "^|.*\b$A\b" "$1" | cut -d: -f1; }
ripeti_riga() {
    local n
    n=$(prima_riga "$1")
    sed -i -e "${n}p" -e "${n}s/\b$A\b/$2/" "$1"
}
cambia_build() { sed -i "$(prima_riga "$1")s/\b$A\b/$2/" "$1"; }
togli() { rm "$1"; }
# The first row's figure, in a section of its own.
altra_sezione() {
    local figura
    figura=$(sed -n "$(prima_riga "$1")p" "$1" | cut -d'|' -f2)
    printf '\n## Altro\n\n| figura | build |\n|---|---|\n|%s| %s |\n' "$figura" "$2" >>"$1"
}

riga=$lavoro/riga
mkdir "$riga"
performance=$(<"$lavoro/performance.md")
winnability=$(<"$lavoro/winnability.md")

# name; the history: the repository above, or none; the page; the spoiling,
# with its argument; the exit status; what the output must say.
while IFS=';' read -r nome con_storia pagina guasto stato atteso; do
    [[ -z $nome || $nome == \#* ]] && continue
    for campo in nome con_storia pagina stato atteso; do
        read -r "${campo?}" <<<"${!campo}" # the blanks around it dropped
    done
    if ((senza_git)) && [[ $con_storia == storia ]]; then
        echo "SKIP: $nome"
        continue
    fi
    read -r azione argomento <<<"$guasto"
    argomento=${argomento//@A/$A} argomento=${argomento//@B/$B} argomento=${argomento//@S/$S}
    argomento=${argomento//@intero/$intero} atteso=${atteso//@S/$S}
    printf '%s\n' "$performance" >"$riga/performance.md"
    printf '%s\n' "$winnability" >"$riga/winnability.md"
    [[ $azione == nulla ]] || "$azione" "$riga/$pagina.md" "$argomento"
    cartella=$storia
    [[ $con_storia == nessuna ]] && cartella=$riga
    uscita=$("$controllo" "$cartella" "$riga"/{performance,winnability}.md 2>&1)
    avuto=$?
    if [[ $avuto != "$stato" ]]; then
        sbaglio "$nome: exit status $avuto, not $stato: $(head -5 <<<"$uscita")"
    elif [[ $uscita != *"$atteso"* ]]; then
        sbaglio "$nome: the output does not say '$atteso': $(head -5 <<<"$uscita")"
    else
        echo "PASS: $nome"
    fi
done <<'RIGHE'
# name                                  ; history ; page        ; spoiling                     ; exit ; says
the pages as they stand                 ; storia  ; performance ; nulla                        ; 0    ;
HEAD named                              ; storia  ; winnability ; aggiungi built at @B         ; 0    ;
an ancestor named in full               ; storia  ; performance ; aggiungi built at @intero    ; 0    ;
a commit HEAD does not descend from     ; storia  ; winnability ; aggiungi built at @S         ; 1    ; commit @S is not an ancestor of HEAD
a commit of no repository               ; storia  ; performance ; aggiungi built at 0bad0bad0  ; 1    ; 0bad0bad0 is no commit of this repository
numbers and words are no commits        ; storia  ; performance ; aggiungi 24000000 defaced    ; 0    ;
winnability.md at its limit             ; storia  ; winnability ; allunga 400                  ; 0    ;
winnability.md one line over            ; storia  ; winnability ; allunga 401                  ; 1    ; has 401 lines, over its limit of 400
performance.md at its limit             ; storia  ; performance ; allunga 300                  ; 0    ;
performance.md one line over            ; storia  ; performance ; allunga 301                  ; 1    ; has 301 lines, over its limit of 300
a figure given again for another build  ; storia  ; performance ; ripeti_riga @B               ; 1    ; is given again, for build
a figure given again for the same build ; storia  ; performance ; ripeti_riga @A               ; 1    ; is given again, for build
a figure given for two builds in a row  ; storia  ; performance ; cambia_build @A, @B          ; 1    ; gives 2 builds
a figure given for no build             ; storia  ; performance ; cambia_build to be taken     ; 1    ; names no build
a table without a build column          ; storia  ; performance ; aggiungi | figure | value |  ; 1    ; a table with no column headed "build"
the same figure in another section      ; storia  ; performance ; altra_sezione @B             ; 0    ;
winnability.md's tables are free        ; storia  ; winnability ; aggiungi | figure | value |  ; 0    ;
a page missing                          ; storia  ; winnability ; togli                        ; 1    ; cannot be read
no git history: skipped                 ; nessuna ; performance ; nulla                        ; 77   ; no git history
no git history, a page too long         ; nessuna ; performance ; allunga 301                  ; 1    ; has 301 lines
RIGHE

# The pages themselves.
"$controllo" "$sorgenti" "$sorgenti"/docs/{performance,winnability}.md
stato=$?
((fallito)) && exit 1
((senza_git && stato == 0)) && exit 77
exit $stato
