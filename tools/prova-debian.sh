#!/usr/bin/env bash
# The README's `make test` on a fresh Debian machine: makes a clean root of
# the release with debootstrap, from the Debian mirror this machine's apt
# already uses, clones this tree's HEAD into it and runs `make test` there as
# a new user with sudo, the way one would set up the game after cloning it.
# Prints the result and the time; the root's mounts go on every exit, and the
# root too unless a folder to keep it in is given.
# Usage: sudo tools/prova-debian.sh 12|13 [FOLDER]
set -euo pipefail

case ${1:-} in
12) suite=bookworm ;;
13) suite=trixie ;;
*)
    echo "usage: $0 12|13 [FOLDER]" >&2
    exit 2
    ;;
esac
((EUID == 0)) || { echo "debootstrap and chroot need root: sudo $0 $*" >&2; exit 2; }
command -v debootstrap >/dev/null || { echo "debootstrap is not installed (apt-get install debootstrap)" >&2; exit 2; }
sorgenti=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
commit=$(git -C "$sorgenti" rev-parse --short HEAD)
[[ -z $(git -C "$sorgenti" status --porcelain --untracked-files=no) ]] ||
    echo "note: changes not committed are not tried, only HEAD ($commit)" >&2

# The first Debian archive (not its security one) of this machine's apt
# sources, in either of their two formats.
specchio() {
    {
        sed -n 's/^URIs:[[:space:]]*//p' /etc/apt/sources.list.d/*.sources 2>/dev/null | tr ' ' '\n'
        sed -n 's/^deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\([^[:space:]]\+\).*/\2/p' \
            /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null
    } | grep -v -e '-security' -e '^$' | grep -m1 '/debian/\?$' || true
}
mirror=$(specchio)
[[ -n $mirror ]] || { echo "no Debian mirror in this machine's apt sources" >&2; exit 2; }

if [[ -n ${2:-} ]]; then
    radice=$2
    tieni=1
    [[ ! -e $radice || -z $(ls -A "$radice") ]] || { echo "$radice is not empty" >&2; exit 2; }
else
    radice=$(mktemp -d "${TMPDIR:-/var/tmp}/prova-debian-$1.XXXXXX")
    tieni=0
fi
mkdir -p "$radice"
# The system's own root is open to every user, unlike a folder of mktemp.
chmod 755 "$radice"
montati=()
pulisci() {
    local i
    for ((i = ${#montati[@]} - 1; i >= 0; i--)); do
        umount "${montati[i]}" 2>/dev/null || umount -l "${montati[i]}"
    done
    ((tieni)) || rm -rf --one-file-system "$radice"
}
trap pulisci EXIT
trap 'exit 130' INT TERM

registro=$radice.log
inizio=$SECONDS
echo "Debian $1 ($suite) from $mirror into $radice; log in $registro"
debootstrap --variant=minbase --include=make,git,ca-certificates,sudo \
    "$suite" "$radice" "$mirror" >"$registro" 2>&1 ||
    { tail -20 "$registro"; echo "debootstrap failed"; exit 1; }
radice_pronta=$((SECONDS - inizio))

for punto in proc sys dev dev/pts dev/shm; do
    mount --bind "/$punto" "$radice/$punto"
    montati+=("$radice/$punto")
done
cp -L /etc/resolv.conf "$radice/etc/resolv.conf"

# A user of one's own, who may use sudo as the README's commands expect, with
# a login's private runtime folder.
chroot "$radice" useradd -m -s /bin/bash giocatore
echo 'giocatore ALL=(ALL) NOPASSWD: ALL' >"$radice/etc/sudoers.d/giocatore"
uid=$(chroot "$radice" id -u giocatore)
chroot "$radice" install -d -m 700 -o giocatore -g giocatore "/run/user/$uid"
git clone -q --no-local "$sorgenti" "$radice/home/giocatore/solvintra"
chroot "$radice" chown -R giocatore:giocatore /home/giocatore/solvintra

echo "make test at $commit, as a new user"
inizio_prova=$SECONDS
esito=0
chroot "$radice" runuser -l giocatore -c \
    "export XDG_RUNTIME_DIR=/run/user/$uid; cd solvintra && make test" >>"$registro" 2>&1 || esito=$?
durata=$((SECONDS - inizio_prova))

grep -E '^[0-9]+% tests passed|^The following tests|^[[:space:]]+[0-9]+ - |Errors while running' \
    "$registro" || tail -30 "$registro"
printf 'Debian %s at %s: make test %s in %dm%02ds (the root took %dm%02ds)\n' "$1" "$commit" \
    "$( ((esito == 0)) && echo passed || echo "failed ($esito)")" \
    $((durata / 60)) $((durata % 60)) $((radice_pronta / 60)) $((radice_pronta % 60))
exit "$esito"
