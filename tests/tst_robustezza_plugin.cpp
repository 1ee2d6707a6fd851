// Qt's entry to the testing aid: the generic plugin "sonda".
#include "tst_robustezza_sonda.h"

#include <QGenericPlugin>

class TPluginSonda : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "tst_robustezza_plugin.json")

public:
    QObject* create(const QString& chiave, const QString&) override {
        return chiave.compare(QLatin1String("sonda"), Qt::CaseInsensitive) == 0
                   ? new TSonda(nullptr)
                   : nullptr;
    }
};

#include "tst_robustezza_plugin.moc"
