#include "tnucleo.h"

#include <algorithm>
#include <bit>

namespace {

constexpr std::int8_t Galleggiante = TStato::Pozzi; // the pile of a floating ten

// The key: two bits for each core card but the tens, in the first word; then
// in the second each core ten's pile and face, and each core suit's corner.
constexpr int CodiceCoperta = 0;
constexpr int CodiceScoperta = 1;
constexpr int CodiceSulSeguente = 2;
constexpr int CodiceACasa = 3;
constexpr int BitCodice = 2;
constexpr int BitDelDieci = 6;
constexpr std::uint64_t DieciCoperto = 32;
constexpr int BitAngolo = 2;
constexpr std::uint64_t Occupata = std::uint64_t{1} << 63; // never a free slot of TVisti
static_assert(TNucleo::SemiMassimi * (TStato::ValoriPerSeme - 1) * BitCodice < 63);
static_assert(TNucleo::SemiMassimi * (BitDelDieci + BitAngolo) <= 64 - TStato::BitLiberiChiave);

bool SuAngolo(int p) {
    return p < TStato::Pozzi && TStato::Angolo(p);
}

int IndiceAngolo(int p) {
    const auto& angoli = TPartita::Angoli;
    return static_cast<int>(std::find(angoli.begin(), angoli.end(), p) - angoli.begin());
}

} // namespace

TEsito TNucleo::Decidi(const TStato& stato, unsigned semiNucleo, std::uint64_t quota) {
    semi = semiNucleo;
    const int contati = std::popcount(semi);
    posizioni = 0;
    if (contati == 0 || contati > SemiMassimi || semi >> Semi != 0) {
        return TEsito::Ignota;
    }
    altriSemi = Semi - contati;
    daPortare = contati * Dieci;
    const TPosizioneNucleo partenza = Proietta(stato);
    if (partenza.aCasa == daPortare) {
        return TEsito::Vinta;
    }
    const TEsito esito = Tenta(partenza, std::min<std::uint64_t>(quota, TVisti::Capienza()));
    visti.Svuota(); // a large table is given back before the solver's last attempt
    return esito;
}

TEsito TNucleo::Tenta(const TPosizioneNucleo& partenza, std::uint64_t quota) {
    visti.Prepara(quota);
    passi.clear();
    pila.clear();
    visti.Inserisci(Chiave(partenza));
    std::uint64_t entrate = 1;
    const auto apri = [this](const TPosizioneNucleo& tavolo) {
        TLivelloNucleo& livello =
            pila.emplace_back(TLivelloNucleo{tavolo, passi.size(), passi.size(), 0});
        Passi(livello.tavolo, passi);
        livello.fine = passi.size();
        // Home first: a core that can be won is most often won at once.
        std::stable_partition(passi.begin() + static_cast<std::ptrdiff_t>(livello.inizio),
                              passi.end(), [](const TPasso& passo) { return SuAngolo(passo.a); });
    };
    apri(partenza);
    while (!pila.empty()) {
        TLivelloNucleo& livello = pila.back();
        if (livello.prossimo == livello.fine) {
            passi.resize(livello.inizio);
            pila.pop_back();
            continue;
        }
        TPosizioneNucleo tavolo = livello.tavolo;
        Esegui(tavolo, passi[livello.prossimo++]);
        if (tavolo.aCasa == daPortare) {
            posizioni = entrate;
            return TEsito::Vinta;
        }
        if (!visti.Inserisci(Chiave(tavolo)).second) {
            continue;
        }
        if (++entrate >= quota) {
            posizioni = entrate;
            return TEsito::Ignota;
        }
        apri(tavolo);
    }
    posizioni = entrate;
    return TEsito::Impossibile;
}

TNucleo::TPosizioneNucleo TNucleo::Proietta(const TStato& stato) const {
    TPosizioneNucleo t;
    t.coperta.fill(-1);
    t.base.fill(-1);
    t.cima.fill(-1);
    t.pozzo.fill(-1);
    t.angolo.fill(-1);
    int assi = 0;
    for (int p = 0; p < Pozzi; ++p) {
        const int coperta = stato.Coperta(p);
        const int base = stato.Base(p);
        const int cima = stato.Cima(p);
        if (coperta >= 0 && Nucleo(coperta)) {
            t.coperta[p] = static_cast<std::int8_t>(coperta);
            t.pozzo[coperta] = static_cast<std::int8_t>(p);
            t.velati |= (base >= 0 && !Nucleo(base) ? 1u : 0u) << p;
        }
        if (base < 0 || !Nucleo(base)) {
            Scopri(t, p);
            continue;
        }
        t.base[p] = static_cast<std::int8_t>(base);
        t.cima[p] = static_cast<std::int8_t>(cima);
        for (int carta = std::min(base, cima); carta <= std::max(base, cima); ++carta) {
            t.pozzo[carta] = static_cast<std::int8_t>(p);
        }
        if (SuAngolo(p)) {
            const int seme = TStato::Seme(cima);
            t.angolo[seme] = static_cast<std::int8_t>(p);
            t.altezza[seme] = static_cast<std::int8_t>(TStato::Valore(cima));
            t.aCasa += TStato::Valore(cima);
            ++assi;
        }
    }
    t.aperti = static_cast<std::int8_t>(stato.AngoloCorrente());
    t.altriAssi = static_cast<std::int8_t>(t.aperti - assi);
    Galleggia(t);
    return t;
}

// The card that may move from pile p: its top, or a face-down core card under
// wild ones, bared by its own move.
int TNucleo::Mobile(const TPosizioneNucleo& t, int p) {
    if (t.cima[p] >= 0) {
        return t.cima[p];
    }
    return Velato(t, p) ? t.coperta[p] : -1;
}

bool TNucleo::VuotoDiNucleo(const TPosizioneNucleo& t, int p) {
    return !SuAngolo(p) && t.cima[p] < 0 && t.coperta[p] < 0;
}

bool TNucleo::AltroVuoto(const TPosizioneNucleo& t, int p) {
    for (int q = 0; q < Pozzi; ++q) {
        if (q != p && VuotoDiNucleo(t, q)) {
            return true;
        }
    }
    return false;
}

std::uint32_t TNucleo::Transitabili(const TPosizioneNucleo& t, int carta) {
    std::uint32_t transitabili = 0;
    for (int p = 0; p < Pozzi; ++p) {
        const int cima = t.cima[p];
        const bool passa = cima < 0 ? t.coperta[p] < 0 || Velato(t, p)
                                    : TStato::Seme(cima) == TStato::Seme(carta) ||
                                          TStato::Valore(cima) == TStato::Valore(carta);
        transitabili |= (passa ? 1u : 0u) << p;
    }
    return transitabili;
}

void TNucleo::Passi(const TPosizioneNucleo& t, std::vector<TPasso>& elenco) const {
    // A floating ten goes to its corner from any pile with no core card that has a way there.
    for (int seme = 0; seme < Semi; ++seme) {
        const int dieci = seme * Dieci + Dieci - 1;
        const int angolo = t.angolo[seme];
        if (t.pozzo[dieci] != Galleggiante || angolo < 0 || t.altezza[seme] != Dieci - 1) {
            continue;
        }
        const std::uint32_t transitabili = Transitabili(t, dieci);
        for (int r = 0; r < Pozzi; ++r) {
            if (VuotoDiNucleo(t, r) && TStato::Raggiunge(r, angolo, transitabili)) {
                elenco.push_back(
                    {static_cast<std::int8_t>(dieci), static_cast<std::int8_t>(angolo)});
                break;
            }
        }
    }
    for (int p = 0; p < Pozzi; ++p) {
        PassiDi(t, p, elenco);
    }
}

void TNucleo::PassiDi(const TPosizioneNucleo& t, int p, std::vector<TPasso>& elenco) const {
    const int carta = Mobile(t, p);
    if (carta < 0) {
        return;
    }
    const int valore = TStato::Valore(carta);
    const int seme = TStato::Seme(carta);
    if (SuAngolo(p) && (valore == 1 || valore == Dieci)) {
        return;
    }
    const auto passo = [&](int a, bool posaDieci = false) {
        elenco.push_back({static_cast<std::int8_t>(carta), static_cast<std::int8_t>(a), posaDieci});
    };
    const std::uint32_t transitabili = Transitabili(t, carta);
    if (valore == 1 && !SuAngolo(p)) {
        // To any corner still to open, the ones before it opened by wild aces.
        for (int j = t.aperti; j < NumeroAngoli && j - t.aperti + t.altriAssi <= altriSemi; ++j) {
            passo(TPartita::Angoli[j]);
        }
    }
    if (valore == Dieci) {
        // Off the face-down card it lies on, to an empty pile: then it floats.
        if (!SuAngolo(p) && AltroVuoto(t, p)) {
            passo(Galleggiante);
        }
    } else if (t.pozzo[carta + 1] == Galleggiante) {
        for (int q = 0; q < Pozzi; ++q) {
            if (q != p && VuotoDiNucleo(t, q) && TStato::Raggiunge(p, q, transitabili)) {
                passo(q, true);
            }
        }
    } else {
        const int q = t.pozzo[carta + 1];
        if (q != p && !SuAngolo(q) && Mobile(t, q) == carta + 1 &&
            TStato::Raggiunge(p, q, transitabili)) {
            passo(q);
        }
    }
    const int angolo = t.angolo[seme];
    if (valore > 1 && !SuAngolo(p) && angolo >= 0 && t.altezza[seme] == valore - 1 &&
        TStato::Raggiunge(p, angolo, transitabili)) {
        passo(angolo);
    }
}

void TNucleo::Esegui(TPosizioneNucleo& t, const TPasso& passo) const {
    const int carta = passo.carta;
    const int a = passo.a;
    const int seme = TStato::Seme(carta);
    // The card's pile, or Galleggiante while it floats; only wild cards have
    // none, and they never move here.
    const int p = t.pozzo[carta];
    if (p >= 0 && p < Galleggiante) {
        Svela(t, p);
        if (a != Galleggiante && !SuAngolo(a)) {
            Svela(t, a);
        }
        if (passo.posaDieci) {
            t.base[a] = t.cima[a] = static_cast<std::int8_t>(carta + 1);
            t.pozzo[carta + 1] = static_cast<std::int8_t>(a);
        }
        if (t.base[p] == carta) {
            t.base[p] = t.cima[p] = -1;
            Scopri(t, p);
        } else {
            t.cima[p] = static_cast<std::int8_t>(SuAngolo(p) ? carta - 1 : carta + 1);
        }
        if (SuAngolo(p)) {
            --t.altezza[seme];
            --t.aCasa;
        }
    }
    t.pozzo[carta] = static_cast<std::int8_t>(a);
    if (a == Galleggiante) {
        return;
    }
    if (SuAngolo(a)) {
        if (TStato::Valore(carta) == 1) {
            const int j = IndiceAngolo(a);
            t.altriAssi = static_cast<std::int8_t>(t.altriAssi + j - t.aperti);
            t.aperti = static_cast<std::int8_t>(j + 1);
            t.angolo[seme] = static_cast<std::int8_t>(a);
            t.base[a] = static_cast<std::int8_t>(carta);
        }
        ++t.altezza[seme];
        ++t.aCasa;
    } else if (t.base[a] < 0) {
        t.base[a] = static_cast<std::int8_t>(carta);
    }
    t.cima[a] = static_cast<std::int8_t>(carta);
    Galleggia(t);
}

// A core ten alone on a table pile, with nothing under it, floats.
void TNucleo::Galleggia(TPosizioneNucleo& t) const {
    for (int seme = 0; seme < Semi; ++seme) {
        const int dieci = seme * Dieci + Dieci - 1;
        const int p = t.pozzo[dieci];
        if (Nucleo(dieci) && p != Galleggiante && !SuAngolo(p) && t.base[p] == dieci &&
            t.cima[p] == dieci && t.coperta[p] < 0) {
            t.base[p] = t.cima[p] = -1;
            t.pozzo[dieci] = Galleggiante;
        }
    }
}

// A lone face-down core card is turned up at once, as the solver does.
void TNucleo::Scopri(TPosizioneNucleo& t, int p) {
    if (t.cima[p] < 0 && t.coperta[p] >= 0 && !Velato(t, p)) {
        t.base[p] = t.cima[p] = t.coperta[p];
        t.coperta[p] = -1;
    }
}

void TNucleo::Svela(TPosizioneNucleo& t, int p) {
    if (Velato(t, p)) {
        t.velati &= ~(1u << p);
        Scopri(t, p);
    }
}

TStato::TChiaveCorta TNucleo::Chiave(const TPosizioneNucleo& t) const {
    TStato::TChiaveCorta chiave;
    chiave.parole[0] = Occupata;
    int bit = 0;
    int bitDieci = 0;
    for (int carta = 0; carta < Carte; ++carta) {
        if (!Nucleo(carta)) {
            continue;
        }
        const int p = t.pozzo[carta];
        const bool coperta = p != Galleggiante && t.coperta[p] == carta;
        if (TStato::Valore(carta) == Dieci) {
            const std::uint64_t campo =
                static_cast<std::uint64_t>(p) | (coperta ? DieciCoperto : 0);
            chiave.parole[1] |= campo << bitDieci;
            bitDieci += BitDelDieci;
            continue;
        }
        int codice = coperta ? CodiceCoperta : CodiceScoperta;
        if (SuAngolo(p)) {
            codice = CodiceACasa;
        } else if (t.pozzo[carta + 1] == p) {
            codice = CodiceSulSeguente;
        }
        chiave.parole[0] |= static_cast<std::uint64_t>(codice) << bit;
        bit += BitCodice;
    }
    for (int seme = 0; seme < Semi; ++seme) {
        if (!Nucleo(seme * Dieci)) {
            continue;
        }
        if (t.angolo[seme] >= 0) {
            chiave.parole[1] |= static_cast<std::uint64_t>(IndiceAngolo(t.angolo[seme]))
                                << bitDieci;
        }
        bitDieci += BitAngolo;
    }
    return chiave;
}
