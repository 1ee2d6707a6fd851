#include "tstato.h"

#include "tpartita.h"
#include "tvistamuta.h"

#include <algorithm>
#include <bit>

namespace {

constexpr int CartePerParola = 12;
constexpr int BitPozzo = 5;
constexpr std::uint64_t MascheraPozzo = (std::uint64_t{1} << BitPozzo) - 1;
constexpr int PozzoNessuno = (1 << BitPozzo) - 1;
// The short key: a bit for each card but the tens (the card less its suit's
// tens before it), then the tens' piles and the corners' suits; in the second
// word, each suit's height.
constexpr int PrimoBitDieci = TStato::Carte - TStato::Semi;
constexpr int BitSeme = 2;
constexpr int PrimoBitAngoli = PrimoBitDieci + TStato::Semi * BitPozzo;
constexpr int BitAltezza = 4;
static_assert(PrimoBitAngoli + NumeroAngoli * BitSeme <= 64);
static_assert(TStato::Semi * BitAltezza <= 64 - TStato::BitLiberiChiave);
static_assert(PozzoNessuno >= TStato::Pozzi);
// A pile's face-down flag: four in the spare bits of each full word, the rest
// in the last word after its four cards.
constexpr int CoperteInParolaPiena = 4;
constexpr int PrimoBitCopertaPiena = CartePerParola * BitPozzo;
constexpr int PozziInParolePiene = 3 * CoperteInParolaPiena;
constexpr int PrimoBitCopertaUltima = (TStato::Carte - 3 * CartePerParola) * BitPozzo;
constexpr int UltimaParola = 3;
static_assert(PrimoBitCopertaUltima + TStato::Pozzi - PozziInParolePiene <=
              64 - TStato::BitLiberiChiave);
constexpr std::uint32_t PrimaColonna = [] {
    std::uint32_t colonna = 0;
    for (int r = 0; r < NumeroRighe; ++r) {
        colonna |= 1u << (r * NumeroColonne);
    }
    return colonna;
}();
constexpr std::uint32_t UltimaColonna = PrimaColonna << (NumeroColonne - 1);

// The piles that touch any pile of `m`, and `m` itself.
std::uint32_t Intorno(std::uint32_t m) {
    const std::uint32_t riga = m | (m & ~UltimaColonna) << 1 | (m & ~PrimaColonna) >> 1;
    return (riga | riga << NumeroColonne | riga >> NumeroColonne) & TStato::TuttiPozzi;
}

} // namespace

TStato TStato::DaPartita(const TPartita& partita) {
    TStato stato;
    stato.coperta.fill(-1);
    stato.base.fill(-1);
    stato.cima.fill(-1);
    for (int p = 0; p < Pozzi; ++p) {
        const TPozzo& pozzo = partita.Pozzi[p];
        for (std::int16_t k = 1; k <= pozzo.NumeroCarte; ++k) {
            const TDatiCarta* carta = pozzo.Carta(k);
            if (carta->Coperta) {
                stato.vuoti &= ~(1u << p);
                stato.coperta[p] = static_cast<std::int8_t>(carta->numero);
                stato.ScriviPozzo(carta->numero, p);
                stato.ScriviCoperta(p, true);
            } else {
                stato.Posa(carta->numero, p);
            }
        }
    }
    return stato;
}

TStato TStato::DaSeme(std::uint64_t seme) {
    TVistaMuta vista;
    TPartita partita(vista, TCasuale::DaSeme(seme));
    partita.Distribuisci(true);
    return DaPartita(partita);
}

void TStato::ScriviPozzoIn(TChiave& chiave, int carta, int p) {
    std::uint64_t& parola = chiave.parole[carta / CartePerParola];
    const int scarto = carta % CartePerParola * BitPozzo;
    parola = (parola & ~(MascheraPozzo << scarto)) | std::uint64_t(p) << scarto;
}

void TStato::ScriviPozzo(int carta, int p) {
    pozzo[carta] = static_cast<std::int8_t>(p);
    ScriviPozzoIn(chiave, carta, p);
}

void TStato::ScriviCoperta(int p, bool giu) {
    const bool piena = p < PozziInParolePiene;
    std::uint64_t& parola = chiave.parole[piena ? p / CoperteInParolaPiena : UltimaParola];
    const std::uint64_t bit = std::uint64_t{1}
                              << (piena ? PrimoBitCopertaPiena + p % CoperteInParolaPiena
                                        : PrimoBitCopertaUltima + p - PozziInParolePiene);
    parola = giu ? parola | bit : parola & ~bit;
}

void TStato::Smarca(int p) {
    const std::uint32_t resto = ~(1u << p);
    if (const int c = cima[p]; c >= 0) {
        perSeme[Seme(c)] &= resto;
        perValore[Valore(c) - 1] &= resto;
    }
    vuoti &= resto;
}

void TStato::Marca(int p) {
    const std::uint32_t bit = 1u << p;
    if (const int c = cima[p]; c >= 0) {
        perSeme[Seme(c)] |= bit;
        perValore[Valore(c) - 1] |= bit;
    } else if (coperta[p] < 0) {
        vuoti |= bit;
    }
}

void TStato::Posa(int carta, int p) {
    if (Valore(carta) != ValoriPerSeme) {
        // On a face-up card of a table pile only the next card of its suit.
        const std::uint64_t bit = std::uint64_t{1} << (carta - Seme(carta));
        sulSeguente = !Angolo(p) && cima[p] >= 0 ? sulSeguente | bit : sulSeguente & ~bit;
    }
    Smarca(p);
    if (Angolo(p)) {
        ++suiAngoli;
        if (Valore(carta) == 1) {
            ++angoliAperti;
            base[p] = static_cast<std::int8_t>(carta);
        }
    } else if (cima[p] < 0) {
        base[p] = static_cast<std::int8_t>(carta);
    }
    cima[p] = static_cast<std::int8_t>(carta);
    ScriviPozzo(carta, p);
    Marca(p);
}

void TStato::Togli(int carta, int p) {
    Smarca(p);
    if (Angolo(p)) {
        --suiAngoli;
        if (Valore(carta) == 1) {
            --angoliAperti;
            base[p] = cima[p] = -1;
        } else {
            cima[p] = static_cast<std::int8_t>(carta - 1);
        }
    } else if (base[p] == carta) {
        base[p] = cima[p] = -1;
    } else {
        cima[p] = static_cast<std::int8_t>(carta + 1);
    }
    Marca(p);
}

void TStato::Esegui(const TMossa& mossa) {
    if (mossa.scopri) {
        Smarca(mossa.a);
        coperta[mossa.a] = -1;
        base[mossa.a] = cima[mossa.a] = mossa.carta;
        ScriviCoperta(mossa.a, false);
        Marca(mossa.a);
        return;
    }
    Togli(mossa.carta, mossa.da);
    Posa(mossa.carta, mossa.a);
}

void TStato::Annulla(const TMossa& mossa) {
    if (mossa.scopri) {
        Smarca(mossa.a);
        coperta[mossa.a] = mossa.carta;
        base[mossa.a] = cima[mossa.a] = -1;
        ScriviCoperta(mossa.a, true);
        Marca(mossa.a);
        return;
    }
    Togli(mossa.carta, mossa.a);
    Posa(mossa.carta, mossa.da);
}

void TStato::RimescolaCoperte(std::mt19937_64& caso) {
    std::array<std::int8_t, Pozzi> posti{};
    std::array<std::int8_t, Pozzi> carte{};
    std::size_t quante = 0;
    for (int p = 0; p < Pozzi; ++p) {
        if (coperta[p] >= 0) {
            posti[quante] = static_cast<std::int8_t>(p);
            carte[quante++] = coperta[p];
        }
    }
    // Sorted first, so that the guess hangs on which cards are hidden, never on where.
    const auto fine = carte.begin() + static_cast<std::ptrdiff_t>(quante);
    std::sort(carte.begin(), fine);
    std::shuffle(carte.begin(), fine, caso);
    // Face down, a card is neither a top nor an empty place: the masks stay as they are.
    for (std::size_t i = 0; i < quante; ++i) {
        coperta[posti[i]] = carte[i];
        ScriviPozzo(carte[i], posti[i]);
    }
}

// Grows the region reached from `da` through passable piles until it touches
// a pile of `mete`.
bool TStato::RaggiungeUna(int da, std::uint32_t mete, std::uint32_t transitabili) {
    std::uint32_t raggiunti = 1u << da;
    while (true) {
        const std::uint32_t vicini = Intorno(raggiunti);
        if ((vicini & mete) != 0) {
            return true;
        }
        const std::uint32_t nuovi = vicini & transitabili & ~raggiunti;
        if (nuovi == 0) {
            return false;
        }
        raggiunti |= nuovi;
    }
}

std::uint32_t TStato::DieciSoli() const {
    std::uint32_t soli = 0;
    for (int seme = 0; seme < Semi; ++seme) {
        const int dieci = seme * ValoriPerSeme + ValoriPerSeme - 1;
        const int p = pozzo[dieci];
        if (!Angolo(p) && base[p] == dieci && cima[p] == dieci && coperta[p] < 0) {
            soli |= 1u << p;
        }
    }
    return soli;
}

TStato::TChiave TStato::ChiaveClasse() const {
    if (VuotiTavolo() == 0) {
        return chiave;
    }
    TChiave classe = chiave;
    for (std::uint32_t soli = DieciSoli(); soli != 0; soli &= soli - 1) {
        // A pile no card lies on, in place of the ten's own.
        ScriviPozzoIn(classe, cima[std::countr_zero(soli)], PozzoNessuno);
    }
    return classe;
}

TStato::TChiaveCorta TStato::ChiaveCorta(bool classe) const {
    TChiaveCorta corta;
    corta.parole[0] = sulSeguente;
    const std::uint32_t soli = classe && VuotiTavolo() != 0 ? DieciSoli() : 0;
    for (int seme = 0; seme < Semi; ++seme) {
        const int p = pozzo[seme * ValoriPerSeme + ValoriPerSeme - 1];
        const auto campo = std::uint64_t((soli >> p & 1u) != 0 ? PozzoNessuno : p);
        corta.parole[0] |= campo << (PrimoBitDieci + seme * BitPozzo);
    }
    for (int k = 0; k < NumeroAngoli; ++k) {
        if (const int cimaAngolo = cima[TPartita::Angoli[k]]; cimaAngolo >= 0) {
            const int seme = Seme(cimaAngolo);
            corta.parole[0] |= std::uint64_t(seme) << (PrimoBitAngoli + BitSeme * k);
            corta.parole[1] |= std::uint64_t(Valore(cimaAngolo)) << (BitAltezza * seme);
        }
    }
    return corta;
}

std::uint32_t TStato::Transitabili(int carta) const {
    return perSeme[Seme(carta)] | perValore[Valore(carta) - 1] | vuoti;
}

bool TStato::EsistePercorso(int carta, int meta) const {
    return Raggiunge(pozzo[carta], meta, Transitabili(carta));
}

void TStato::AggiungiMossa(int carta, int meta, bool serveStrada,
                           std::vector<TMossa>& mosse) const {
    if (serveStrada && !EsistePercorso(carta, meta)) {
        return;
    }
    mosse.push_back(
        {static_cast<std::int8_t>(carta), pozzo[carta], static_cast<std::int8_t>(meta)});
}

void TStato::MosseDi(int carta, std::vector<TMossa>& mosse) const {
    const int valore = Valore(carta);
    if (valore == 1 && angoliAperti < NumeroAngoli) {
        AggiungiMossa(carta, TPartita::Angoli[angoliAperti], false, mosse);
    }
    if (valore == ValoriPerSeme) {
        for (int p = 0; p < Pozzi; ++p) {
            if (!Angolo(p) && cima[p] < 0 && coperta[p] < 0) {
                AggiungiMossa(carta, p, false, mosse);
            }
        }
    } else {
        const int sopra = carta + 1;
        const int q = pozzo[sopra];
        if (!Angolo(q) && cima[q] == sopra) {
            AggiungiMossa(carta, q, true, mosse);
        }
    }
    if (valore > 1) {
        const int sotto = carta - 1;
        const int q = pozzo[sotto];
        if (Angolo(q) && cima[q] == sotto) {
            AggiungiMossa(carta, q, true, mosse);
        }
    }
}

void TStato::MosseLegali(std::vector<TMossa>& mosse) const {
    for (int p = 0; p < Pozzi; ++p) {
        const int c = cima[p];
        if (c < 0) {
            if (const auto scoperta = Scoperta(p)) {
                mosse.push_back(*scoperta);
            }
            continue;
        }
        // An ace and a ten never leave a corner.
        if (Angolo(p) && (Valore(c) == 1 || Valore(c) == ValoriPerSeme)) {
            continue;
        }
        MosseDi(c, mosse);
    }
}

int TStato::Classe(const TMossa& mossa) const {
    if (Angolo(mossa.a)) {
        return ClasseAngolo;
    }
    const bool scopre = coperta[mossa.da] >= 0 && base[mossa.da] == mossa.carta;
    return scopre ? ClasseScopre : ClasseAltra;
}

void TStato::ScopriSole(std::vector<TMossa>* passi) {
    for (int p = 0; p < Pozzi; ++p) {
        if (const auto scoperta = Scoperta(p)) {
            Esegui(*scoperta);
            if (passi != nullptr) {
                passi->push_back(*scoperta);
            }
        }
    }
}

std::optional<TMossa> TStato::Scoperta(int p) const {
    if (cima[p] >= 0 || coperta[p] < 0) {
        return std::nullopt;
    }
    const auto pozzo = static_cast<std::int8_t>(p);
    return TMossa{coperta[p], pozzo, pozzo, true};
}
