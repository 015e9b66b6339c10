#pragma once

#include <QStylePlugin>

// Offers CommonStyle to QStyleFactory from "<library path>/styles/".
class CommonStylePlugin final : public QStylePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QStyleFactoryInterface_iid FILE "commonstyle.json")
    Q_DISABLE_COPY_MOVE(CommonStylePlugin)

public:
    explicit CommonStylePlugin(QObject *parent = nullptr);

    QStyle *create(const QString &key) override;
};
