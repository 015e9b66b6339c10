#pragma once

#include "data/planrecords.h"

#include <QString>
#include <QHBoxLayout>
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
    // One line of information at 640 pixels or more, two below; a row too
    // narrow even for three narrow columns (large text) gives the last its
    // own line, three in all.
    void adjustLayout(int width);
    // Whether a row `width` pixels wide shows its information on three lines.
    static bool usesThreeLines(int width);
    // A group that records otherwise than continuously at a variable rate
    // for the site's period says how beside its name; a default one shows
    // nothing there.
    void setRecording(const GroupRecording &recording);

    int id() const { return m_iId; }
    int channelGroupNumber() const { return m_iChannelGroupNumber; }

signals:
    // The bin, Delete on the focused row, or Space or Return on the bin.
    void signalDeleteClicked(long long id, int channelGroupNumber);
    // The pencil, a double click or Enter on the focused row.
    void signalEditClicked(long long id);
    // A right click, or the menu key or Shift+F10 on the focused row: the
    // group's menu is to open at `globalPos`.
    void signalMenuRequested(long long id, const QPoint &globalPos);

public slots:
    void OnDeleteButtonClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Every information label at its narrow width, for the text size.
    void setNarrowLabels();
    void placeOn(QBoxLayout *line, QWidget *widget);
    void emitEdit();
    // From the keyboard the menu opens below the group's name.
    void requestMenuFromKeyboard();
    // The pencil shows on the row under the mouse and on the focused row,
    // so that a list at rest looks as it always has.
    void updateEditButton();
    // The focus is on the row or on one of its buttons.
    bool holdsFocus() const;
    // The recording's text, cut to the room the title line leaves it.
    void fitRecording(int width);
    // What a screen reader says of the row: its group's name, then what the
    // row shows, as one item; its buttons name the group they act on.
    void updateAccessibleText();

    QString m_recordingText;

    Ui_DeviceItemWidget *ui;
    QHBoxLayout *m_pLastLine = nullptr; // the third line of information
    int m_iId = 0;
    int m_iChannelGroupNumber = 0;
};

} // namespace NM_Larkspan
