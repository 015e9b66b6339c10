// A valid Qt plug-in that is not a skin: the skin search must pass it by.
#include <QObject>
#include <QtPlugin>

class NotASkin
{
public:
    virtual ~NotASkin() = default;
    virtual int value() const = 0;
};
Q_DECLARE_INTERFACE(NotASkin, "com.larkspan.NotASkin/1.0")

class NotASkinPlugin : public QObject, public NotASkin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "com.larkspan.NotASkin/1.0")
    Q_INTERFACES(NotASkin)

public:
    int value() const override { return 1; }
};

#include "notaskinplugin.moc"
