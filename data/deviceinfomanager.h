#pragma once

#include <QObject>
#include <QStringList>
#include <QVector>

#include <memory>

class BitrateConfigLoader;

// The lists the device editor shows, read once at construction (a change of
// the data files reaches them after a restart), and the allocator of channel
// group numbers.
class DeviceInfoManager final : public QObject
{
    Q_OBJECT

public:
    explicit DeviceInfoManager(QObject *parent);
    ~DeviceInfoManager() override;

    QStringList deviceTypeNames() const;
    // Display text of a DeviceTypeIndex in the current interface language;
    // any value but DVR/NVR gives IPC.
    static QString deviceTypeName(int deviceType);
    // DeviceTypeIndex of a device type text as a group stores it (the
    // displayed, possibly translated, text), or -1 for a text that names no
    // type.
    static int deviceTypeIndex(const QString &deviceType);
    // `type` is a TableDeviceType; any other value gives an empty list.
    QStringList resolutions(int type) const;
    QVector<QString> sceneNames() const;
    // Empty for an index outside the scene list.
    QString sceneName(int index) const;
    QString scenePicture(const QString &scene, const QString &encoding,
                         const QString &resolution) const;
    int sceneRecommendedBitrate(const QString &scene, const QString &encoding,
                                const QString &resolution) const;
    QStringList frameRates(int standard) const;

    // Smallest free number from the next candidate on; 1 first.
    int allocateGroupNumber();
    // 0 gives every number back; a negative number is ignored.
    void releaseGroupNumber(int number);
    // Gives every number back, then holds `numbers` (the groups of an opened
    // plan): the next number is the smallest free one.
    void holdGroupNumbers(const QVector<int> &numbers);

private:
    Q_DISABLE_COPY_MOVE(DeviceInfoManager)

    std::unique_ptr<BitrateConfigLoader> m_pLoader;
    QStringList m_deviceTypeNames;
    QVector<QStringList> m_resolutions;
    QVector<QString> m_sceneNames;
    int m_nextGroupNumber = 1;
    QVector<int> m_usedGroupNumbers;
};
