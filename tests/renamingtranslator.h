#pragma once

#include <QTranslator>

// Renames the device types as a translation may, so that a plan saved or
// opened under it shows whether it kept the types or only their texts.
class RenamingTranslator final : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "DeviceInfoManager") != 0)
            return {};
        if (qstrcmp(source, "IPC") == 0)
            return QStringLiteral("网络摄像机");
        if (qstrcmp(source, "DVR/NVR") == 0)
            return QStringLiteral("硬盘录像机");
        return {};
    }
    bool isEmpty() const override { return false; }
};
