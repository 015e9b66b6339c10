#include "data/deviceinfomanager.h"

#include "data/bitrateconfigloader.h"
#include "data/devicerecords.h"

DeviceInfoManager::DeviceInfoManager(QObject *parent)
    : QObject(parent)
    , m_pLoader(std::make_unique<BitrateConfigLoader>())
{
    m_deviceTypeNames << deviceTypeName(DeviceIndexIPC) << deviceTypeName(DeviceIndexDVR);

    QStringList ipcResolutions;
    m_pLoader->resolutions(ipcResolutions, TableIPC);
    QStringList dvrResolutions;
    m_pLoader->resolutions(dvrResolutions, TableDVR);
    m_resolutions << ipcResolutions << dvrResolutions;

    m_pLoader->sceneNames(m_sceneNames);
}

DeviceInfoManager::~DeviceInfoManager() = default;

QStringList DeviceInfoManager::deviceTypeNames() const
{
    return m_deviceTypeNames;
}

QString DeviceInfoManager::deviceTypeName(int deviceType)
{
    return deviceType == DeviceIndexDVR ? tr("DVR/NVR") : tr("IPC");
}

int DeviceInfoManager::deviceTypeIndex(const QString &deviceType)
{
    if (deviceType == QLatin1String("IPC") || deviceType == tr("IPC"))
        return DeviceIndexIPC;
    if (deviceType == QLatin1String("DVR/NVR") || deviceType == tr("DVR/NVR"))
        return DeviceIndexDVR;
    return -1;
}

QStringList DeviceInfoManager::resolutions(int type) const
{
    return m_resolutions.value(type - TableIPC);
}

QVector<QString> DeviceInfoManager::sceneNames() const
{
    return m_sceneNames;
}

QString DeviceInfoManager::sceneName(int index) const
{
    return m_sceneNames.value(index);
}

QString DeviceInfoManager::scenePicture(const QString &scene, const QString &encoding,
                                        const QString &resolution) const
{
    return m_pLoader->scenePicture(scene, encoding, resolution);
}

int DeviceInfoManager::sceneRecommendedBitrate(const QString &scene, const QString &encoding,
                                               const QString &resolution) const
{
    return m_pLoader->sceneRecommendedBitrate(scene, encoding, resolution);
}

QStringList DeviceInfoManager::frameRates(int standard) const
{
    return m_pLoader->frameRates(standard);
}

int DeviceInfoManager::allocateGroupNumber()
{
    int number = m_nextGroupNumber;
    while (m_usedGroupNumbers.contains(number))
        ++number;
    m_usedGroupNumbers.append(number);
    m_nextGroupNumber = number + 1;
    return number;
}

void DeviceInfoManager::releaseGroupNumber(int number)
{
    if (number == 0) {
        m_usedGroupNumbers.clear();
        m_nextGroupNumber = 1;
        return;
    }
    // No group ever holds a negative number; taking one as the next
    // candidate would hand negative numbers out.
    if (number < 0)
        return;
    m_usedGroupNumbers.removeOne(number);
    if (m_nextGroupNumber >= number)
        m_nextGroupNumber = number;
}

void DeviceInfoManager::holdGroupNumbers(const QVector<int> &numbers)
{
    releaseGroupNumber(0);
    m_usedGroupNumbers = numbers;
}
