// A skin plug-in for the start-up tests: offers the names given at compile
// time in TEST_SKIN_NAMES.
#include "skin/iskinplugin.h"

#include <QObject>

class TestSkinPlugin : public QObject, public ISkinPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ISkinPlugin_iid)
    Q_INTERFACES(ISkinPlugin)

public:
    QStringList skinNames() const override
    {
        return QString::fromLatin1(TEST_SKIN_NAMES).split(QLatin1Char(','));
    }
};

#include "testskinplugin.moc"
