#pragma once

#include <QTranslator>

// Renames the device types and two of the shipped scenes as a translation
// may, so that a plan saved or opened under it shows whether it kept the
// table's names or only their texts.
class RenamingTranslator final : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "DeviceInfoManager") == 0) {
            if (qstrcmp(source, "IPC") == 0)
                return QStringLiteral("网络摄像机");
            if (qstrcmp(source, "DVR/NVR") == 0)
                return QStringLiteral("硬盘录像机");
        }
        if (qstrcmp(context, "SceneNames") == 0) {
            if (qstrcmp(source, "Office") == 0)
                return QStringLiteral("办公室");
            if (qstrcmp(source, "Hospital") == 0)
                return QStringLiteral("医院");
        }
        return {};
    }
    bool isEmpty() const override { return false; }
};
