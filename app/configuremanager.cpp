#include "app/configuremanager.h"

#include "platform/cgenericds.h"

namespace apt {

Configure::Configure(const QString &key, const QString &value)
    : m_key(key)
    , m_value(value)
{
}

Configure::~Configure() = default;

ConfigureManager::ConfigureManager() = default;

ConfigureManager::~ConfigureManager()
{
    clear();
}

void ConfigureManager::clear()
{
    qDeleteAll(m_entries);
    m_entries.clear();
}

QString ConfigureManager::keyName(ConfigKey key)
{
    switch (key) {
    case ConfigKey::Translator:
        return QStringLiteral("Translator");
    case ConfigKey::Languages:
        return QStringLiteral("Languages");
    case ConfigKey::LogLevel:
        return QStringLiteral("LogLevel");
    case ConfigKey::VersionType:
        return QStringLiteral("VersionType");
    case ConfigKey::PingThread:
        return QStringLiteral("PingThread");
    case ConfigKey::TaskThread:
        return QStringLiteral("TaskThread");
    case ConfigKey::LogSaveDay:
        return QStringLiteral("LogSaveDay");
    case ConfigKey::Skin:
        return QStringLiteral("Skin");
    }
    return QString();
}

bool ConfigureManager::load(const QString &path)
{
    clear();

    OrvaneGUIToolkit::CGenericDS root;
    if (!root.LoadXML(path))
        return false;
    m_path = path;

    const QVector<OrvaneGUIToolkit::CGenericDS> settings = root.GetChildren();
    for (const OrvaneGUIToolkit::CGenericDS &setting : settings) {
        m_entries.append(new Configure(setting.GetName(),
                                       setting.GetChildByName(QStringLiteral("Value")).GetValue()));
    }
    return true;
}

const Configure *ConfigureManager::find(ConfigKey key) const
{
    const QString name = keyName(key);
    // A key outside the table has no element name and matches nothing.
    if (name.isEmpty())
        return nullptr;
    for (const Configure *entry : m_entries) {
        if (entry->key() == name)
            return entry;
    }
    return nullptr;
}

unsigned ConfigureManager::translator() const
{
    const Configure *entry = find(ConfigKey::Translator);
    if (!entry)
        return 0;
    bool ok = false;
    const unsigned code = entry->value().toUInt(&ok, 10);
    return ok ? code : 0;
}

} // namespace apt
