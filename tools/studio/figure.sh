#!/usr/bin/env bash
# Figures and plots of docs/winnability.md from the CSV files written by
# solvintra-risolvi: the counts and quantiles on standard output, the plots as
# PNG into the folder given. Needs gawk and gnuplot (gnuplot-nox).
#   tools/studio/figure.sh docs/winnability studio_*.csv
set -euo pipefail

cartella=$1
shift
mkdir -p "$cartella"
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT

# One table of every deal, header lines dropped.
awk -F, 'FNR > 1 && $1 ~ /^[0-9]+$/' "$@" | sort -t, -k1,1n >"$lavoro/tutte.csv"

quantili() { # column, filter on the outcome (all when empty)
    awk -F, -v c="$1" -v e="$2" 'e == "" || $2 == e { print $c }' "$lavoro/tutte.csv" | sort -g |
        awk '{ v[NR] = $1 } END {
            if (NR == 0) { print "-"; exit }
            printf "median %s, 99th percentile %s, worst %s (of %d)\n",
                v[int((NR - 1) * 0.5) + 1], v[int((NR - 1) * 0.99) + 1], v[NR], NR }'
}

awk -F, '
    { n++; conta[$2]++; if (NR == 1) primo = $1; ultimo = $1 }
    END {
        v = conta["vinta"]; i = conta["impossibile"]; g = conta["ignota"]; z = 1.959963984540054
        printf "deals %d (%d to %d): won %d, unwinnable %d, unknown %d\n", n, primo, ultimo, v, i, g
        for (k = 0; k < 2; k++) {
            s = v + k * g; p = s / n; c = (p + z * z / (2 * n)) / (1 + z * z / n)
            r = z / (1 + z * z / n) * sqrt(p * (1 - p) / n + z * z / (4 * n * n))
            printf "%s: %.3f %%, 95 %% Wilson %.3f - %.3f %%\n",
                   k ? "unknown as won" : "unknown as lost", 100 * p, 100 * (c - r), 100 * (c + r)
        }
    }' "$lavoro/tutte.csv"
echo "positions, all: $(quantili 3 '')"
echo "positions, won: $(quantili 3 vinta)"
echo "positions, unwinnable: $(quantili 3 impossibile)"
echo "seconds, all: $(quantili 6 '')"
echo "seconds, won: $(quantili 6 vinta)"
echo "seconds, unwinnable: $(quantili 6 impossibile)"
echo "steps of a win: $(quantili 5 vinta)"

# Deals by the positions it took to decide them, in tenths of a decade.
for esito in vinta impossibile; do
    awk -F, -v e="$esito" '$2 == e { b = int(10 * log($3) / log(10)); h[b]++ }
        END { for (b in h) print 10 ^ (b / 10), h[b] }' "$lavoro/tutte.csv" | sort -g >"$lavoro/pos_$esito.dat"
done
awk -F, '$2 == "vinta" { h[$5]++ } END { for (k in h) print k, h[k] }' "$lavoro/tutte.csv" |
    sort -n >"$lavoro/passi.dat"
awk -F, '{ print $6 }' "$lavoro/tutte.csv" | sort -g |
    awk '{ v[NR] = $1 } END { for (k = 1; k <= NR; k += (NR > 2000 ? int(NR / 2000) : 1)) print v[k], k / NR; print v[NR], 1 }' \
        >"$lavoro/tempi.dat"

gnuplot <<FINE
set terminal pngcairo size 800,450 font "Liberation Sans,11"
set grid
set key top right

set output "$cartella/posizioni.png"
set title "Positions searched to decide a deal"
set logscale x
set logscale y
set xlabel "positions (bins of a tenth of a decade)"
set ylabel "deals"
plot "$lavoro/pos_vinta.dat" with steps lw 2 title "won", \
     "$lavoro/pos_impossibile.dat" with steps lw 2 title "unwinnable"

set output "$cartella/tempi.png"
set title "Time to decide a deal (one thread of two)"
unset logscale y
set ylabel "share of deals decided within"
set xlabel "seconds"
set format x "%g"
set key bottom right
plot "$lavoro/tempi.dat" with lines lw 2 title "all deals"

set output "$cartella/passi.png"
set title "Length of the wins found (moves and turns)"
unset logscale x
set logscale y
set xlabel "steps"
set ylabel "won deals (logarithmic)"
set key top right
plot "$lavoro/passi.dat" with impulses lw 1 title "won deals"
FINE
