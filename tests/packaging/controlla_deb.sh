#!/usr/bin/env bash
# Builds the Debian package aside from the build folder's own, checks its
# control fields and contents and has lintian judge it, installs it into a
# scratch root and checks that the command, the manual page and the menu entry
# are where the system looks for them, and starts the game from there. Unless
# the build is sanitized, also checks Debian's hardening and that the package
# is reproducible: the same sources built again elsewhere, in other ways, in
# the folder RIPROVA (kept, so that a later run rebuilds only what changed),
# must give the same bytes.
# Usage: controlla_deb.sh BUILD_DIR VERSION SOURCE_DIR SANITIZED(0|1) RIPROVA
set -uo pipefail
build=$1
versione=$2
sorgenti=$3
sanitizzata=$4
riprova=$5
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/comune.sh"

# Packs the tree as built in the folder $1 into the folder $2, like every
# other test uses it: make package would first rebuild it, which is not this
# check's business. cpack runs a build step only for generators with a
# "preinstall" target, and Ninja has none.
impacchetta() {
    local albero=$1 uscita=$2
    mkdir -p "$uscita"
    printf 'include("%s/CPackConfig.cmake")\nset(CPACK_CMAKE_GENERATOR Ninja)\n' "$albero" \
        >"$uscita/CPackConfig.cmake"
    cpack --config "$uscita/CPackConfig.cmake" -B "$uscita" >"$uscita/cpack.txt" 2>&1 ||
        { cat "$uscita/cpack.txt" >&2; exit 1; }
}

# The sources as they are now, with their times, copied to $1, so that a
# build there rebuilds only what changed since the last copy. The folder $2
# inside the sources, where the first build is, is neither copied nor cleared.
copia_sorgenti() {
    local copia=$1 escluso=$2
    mkdir -p "$copia"
    find "$copia" -mindepth 1 -maxdepth 1 ! -name "${escluso%%/*}" -exec rm -rf {} +
    (cd "$sorgenti" && git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' file; do
            [[ -e $file && $file != "$escluso"/* ]] && printf '%s\0' "$file"
        done | xargs -0 cp -p --parents -t "$copia")
}

# Builds the package again from a copy of the sources at another path, with
# the first build's type and generator, under the other of the two usual
# umasks, in a time zone far from the caller's, at another time of day, and
# with SOURCE_DATE_EPOCH unset if the caller set it to the changelog's date,
# set to that date if the caller left it unset. Every byte must be the same.
controlla_riproducibile() {
    if ! git -C "$sorgenti" rev-parse 2>/dev/null; then
        echo "not a git checkout: reproducibility not checked" >&2
        return
    fi
    # The second build folder lies in the copy where the first lies in the
    # sources, as in a clone elsewhere built the same way: the compiler may be
    # given paths relative to the build folder (a compiler cache does that).
    local copia="$riprova/sorgenti" relativo=build albero secondo="$cartella_prova/secondo"
    [[ $build == "$sorgenti"/* ]] && relativo=${build#"$sorgenti"/}
    albero="$copia/$relativo"
    local maschera=0002 zona=Etc/GMT-14 epoca tipo generatore compilatore lanciatore scelte
    [[ $(umask) == 0002 ]] && maschera=0022
    [[ $(date +%z) == +1[34]* ]] && zona=Etc/GMT+12
    epoca=$(dpkg-parsechangelog -l "$sorgenti/packaging/changelog" -S Timestamp)
    valore() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
    tipo=$(valore CMAKE_BUILD_TYPE)
    generatore=$(valore CMAKE_GENERATOR)
    compilatore=$(valore CMAKE_CXX_COMPILER)
    lanciatore=$(valore CMAKE_CXX_COMPILER_LAUNCHER)
    # The choices a preset makes that change the programs' bytes.
    scelte=(-DCMAKE_UNITY_BUILD="$(valore CMAKE_UNITY_BUILD)"
        -DCMAKE_UNITY_BUILD_BATCH_SIZE="$(valore CMAKE_UNITY_BUILD_BATCH_SIZE)"
        -DSOLVINTRA_COLLEGATORI="$(valore SOLVINTRA_COLLEGATORI)")
    copia_sorgenti "$copia" "$relativo" || { sbaglio "could not copy the sources"; return; }
    (
        umask "$maschera"
        export TZ=$zona
        if [[ ${SOURCE_DATE_EPOCH:-} == "$epoca" ]]; then
            unset SOURCE_DATE_EPOCH
        elif [[ ! -v SOURCE_DATE_EPOCH ]]; then
            export SOURCE_DATE_EPOCH=$epoca
        fi
        # Without the tests, as a packager builds: the game alone must give
        # the same bytes.
        cmake -S "$copia" -B "$albero" -G "$generatore" -DCMAKE_BUILD_TYPE="$tipo" \
            -DCMAKE_CXX_COMPILER="$compilatore" -DCMAKE_CXX_COMPILER_LAUNCHER="$lanciatore" \
            "${scelte[@]}" -DBUILD_TESTING=OFF >"$cartella_prova/configura.txt" 2>&1 ||
            { cat "$cartella_prova/configura.txt" >&2; exit 1; }
        cmake --build "$albero" -j "$(nproc)" --target solvintra solvintra-risolvi \
            >"$cartella_prova/costruisci.txt" 2>&1 || { cat "$cartella_prova/costruisci.txt" >&2; exit 1; }
        impacchetta "$albero" "$secondo"
    ) || { sbaglio "the second build failed"; return; }

    local altro
    altro=$(ls "$secondo"/*.deb)
    if ! cmp "$deb" "$altro"; then
        sbaglio "built again (umask $maschera, TZ=$zona) the package differs:"
        # A compiler cache may hand the compiler paths relative to the build
        # folder, which no path mapping can undo: both builds must have used
        # the cache in the same way.
        [[ -n $lanciatore ]] && echo "(both builds through $lanciatore, with the same settings?)" >&2
        diff <(dpkg-deb -c "$deb") <(dpkg-deb -c "$altro") | head -20 >&2
        dpkg-deb -x "$deb" "$cartella_prova/primo-x"
        dpkg-deb -x "$altro" "$cartella_prova/secondo-x"
        diff -rq "$cartella_prova/primo-x" "$cartella_prova/secondo-x" | head -20 >&2
    fi
    # The same comparison must notice a package dated a day later, or it
    # proves nothing.
    SOURCE_DATE_EPOCH=$((epoca + 86400)) impacchetta "$albero" "$cartella_prova/dopo"
    cmp -s "$deb" "$(ls "$cartella_prova"/dopo/*.deb)" &&
        sbaglio "a package dated a day later has the same bytes"
}

impacchetta "$build" "$cartella_prova/pacchetto"
deb=$(ls "$cartella_prova"/pacchetto/*.deb)
[[ $(basename "$deb") == solvintra_${versione}_$(dpkg --print-architecture).deb ]] ||
    sbaglio "unexpected package file $(basename "$deb")"

campo() { dpkg-deb -f "$deb" "$1"; }
[[ $(campo Package) == solvintra ]] || sbaglio "Package: $(campo Package)"
[[ $(campo Version) == "$versione" ]] || sbaglio "Version: $(campo Version)"
[[ $(campo Section) == games ]] || sbaglio "Section: $(campo Section)"
[[ $(campo Maintainer) == "Solvintra <solvintra@example.org>" ]] || sbaglio "Maintainer: $(campo Maintainer)"
# Depends is what dpkg-shlibdeps finds the two programs need, as this
# release names the libraries (Qt's core library is libqt6core6 on Debian 12,
# libqt6core6t64 on 13), and nothing else.
dpkg-deb -x "$deb" "$cartella_prova/estratto"
mkdir -p "$cartella_prova/shlibdeps/debian"
printf 'Source: solvintra\n\nPackage: solvintra\nArchitecture: any\n' \
    >"$cartella_prova/shlibdeps/debian/control"
atteso=$(cd "$cartella_prova/shlibdeps" && dpkg-shlibdeps -O \
    "$cartella_prova"/estratto/usr/lib/solvintra/solvintra{,-risolvi} 2>&1 | sed -n 's/^shlibs:Depends=//p')
elenco() { tr ',' '\n' | sed -E 's/^ +| +$//g' | sort; }
[[ -n $atteso && $(campo Depends | elenco) == $(elenco <<<"$atteso") ]] ||
    sbaglio "Depends is '$(campo Depends)', dpkg-shlibdeps gives '$atteso'"
[[ $atteso == *libqt6widgets6* ]] || sbaglio "dpkg-shlibdeps finds no Qt Widgets: '$atteso'"
consigliati=" $(campo Recommends | sed -E 's/\([^)]*\)//g; s/[,|]/ /g' | xargs) "
for consigliato in fonts-liberation2 qt6-translations-l10n qt6-wayland; do
    [[ $consigliati == *" $consigliato "* ]] || sbaglio "Recommends lacks $consigliato: $(campo Recommends)"
done
# The project has no public home yet, and no address may be made up for it.
campo Homepage | grep . && sbaglio "Homepage: $(campo Homepage)"
# Every file dated by the changelog's latest entry, which CMake turns into
# seconds itself, unless the caller set SOURCE_DATE_EPOCH.
epoca_attesa=${SOURCE_DATE_EPOCH:-$(dpkg-parsechangelog -l "$sorgenti/packaging/changelog" -S Timestamp)}
date_file=$(dpkg-deb --fsys-tarfile "$deb" | TZ=UTC tar -tv --full-time | awk '{ print $4, $5 }' | sort -u)
[[ $date_file == "$(TZ=UTC date -d "@$epoca_attesa" '+%F %T')" ]] ||
    sbaglio "files dated $(head -3 <<<"$date_file" | xargs), not by the changelog ($epoca_attesa)"

# The same modes under any umask: folders rwxr-xr-x, programs rwxr-xr-x, any
# other file rw-r--r--, all owned by root; the package's own members rw-r--r--.
dpkg-deb -c "$deb" | awk '
    $1 ~ /^d/ && $1 != "drwxr-xr-x" { print "folder", $1, $6 }
    $1 ~ /^-/ && $1 != "-rw-r--r--" && !($1 == "-rwxr-xr-x" && $6 ~ /\/lib\/solvintra\/solvintra(-risolvi)?$/) { print "file", $1, $6 }
    $2 != "root/root" { print "owner", $2, $6 }' >"$cartella_prova/modi.txt"
[[ -s $cartella_prova/modi.txt ]] && sbaglio "modes in the package: $(head -5 "$cartella_prova/modi.txt")"
ar tv "$deb" | awk '$1 != "rw-r--r--" { print }' >"$cartella_prova/membri.txt"
[[ -s $cartella_prova/membri.txt ]] && sbaglio "members of the package: $(cat "$cartella_prova/membri.txt")"

# Every file the game and the desktop need, and nothing else beside them.
dpkg-deb -c "$deb" | awk '{ $1=$2=$3=$4=$5=""; sub(/^ +/, ""); print }' | sed 's|/$||' |
    sort >"$cartella_prova/contenuto.txt"
{
    echo ./usr/games/solvintra '->' ../lib/solvintra/solvintra
    echo ./usr/lib/solvintra/solvintra
    echo ./usr/share/man/man6/solvintra.6.gz
    echo ./usr/games/solvintra-risolvi '->' ../lib/solvintra/solvintra-risolvi
    echo ./usr/lib/solvintra/solvintra-risolvi
    echo ./usr/share/man/man6/solvintra-risolvi.6.gz
    echo ./usr/share/doc/solvintra/changelog.gz
    for f in $(file_immagini); do echo "./usr/lib/solvintra/Immagini/$f"; done
    echo ./usr/share/applications/org.example.solvintra.desktop
    echo ./usr/share/metainfo/org.example.solvintra.metainfo.xml
    echo ./usr/share/doc/solvintra/copyright
    for lato in $lati_icona; do echo "./usr/share/icons/hicolor/${lato}x${lato}/apps/solvintra.png"; done
} | sort >"$cartella_prova/atteso.txt"
# Folders are listed too; only files and links are compared.
grep -v -x -f <(dpkg-deb -c "$deb" | awk '$1 ~ /^d/ { print $6 }' | sed 's|/$||') \
    "$cartella_prova/contenuto.txt" >"$cartella_prova/file.txt"
diff -u "$cartella_prova/atteso.txt" "$cartella_prova/file.txt" || sbaglio "package contents differ (- expected, + packaged)"

# Installable here: apt resolves the declared dependencies without installing.
apt-get install --simulate --no-install-recommends "$deb" >"$cartella_prova/apt.txt" 2>&1 ||
    { cat "$cartella_prova/apt.txt" >&2; sbaglio "apt cannot install the package"; }

# Debian's own checker: any error or warning fails, the same options as by hand
# (README). Of its notes (I:) and pedantic remarks (P:) only those on
# hardening and unneeded sections fail; the others are left to judgement.
# Accepted by name, on Debian 13: executable-in-usr-lib (pedantic and
# experimental), as the game finds its pictures beside itself, so the
# programs and their data share one private folder, /usr/lib/solvintra; and
# appstream-metadata-validation-failed, AppStream 1.0's warning that there is
# no home page: valida_metainfo, below, runs the same validator and accepts
# that warning alone. Debian 12's lintian knows neither, and refuses to
# suppress a tag it does not know.
accettati=()
for etichetta in executable-in-usr-lib appstream-metadata-validation-failed; do
    lintian-explain-tags "$etichetta" >/dev/null 2>&1 && accettati+=("$etichetta")
done
soppressi=()
((${#accettati[@]})) && soppressi=(--suppress-tags "$(IFS=,; echo "${accettati[*]}")")
lintian -E -I --pedantic --fail-on error,warning "${soppressi[@]}" \
    "$deb" >"$cartella_prova/lintian.txt" 2>&1 ||
    { grep -v '^running with root privileges' "$cartella_prova/lintian.txt" >&2; sbaglio "lintian"; }
if ((!sanitizzata)); then
    grep -E '^[A-Z]: [^ ]+: (hardening-|binary-has-unneeded-section)' "$cartella_prova/lintian.txt" >&2 &&
        sbaglio "lintian finds the programs not hardened or not stripped"
fi

# Installed by dpkg itself into an empty root, where nothing is installed: the
# dependencies are this system's, which apt has just found complete. A user
# who is not root owns that root, and dpkg is told it may work there; it also
# wants the system's own programs, which a user's PATH leaves out.
radice="$cartella_prova/radice"
mkdir -p "$radice/var/lib/dpkg/info" "$radice/var/lib/dpkg/updates"
touch "$radice/var/lib/dpkg/status"
PATH=$PATH:/usr/local/sbin:/usr/sbin:/sbin dpkg --root="$radice" --force-depends,not-root -i "$deb" >"$cartella_prova/dpkg.txt" 2>&1 ||
    { cat "$cartella_prova/dpkg.txt" >&2; exit 1; }

comando=$(trova "$radice" "$percorso_debian" solvintra)
[[ $comando == /usr/games/solvintra ]] || sbaglio "on Debian's PATH solvintra is '$comando', not /usr/games/solvintra"
[[ $(readlink -f "$radice/usr/games/solvintra") == $(readlink -f "$radice/usr/lib/solvintra/solvintra") ]] ||
    sbaglio "/usr/games/solvintra does not lead to /usr/lib/solvintra/solvintra"
voce=$(trova "$radice" "$dati_xdg" applications/org.example.solvintra.desktop)
[[ -n $voce ]] || sbaglio "no menu entry where the desktop looks for one"
controlla_voce_menu "$radice$voce" "$radice/usr/games" "$radice/usr/share"

# The compressed files as Debian wants them: gzip -9 without a name or a time,
# so that the same sources give the same package.
for compresso in usr/share/man/man6/solvintra.6.gz usr/share/man/man6/solvintra-risolvi.6.gz usr/share/doc/solvintra/changelog.gz; do
    read -r segni t1 t2 t3 t4 livello < <(od -An -tu1 -j3 -N6 "$radice/$compresso")
    ((segni & 8 || t1 + t2 + t3 + t4 || livello != 2)) &&
        sbaglio "$compresso: not gzip -9n (flags $segni, time $t1 $t2 $t3 $t4, level $livello)"
done
# A changelog dpkg can read, whose latest entry is this version.
zcat "$radice/usr/share/doc/solvintra/changelog.gz" >"$cartella_prova/changelog"
[[ $(dpkg-parsechangelog -l "$cartella_prova/changelog" -S Version 2>&1) == "$versione" ]] ||
    sbaglio "the changelog's latest entry is not $versione"

# The manual page: found by man in section 6, rendered without a warning, and
# it names the statistics file and every file the game reads.
pagina=$(man -M "$radice/usr/share/man" -w solvintra 2>&1)
[[ $pagina == "$radice/usr/share/man/man6/solvintra.6.gz" ]] || sbaglio "man -w solvintra gives '$pagina'"
avvisi=$(avvisi_man "$pagina")
[[ -z $avvisi ]] || sbaglio "man -l warns: $avvisi"
testo=$(testo_man "$pagina")
for parola in 'SOLVINTRA(6)' 'solvintra - patience game' 'takes no options' \
    SolvintraBrask/SolvintraBrask.ini '00.bmp to 39.bmp' '00@2x.bmp to 39@2x.bmp' \
    $(file_immagini | tr ' ' '\n' | grep -v '^[0-9][0-9]\(@2x\)\?\.bmp$'); do
    [[ $testo == *"$parola"* ]] || sbaglio "the manual page does not say '$parola'"
done
# The same rendering must notice a broken page, or it proves nothing.
printf '.TH SOLVINTRA 6\n.SH NAME\nsolvintra \\- x\n.NONESISTE\n' >"$cartella_prova/rotta.6"
[[ -n $(avvisi_man "$cartella_prova/rotta.6") ]] ||
    sbaglio "man -l gives no warning even for an undefined macro"

# No address of a host the project does not have, in any file a desktop or
# a software centre reads.
for letto in usr/share/metainfo/org.example.solvintra.metainfo.xml \
    usr/share/applications/org.example.solvintra.desktop; do
    grep -Eo '[a-z]+://[^<" ]*' "$radice/$letto" && sbaglio "$letto names an address"
done
valida_metainfo "$radice/usr/share/metainfo/org.example.solvintra.metainfo.xml"

avvia_display
prova_avvio "$radice/usr/games/solvintra" "$cartella_prova/altrove" ||
    sbaglio "the packaged game did not show its table"

if ((sanitizzata)); then
    ((fallito == 0)) && echo "package $(basename "$deb") checked (sanitized: not for hardening)"
    exit "$fallito"
fi

# Debian's hardening, as hardening-check sees it, in both programs: all it
# looks for but what no program linked on this system can carry, each named
# with the reason.
rinunce=()
# Control-flow protection is marked in a program only when every object linked
# into it is, and the C library's start files are not (Debian 12 and 13).
if ! readelf -n "$(c++ -print-file-name=Scrt1.o)" | grep -q 'x86 feature: IBT, SHSTK'; then
    rinunce+=(--nocfprotection)
    echo "not checked: control-flow protection, since this system's Scrt1.o lacks its marking"
fi
# Branch protection is an AArch64 feature (BTI, PAC), which Debian 13's
# hardening-check asks for on every architecture.
aiuto=$(hardening-check --help 2>&1)
if [[ $aiuto == *--nobranchprotection* && $(dpkg --print-architecture) != arm64 ]]; then
    rinunce+=(--nobranchprotection)
    echo "not checked: branch protection, an AArch64 feature, on $(dpkg --print-architecture)"
fi
for programma in solvintra solvintra-risolvi; do
    hardening-check "${rinunce[@]}" "$radice/usr/lib/solvintra/$programma" >"$cartella_prova/indurimento.txt" 2>&1 ||
        { cat "$cartella_prova/indurimento.txt" >&2; sbaglio "hardening-check $programma"; }
done
# The same check must say no to a program linked without them, or it proves nothing.
printf 'int main() { return 0; }\n' >"$cartella_prova/nudo.cpp"
c++ -O2 -Wl,-z,norelro -Wl,-z,lazy "$cartella_prova/nudo.cpp" -o "$cartella_prova/nudo" &&
    hardening-check "${rinunce[@]}" "$cartella_prova/nudo" >/dev/null 2>&1 &&
    sbaglio "hardening-check passes even a program linked without relro and immediate binding"

controlla_riproducibile

((fallito == 0)) && echo "package $(basename "$deb") checked"
exit "$fallito"
