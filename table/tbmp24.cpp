#include "tbmp24.h"

#include <QtEndian>

#include <cstdint>

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

template <typename T> T Campo(const QByteArray& dati, qsizetype dove) {
    return qFromLittleEndian<T>(dati.constData() + dove);
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

} // namespace

QImage TBmp24::Leggi(const QByteArray& dati) {
    if (dati.size() < FineIntestazione || !dati.startsWith("BM") ||
        Campo<std::uint32_t>(dati, MisuraIntestazione) < IntestazioneMinima ||
        Campo<std::uint16_t>(dati, Piani) != 1 || Campo<std::uint16_t>(dati, BitPerPixel) != 24 ||
        Campo<std::uint32_t>(dati, Compressione) != 0) {
        return {};
    }
    const std::int32_t larghezza = Campo<std::int32_t>(dati, Larghezza);
    const std::int32_t altezza = Campo<std::int32_t>(dati, Altezza);
    // Rows run bottom up, unless the height is negative; each is padded to 4 bytes.
    const qint64 righe = altezza < 0 ? -qint64(altezza) : altezza;
    const qint64 passo = (qint64(larghezza) * 3 + 3) / 4 * 4;
    const qint64 inizio = Campo<std::uint32_t>(dati, InizioPixel);
    if (larghezza <= 0 || righe == 0 || inizio < FineIntestazione ||
        inizio + passo * righe > dati.size()) {
        return {};
    }
    QImage immagine(larghezza, int(righe), QImage::Format_RGB32);
    if (immagine.isNull()) {
        return {};
    }
    const auto* pixel = reinterpret_cast<const uchar*>(dati.constData()) + inizio;
    for (int y = 0; y < immagine.height(); ++y) {
        const qint64 riga = altezza < 0 ? y : righe - 1 - y;
        CopiaRiga(pixel + riga * passo, reinterpret_cast<QRgb*>(immagine.scanLine(y)), larghezza);
    }
    immagine.setDotsPerMeterX(Campo<std::int32_t>(dati, PuntiPerMetroX));
    immagine.setDotsPerMeterY(Campo<std::int32_t>(dati, PuntiPerMetroY));
    return immagine;
}
