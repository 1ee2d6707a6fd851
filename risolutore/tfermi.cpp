#include "tfermi.h"

#include <bit>

namespace {

constexpr int Valori = TStato::ValoriPerSeme;
constexpr std::uint64_t Tutte = (std::uint64_t{1} << TStato::Carte) - 1;
constexpr std::uint64_t SemeIntero = (1u << Valori) - 1;
// One bit at the foot of each suit's ten bits.
constexpr std::uint64_t PiediSemi =
    1 | 1u << Valori | std::uint64_t{1} << 2 * Valori | std::uint64_t{1} << 3 * Valori;

std::uint64_t Bit(int carta) {
    return std::uint64_t{1} << carta;
}

// The cards of values da to a, of the first suit, of one suit or of every suit.
std::uint64_t Fascia(int da, int a) {
    return da > a ? 0 : (std::uint64_t{1} << a) - (std::uint64_t{1} << (da - 1));
}
std::uint64_t DelSeme(int seme, int da, int a) {
    return Fascia(da, a) << seme * Valori;
}
std::uint64_t DiOgniSeme(int da, int a) {
    return Fascia(da, a) * PiediSemi;
}

// The cards of pile p's run, numbered from its top to its base.
std::uint64_t Corsa(const TStato& stato, int p) {
    const int cima = stato.Cima(p);
    return cima < 0 ? 0 : (Bit(stato.Base(p)) << 1) - Bit(cima);
}

// The piles whose mask holds the card.
template <std::size_t N>
std::uint32_t PozziCon(const std::array<std::uint64_t, N>& perPozzo, int carta) {
    std::uint32_t pozzi = 0;
    for (std::size_t r = 0; r < N; ++r) {
        pozzi |= static_cast<std::uint32_t>(perPozzo[r] >> carta & 1u) << r;
    }
    return pozzi;
}

} // namespace

bool TFermi::Perduta(const TStato& stato) {
    Ferma(stato);
    return fermi != 0;
}

void TFermi::Ferma(const TStato& stato) {
    fermi = 0;
    for (int p = 0; p < Pozzi; ++p) {
        if (TStato::Angolo(p)) {
            continue;
        }
        fermi |= Corsa(stato, p) | (stato.Coperta(p) >= 0 ? Bit(stato.Coperta(p)) : 0);
    }
    liberi = 0;
    for (int p = 0; p < Pozzi; ++p) {
        Descrivi(stato, p);
    }
    // A card leaves the set once it may leave its pile, and what the piles may
    // show only grows: so go round until no card leaves. A pile's highest card
    // that could not leave is asked again only once another card has left.
    std::uint32_t uscite = 0;
    provata.fill(UINT32_MAX);
    for (bool ancora = true; ancora && fermi != 0;) {
        ancora = false;
        for (int p = 0; p < Pozzi; ++p) {
            while (cima[p] >= 0 && provata[p] != uscite) {
                if (!PuoPartire(stato, cima[p])) {
                    provata[p] = uscite;
                    break;
                }
                Togli(stato, cima[p]);
                ++uscite;
                ancora = true;
            }
        }
    }
}

void TFermi::Togli(const TStato& stato, int carta) {
    fermi &= ~Bit(carta);
    Descrivi(stato, stato.PozzoDi(carta));
    // The piles that may now show lower cards of its suit.
    for (int p = 0; p < Pozzi; ++p) {
        if (cima[p] > carta && TStato::Seme(cima[p]) == TStato::Seme(carta)) {
            Descrivi(stato, p);
        }
    }
}

void TFermi::Descrivi(const TStato& stato, int p) {
    cima[p] = -1;
    posa[p] = 0;
    if (TStato::Angolo(p)) {
        // A corner's neighbours all touch one another: no path needs to cross it.
        passa[p] = 0;
        return;
    }
    const int coperta = stato.Coperta(p);
    const std::uint64_t corsa = fermi & Corsa(stato, p);
    if (corsa != 0) {
        cima[p] = static_cast<std::int8_t>(std::countr_zero(corsa));
    } else if (coperta >= 0 && (fermi & Bit(coperta)) != 0) {
        cima[p] = static_cast<std::int8_t>(coperta);
    }
    const int t = cima[p];
    if (t < 0) {
        passa[p] = posa[p] = Tutte;
        liberi |= 1u << p;
        return;
    }
    // On the highest card of the set, the cards above it now and those that
    // may join them, down to a lower one of the suit that is in the set (the
    // cards above it are not).
    const int seme = TStato::Seme(t);
    const bool sotto = t == coperta;
    const std::uint64_t sottoDiLui = fermi >> seme * Valori & ((1u << (TStato::Valore(t) - 1)) - 1);
    const int minimo = sottoDiLui == 0 ? 1 : std::bit_width(sottoDiLui) + 1;
    passa[p] = DelSeme(seme, 1, Valori) | DiOgniSeme(minimo, TStato::Valore(t));
    posa[p] = DelSeme(seme, minimo, TStato::Valore(t) - 1);
    // A face-down card of the set under a run that may leave: the run's suit
    // may show too, down to its ace.
    if (sotto && stato.Base(p) >= 0) {
        const int base = stato.Base(p);
        passa[p] |= DelSeme(TStato::Seme(base), 1, Valori) | DiOgniSeme(1, TStato::Valore(base));
        posa[p] |= DelSeme(TStato::Seme(base), 1, TStato::Valore(base));
    }
}

bool TFermi::PuoPartire(const TStato& stato, int carta) const {
    const int valore = TStato::Valore(carta);
    const int p = stato.PozzoDi(carta);
    if (valore == 1) {
        return true; // to the next corner, with no path
    }
    if (valore == Valori && (liberi & ~(1u << p)) != 0) {
        return true; // to a table pile that may be empty, with no path
    }
    std::uint32_t mete = 0;
    if (Altezza(TStato::Seme(carta)) >= valore - 1) {
        mete |= Angoli(stato, carta);
    }
    if (valore < Valori) {
        mete |= Seguente(stato, carta);
    }
    mete &= ~(1u << p);
    return mete != 0 && TStato::RaggiungeUna(p, mete, PozziCon(passa, carta));
}

std::uint32_t TFermi::Seguente(const TStato& stato, int carta) const {
    const int seguente = carta + 1;
    if ((fermi & Bit(seguente)) == 0) {
        return PozziCon(posa, seguente);
    }
    const int q = stato.PozzoDi(seguente);
    const int coperta = stato.Coperta(q);
    // Laid there, over a face-down lower card of its suit, it could never leave.
    const bool chiude = coperta >= 0 && coperta != seguente &&
                        TStato::Seme(coperta) == TStato::Seme(carta) && coperta < carta;
    return cima[q] == seguente && !chiude ? 1u << q : 0;
}

std::uint32_t TFermi::Angoli(const TStato& stato, int carta) const {
    std::uint32_t chiusi = 0;
    for (const std::int16_t a : TPartita::Angoli) {
        const int base = stato.Base(a);
        if (base >= 0 && TStato::Seme(base) == TStato::Seme(carta)) {
            return 1u << a;
        }
        chiusi |= base < 0 ? 1u << a : 0;
    }
    return chiusi;
}

int TFermi::Altezza(int seme) const {
    const std::uint64_t delSeme = fermi >> seme * Valori & SemeIntero;
    return delSeme == 0 ? Valori : std::countr_zero(delSeme);
}
