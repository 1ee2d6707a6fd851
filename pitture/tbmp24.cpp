#include "tbmp24.h"

#include <QtEndian>

#include <cstdint>
#include <optional>

namespace {

// Offsets in the file header and the info header that follows it.
constexpr qsizetype InizioPixel = 10;
constexpr qsizetype MisuraIntestazione = 14;
constexpr qsizetype Larghezza = 18;
constexpr qsizetype Altezza = 22;
constexpr qsizetype Piani = 26;
constexpr qsizetype BitPerPixel = 28;
constexpr qsizetype Compressione = 30;
constexpr qsizetype PuntiPerMetroX = 38;
constexpr qsizetype PuntiPerMetroY = 42;
constexpr qsizetype FineIntestazione = 54;
constexpr std::uint32_t IntestazioneMinima = 40;

// Read through a view: the header's size is checked first, but GCC takes
// constData() for the one-byte buffer of an empty array and warns of reads
// past it.
template <typename T> T Campo(const QByteArray& dati, qsizetype dove) {
    return qFromLittleEndian<T>(QByteArrayView(dati).data() + dove);
}

// Each pixel's blue, green and red bytes, read as one little-endian word, are
// already a 32-bit pixel once the fourth byte is made opaque. That byte of the
// row's last pixel may lie past the data, so that pixel is read byte by byte.
void CopiaRiga(const uchar* bgr, QRgb* riga, int larghezza) {
    constexpr quint32 Opaco = 0xff000000u;
    constexpr quint32 Colore = 0x00ffffffu;
    const int ultimo = larghezza - 1;
    for (int x = 0; x < ultimo; ++x) {
        riga[x] = Opaco | (qFromLittleEndian<quint32>(bgr + 3 * x) & Colore);
    }
    bgr += 3 * ultimo;
    riga[ultimo] = qRgb(bgr[2], bgr[1], bgr[0]);
}

// The parts of a BMP header that say where the pixel rows lie.
struct Righe {
    std::int32_t larghezza = 0;
    std::int32_t altezza = 0; // negative: rows run top down
    qint64 numero = 0;
    qint64 passo = 0; // bytes a row, padded to 4
    qint64 inizio = 0;
    // Where the info header says it ends: rows that start before it overlap
    // it, and Qt's reader takes them from elsewhere.
    qint64 fineIntestazione = 0;
    std::uint16_t bit = 0;
    bool compresse = true;
};

// The header of a BMP file, or nothing when the data are no BMP.
std::optional<Righe> LeggiIntestazione(const QByteArray& dati) {
    if (dati.size() < FineIntestazione || !dati.startsWith("BM") ||
        Campo<std::uint32_t>(dati, MisuraIntestazione) < IntestazioneMinima ||
        Campo<std::uint16_t>(dati, Piani) != 1) {
        return std::nullopt;
    }
    Righe righe;
    righe.larghezza = Campo<std::int32_t>(dati, Larghezza);
    righe.altezza = Campo<std::int32_t>(dati, Altezza);
    righe.numero = righe.altezza < 0 ? -qint64(righe.altezza) : righe.altezza;
    righe.bit = Campo<std::uint16_t>(dati, BitPerPixel);
    righe.passo = (qint64(righe.larghezza) * righe.bit + 31) / 32 * 4;
    righe.inizio = Campo<std::uint32_t>(dati, InizioPixel);
    // The info header begins with its own size.
    righe.fineIntestazione =
        MisuraIntestazione + qint64(Campo<std::uint32_t>(dati, MisuraIntestazione));
    righe.compresse = Campo<std::uint32_t>(dati, Compressione) != 0;
    return righe;
}

// Whether the rows need more bytes than the file holds, without multiplying
// numbers a hostile header could make overflow.
bool OltreLaFine(const Righe& righe, qsizetype misura) {
    if (righe.inizio > misura) {
        return true;
    }
    return righe.passo > 0 && righe.numero > (misura - righe.inizio) / righe.passo;
}

} // namespace

bool TBmp24::Incompleto(const QByteArray& dati) {
    const std::optional<Righe> righe = LeggiIntestazione(dati);
    return righe && !righe->compresse && righe->larghezza > 0 && OltreLaFine(*righe, dati.size());
}

QImage TBmp24::Leggi(const QByteArray& dati) {
    const std::optional<Righe> righe = LeggiIntestazione(dati);
    if (!righe || righe->bit != 24 || righe->compresse || righe->larghezza <= 0 ||
        righe->numero == 0 || righe->inizio < righe->fineIntestazione ||
        OltreLaFine(*righe, dati.size())) {
        return {};
    }
    QImage immagine(righe->larghezza, int(righe->numero), QImage::Format_RGB32);
    if (immagine.isNull()) {
        return {};
    }
    const auto* pixel = reinterpret_cast<const uchar*>(dati.constData()) + righe->inizio;
    for (int y = 0; y < immagine.height(); ++y) {
        // Rows run bottom up, unless the height is negative.
        const qint64 riga = righe->altezza < 0 ? y : righe->numero - 1 - y;
        CopiaRiga(pixel + riga * righe->passo, reinterpret_cast<QRgb*>(immagine.scanLine(y)),
                  righe->larghezza);
    }
    immagine.setDotsPerMeterX(Campo<std::int32_t>(dati, PuntiPerMetroX));
    immagine.setDotsPerMeterY(Campo<std::int32_t>(dati, PuntiPerMetroY));
    return immagine;
}
