#pragma once

#include "platform/cuisingleton.h"

#include <QList>
#include <QString>

// The settings that the program knows, by their element names in "Setup.xml".
// Any other value has no element name and matches no setting.
enum class ConfigKey {
    Translator = 0,  // language code: 0 English, 1 Chinese
    Languages = 1,   // recognised, ignored
    LogLevel = 2,    // recognised, ignored
    VersionType = 3, // recognised, ignored
    PingThread = 4,  // recognised, ignored
    TaskThread = 5,  // recognised, ignored
    LogSaveDay = 6,  // recognised, ignored
    Skin = 7,        // skin name; when present it replaces the default, even when empty
};

namespace apt {

// One setting: its element name and the text of its "Value" child.
class Configure
{
public:
    Configure(const QString &key, const QString &value);
    virtual ~Configure();

    QString key() const { return m_key; }
    QString value() const { return m_value; }

private:
    QString m_key;
    QString m_value;
};

// Reads "Setup.xml" once at start-up and answers lookups by key. The file is
// never written back.
class ConfigureManager final : public OrvaneGUIToolkit::CUiSingleton<ConfigureManager>
{
public:
    ConfigureManager();
    ~ConfigureManager();

    // Replaces every setting by those of the file: each child element of the
    // root is one setting. false when the file cannot be read or parsed; the
    // settings are then empty and the stored path stays as it was.
    bool load(const QString &path);

    // First setting whose name equals the key's element name exactly, or
    // nullptr.
    const Configure *find(ConfigKey key) const;

    // The "Translator" value as an unsigned decimal number; 0 when missing or
    // not a number.
    unsigned translator() const;

    QString path() const { return m_path; }
    const QList<Configure *> &entries() const { return m_entries; }

    // Element name of a key; empty for values outside the table.
    static QString keyName(ConfigKey key);

private:
    Q_DISABLE_COPY_MOVE(ConfigureManager)

    void clear();

    QList<Configure *> m_entries; // owned, in file order
    QString m_path;
};

} // namespace apt
