#include "tscala.h"

QPixmap TScala::Risorsa(const QString& nome, qreal rapporto) {
    const int scala = Per(rapporto);
    QPixmap figura(scala > 1 ? QStringLiteral(":/immagini/%1@%2x.png").arg(nome).arg(scala)
                             : QStringLiteral(":/immagini/%1.png").arg(nome));
    figura.setDevicePixelRatio(scala);
    return figura;
}

QPoint TScala::PuntoCaldo(QPoint logico, int scala, const QString& piattaforma) {
    return piattaforma == QStringLiteral("xcb") ? logico * scala : logico;
}

bool TScala::CambiaRapporto(const QEvent* evento) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    if (evento->type() == QEvent::DevicePixelRatioChange) {
        return true;
    }
#endif
    return evento->type() == QEvent::ScreenChangeInternal;
}
