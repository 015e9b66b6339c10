#pragma once

#include <QString>
#include <QWidget>

class QBoxLayout;
class QLabel;
class Ui_DeviceItemWidget;

namespace NM_Larkspan {

// One channel group in the device list: type icon, group name and a delete
// button on the title line, and up to five short information labels below,
// on one line when the row is wide and on two when it is narrow.
class DeviceItemWidget final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DeviceItemWidget)

public:
    // `reserved` is accepted for the record's reserved text and not used.
    DeviceItemWidget(QWidget *parent, const QString &deviceType, const QString &channelName,
                     const QString &reserved);
    ~DeviceItemWidget() override;

    // A group is shown as a recommended-rate group when `scenceName` is not
    // empty, else as a fixed-rate group.
    void setDeviceData(int channelCounts, const QString &resolution, const QString &frameRate,
                       double bitrate, int id, int channelGroupNumber,
                       const QString &encodeType, const QString &scenceName);
    // New frame rate and rate of a fixed-rate group; the rate is shown whole.
    void updateFrameRate(const QString &frameRate, double bitrate);
    // One line of information at 640 pixels or more, two below.
    void adjustLayout(int width);

    int id() const { return m_iId; }
    int channelGroupNumber() const { return m_iChannelGroupNumber; }

signals:
    void signalDeleteClicked(long long id, int channelGroupNumber);

public slots:
    void OnDeleteButtonClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeOn(QBoxLayout *line, QWidget *widget);

    Ui_DeviceItemWidget *ui;
    int m_iId = 0;
    int m_iChannelGroupNumber = 0;
};

} // namespace NM_Larkspan
