#include "tdiecisoli.h"

#include "tpartita.h"

#include <bit>

namespace {

int DieciDi(int seme) {
    return (seme + 1) * TStato::ValoriPerSeme - 1;
}

bool Dentro(std::uint32_t maschera, int p) {
    return (maschera >> p & 1u) != 0;
}

// The `indice`-th pile of `maschera`, counting from the lowest.
int Ennesimo(std::uint32_t maschera, int indice) {
    for (; indice > 0; --indice) {
        maschera &= maschera - 1;
    }
    return std::countr_zero(maschera);
}

// The piles of `maschera` picked by the bits of `scelta`, one bit a pile in order.
std::uint32_t Sottoinsieme(std::uint32_t maschera, std::uint32_t scelta) {
    std::uint32_t scelte = 0;
    for (; scelta != 0; scelta &= scelta - 1) {
        scelte |= 1u << Ennesimo(maschera, std::countr_zero(scelta));
    }
    return scelte;
}

// The next larger number with as many bits set (Gosper's way).
std::uint32_t Successiva(std::uint32_t scelta) {
    const std::uint32_t basso = scelta & -scelta;
    const std::uint32_t somma = scelta + basso;
    return somma | ((scelta ^ somma) / basso) >> 2;
}

TMossa Mossa(int carta, int da, int a, int disposizione = 0) {
    return {static_cast<std::int8_t>(carta), static_cast<std::int8_t>(da),
            static_cast<std::int8_t>(a), false, static_cast<std::int8_t>(disposizione)};
}

int Fattoriale(int n) {
    return n <= 1 ? 1 : n * Fattoriale(n - 1);
}

} // namespace

TDieciSoli::TDieciSoli(const TStato& stato)
    : vuoti(stato.VuotiTavolo()), soli(stato.DieciSoli()), posti(vuoti | soli) {}

void TDieciSoli::Mosse(const TStato& stato, std::vector<TMossa>& mosse) const {
    for (int p = 0; p < TStato::Pozzi; ++p) {
        const int carta = stato.Cima(p);
        if (carta < 0) {
            if (const auto scoperta = stato.Scoperta(p)) {
                mosse.push_back(*scoperta);
            }
            continue;
        }
        const int valore = TStato::Valore(carta);
        if (TStato::Angolo(p) && (valore == 1 || valore == TStato::ValoriPerSeme)) {
            continue;
        }
        if (valore == TStato::ValoriPerSeme) {
            MosseDelDieci(stato, carta, mosse);
            continue;
        }
        if (valore == 1 && stato.AngoloCorrente() < NumeroAngoli) {
            mosse.push_back(Mossa(carta, p, TPartita::Angoli[stato.AngoloCorrente()]));
        }
        const int q = stato.PozzoDi(carta + 1);
        if (!TStato::Angolo(q) && stato.Cima(q) == carta + 1) {
            // Onto a lone ten: onto each place it may lie on, as each leaves another table.
            for (std::uint32_t mete = Dentro(soli, q) ? posti : 1u << q; mete != 0;
                 mete &= mete - 1) {
                MossaConStrada(stato, carta, std::countr_zero(mete), mosse);
            }
        }
        if (valore > 1) {
            const int angolo = stato.PozzoDi(carta - 1);
            if (TStato::Angolo(angolo) && stato.Cima(angolo) == carta - 1) {
                MossaConStrada(stato, carta, angolo, mosse);
            }
        }
    }
}

void TDieciSoli::MossaConStrada(const TStato& stato, int carta, int meta,
                                std::vector<TMossa>& mosse) const {
    if (Sbarrate(stato, carta, meta)) {
        mosse.push_back(Mossa(carta, stato.PozzoDi(carta), meta));
    }
}

void TDieciSoli::MosseDelDieci(const TStato& stato, int dieci, std::vector<TMossa>& mosse) const {
    const int p = stato.PozzoDi(dieci);
    const int angolo = stato.PozzoDi(dieci - 1);
    if (TStato::Angolo(angolo) && stato.Cima(angolo) == dieci - 1 &&
        (Dentro(soli, p) ? Partenza(stato, dieci, angolo).has_value()
                         : stato.EsistePercorso(dieci, angolo))) {
        mosse.push_back(Mossa(dieci, p, angolo));
    }
    if (Dentro(soli, p)) {
        return; // to an empty place: only another placing
    }
    // It leaves a face-down card. While another place stays empty, every
    // placing it makes is one position; onto the last, each placing is its own.
    if (std::popcount(vuoti) > 1) {
        mosse.push_back(Mossa(dieci, p, std::countr_zero(vuoti)));
        return;
    }
    for (int numero = 0; numero < Disposizioni(); ++numero) {
        const TPosa posa = Disposizione(stato, dieci, numero);
        mosse.push_back(Mossa(dieci, p, posa[TStato::Seme(dieci)], numero));
    }
}

std::optional<std::uint32_t> TDieciSoli::Sbarrate(const TStato& stato, int carta, int meta) const {
    const int da = stato.PozzoDi(carta);
    const std::uint32_t transitabili = stato.Transitabili(carta);
    const int seme = TStato::Seme(carta);
    std::uint32_t barriere = 0; // where the lone tens of other suits lie now
    for (std::uint32_t resto = soli; resto != 0; resto &= resto - 1) {
        const int p = std::countr_zero(resto);
        if (TStato::Seme(stato.Cima(p)) != seme) {
            barriere |= 1u << p;
        }
    }
    const bool metaAlPosto = !Dentro(posti, meta) || stato.Cima(meta) == carta + 1;
    if (metaAlPosto && TStato::Raggiunge(da, meta, transitabili)) {
        return barriere;
    }
    const std::uint32_t fisse = transitabili & ~posti;
    const std::uint32_t libere = posti & ~(1u << meta);
    if (!TStato::Raggiunge(da, meta, fisse | libere)) {
        return std::nullopt;
    }
    const int quante = std::popcount(barriere);
    const std::uint32_t fine = 1u << std::popcount(libere);
    for (std::uint32_t scelta = (1u << quante) - 1; scelta < fine;
         scelta = quante == 0 ? fine : Successiva(scelta)) {
        const std::uint32_t sbarrate = Sottoinsieme(libere, scelta);
        if (TStato::Raggiunge(da, meta, fisse | (libere & ~sbarrate))) {
            return sbarrate;
        }
    }
    return std::nullopt;
}

std::optional<int> TDieciSoli::Partenza(const TStato& stato, int dieci, int angolo) const {
    // Every place lets a ten pass: empty, or a ten on it.
    const std::uint32_t transitabili = stato.Transitabili(dieci);
    const int p = stato.PozzoDi(dieci);
    if (TStato::Raggiunge(p, angolo, transitabili)) {
        return p;
    }
    for (std::uint32_t resto = posti; resto != 0; resto &= resto - 1) {
        if (TStato::Raggiunge(std::countr_zero(resto), angolo, transitabili)) {
            return std::countr_zero(resto);
        }
    }
    return std::nullopt;
}

int TDieciSoli::Disposizioni() const {
    return Fattoriale(std::popcount(soli) + 1);
}

TDieciSoli::TPosa TDieciSoli::Disposizione(const TStato& stato, int nuovo, int numero) const {
    // The tens in the order of their suits take the places in the order of
    // `numero` written in the factorial number system.
    TPosa posa;
    posa.fill(-1);
    std::uint32_t libere = posti;
    int rimasti = std::popcount(libere);
    for (int seme = 0; seme < TStato::Semi; ++seme) {
        const int dieci = DieciDi(seme);
        if (dieci != nuovo && !Dentro(soli, stato.PozzoDi(dieci))) {
            continue;
        }
        const int scelto = Ennesimo(libere, numero % rimasti);
        numero /= rimasti--;
        posa[seme] = scelto;
        libere &= ~(1u << scelto);
    }
    return posa;
}

TDieciSoli::TPosa TDieciSoli::Presente(const TStato& stato) const {
    TPosa posa;
    posa.fill(-1);
    for (std::uint32_t resto = soli; resto != 0; resto &= resto - 1) {
        const int p = std::countr_zero(resto);
        posa[TStato::Seme(stato.Cima(p))] = p;
    }
    return posa;
}

TMossa TDieciSoli::Disponi(TStato& stato, const TMossa& mossa, std::vector<TMossa>& passi) const {
    const int carta = mossa.carta;
    const int seme = TStato::Seme(carta);
    TPosa posa = Presente(stato);
    TMossa fatta = mossa;
    fatta.disposizione = 0;
    if (mossa.scopri || (TStato::Valore(carta) == 1 && TStato::Angolo(mossa.a))) {
        return fatta; // no path needed
    }
    if (TStato::Valore(carta) == TStato::ValoriPerSeme) {
        if (TStato::Angolo(mossa.a)) {
            if (!Dentro(soli, mossa.da)) {
                return fatta; // every placing lets a ten pass
            }
            const int partenza = *Partenza(stato, carta, mossa.a);
            for (int& p : posa) {
                p = p == partenza ? mossa.da : p; // a ten lying there trades places with it
            }
            posa[seme] = partenza;
            fatta.da = static_cast<std::int8_t>(partenza);
        } else if (std::popcount(vuoti) == 1) {
            posa = Disposizione(stato, carta, mossa.disposizione);
            posa[seme] = -1; // still on its face-down card
        }
        Riordina(stato, posa, passi);
        return fatta;
    }
    // Another card: the tens that bar its way onto the places Sbarrate chose,
    // those already there staying, and its own suit's ten out of them.
    const std::uint32_t scelte = *Sbarrate(stato, carta, mossa.a);
    std::uint32_t libere = scelte;
    std::uint32_t daSpostare = 0; // suits
    for (int s = 0; s < TStato::Semi; ++s) {
        if (s != seme && posa[s] >= 0) {
            if (Dentro(scelte, posa[s])) {
                libere &= ~(1u << posa[s]);
            } else {
                daSpostare |= 1u << s;
            }
        }
    }
    for (; daSpostare != 0; daSpostare &= daSpostare - 1) {
        posa[std::countr_zero(daSpostare)] = std::countr_zero(libere);
        libere &= libere - 1;
    }
    if (Dentro(posti, mossa.a)) {
        posa[seme] = mossa.a;
    } else if (posa[seme] >= 0 && Dentro(scelte, posa[seme])) {
        posa[seme] = std::countr_zero(posti & ~scelte);
    }
    Riordina(stato, posa, passi);
    return fatta;
}

void TDieciSoli::Riordina(TStato& stato, const TPosa& posa, std::vector<TMossa>& passi) {
    const auto sposta = [&](int dieci, int meta) {
        const TMossa passo = Mossa(dieci, stato.PozzoDi(dieci), meta);
        stato.Esegui(passo);
        passi.push_back(passo);
    };
    while (true) {
        int fuori = -1; // a ten not yet on its place
        bool mosso = false;
        for (int seme = 0; seme < TStato::Semi; ++seme) {
            const int dieci = DieciDi(seme);
            if (posa[seme] < 0 || stato.PozzoDi(dieci) == posa[seme]) {
                continue;
            }
            if (stato.Cima(posa[seme]) < 0) {
                sposta(dieci, posa[seme]);
                mosso = true;
            } else {
                fuori = dieci;
            }
        }
        if (mosso) {
            continue;
        }
        if (fuori < 0) {
            return;
        }
        // Tens that wait on one another's places: one of them steps aside,
        // onto an empty place no ten waits for.
        sposta(fuori, std::countr_zero(stato.VuotiTavolo()));
    }
}
