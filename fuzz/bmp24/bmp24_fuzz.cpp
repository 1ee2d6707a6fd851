// The fuzzer's entry for the pictures' quick reader: the bytes are a file in
// the pictures' folder. The reader answers with a picture of the size its
// header declares, the same picture Qt's own reader makes of the file, or a
// null picture; the run's memory limit catches an allocation sized by a
// header field the file cannot back.
#include "tbmp24.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Where the info header keeps the picture's size.
constexpr qsizetype CampoLarghezza = 18;
constexpr qsizetype CampoAltezza = 22;
// Qt's reader stops at this many megabytes, below the run's own limit, so
// that only our reader's allocations can trip that.
constexpr int LimiteQtMb = 16;

void Fallisci(const char* regola) {
    // Stop at once, so that the fuzzer keeps the input.
    std::fprintf(stderr, "picture rule broken: %s\n", regola);
    std::abort();
}

qint64 CampoIntero(const QByteArray& dati, qsizetype dove) {
    return qFromLittleEndian<std::int32_t>(dati.constData() + dove);
}

QImage LettaDaQt(const QByteArray& dati) {
    QImageReader::setAllocationLimit(LimiteQtMb);
    QByteArray copia = dati;
    QBuffer buffer(&copia);
    QImageReader lettore(&buffer, "bmp");
    return lettore.read().convertToFormat(QImage::Format_RGB32);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* byte, std::size_t quanti) {
    // The input's own bytes, not a copy: a read past them is the sanitizer's.
    const QByteArray dati =
        QByteArray::fromRawData(reinterpret_cast<const char*>(byte), qsizetype(quanti));
    const bool incompleto = TBmp24::Incompleto(dati);
    const QImage letta = TBmp24::Leggi(dati);
    if (letta.isNull()) {
        return 0;
    }
    if (incompleto) {
        Fallisci("a picture read from a file called incomplete");
    }
    if (letta.format() != QImage::Format_RGB32 ||
        letta.width() != CampoIntero(dati, CampoLarghezza) ||
        letta.height() != qAbs(CampoIntero(dati, CampoAltezza))) {
        Fallisci("the picture is not of the declared size");
    }
    const QImage qt = LettaDaQt(dati);
    if (!qt.isNull() && qt != letta) {
        Fallisci("the picture differs from Qt's reading of the file");
    }
    return 0;
}
