#pragma once

#include "data/devicerecords.h"
#include "data/siteplan.h"

#include <QHash>
#include <QMap>
#include <QMutex>
#include <QVector>
#include <QWidget>

#include <memory>

class BitrateCalculator;
class QListWidgetItem;
class QMimeData;
class Ui_DeviceAddPage;

namespace NM_Larkspan {
class DeviceItemWidget;
}

// The list of the channel groups added in the device editor, one row per
// group, with the running total bitrate. Each group is kept under a 64-bit
// key of its own that is never reused, not even after clearing.
//
// A group's row widget is built when its list item first comes into view, so
// that adding to a long list, and holding one, costs no more than the rows a
// person can see; until then the page keeps what the row will show.
class DeviceAddPage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DeviceAddPage)

public:
    explicit DeviceAddPage(QWidget *parent = nullptr);
    ~DeviceAddPage() override;

    // Sum of channel count x per-channel kbps over all groups.
    double getTotalBitrate() const;
    // Replaces every group without asking (an opened plan replaces the list
    // after its own question) and announces the total once.
    void replaceDeviceData(const QVector<StructDeviceItem> &items);
    // Puts `item` in the place of the group listed under `id`, in a row
    // of its own, and announces the total; an id not listed changes nothing.
    void replaceDeviceItem(long long id, const StructDeviceItem &item);
    // The identities and recorders that the plan gave the listed groups, in
    // list order, where the group numbers agree; a plan of another length
    // changes nothing. The rows stay as they are.
    void adoptIdentities(const QVector<PlanGroup> &groups);

    // The site's recorders. With any, a row's menu moves its group to
    // another, and a row dragged onto a recorder carries its group there.
    void setRecorders(const QVector<RecorderChoice> &recorders);
    // What dragging the group listed under `id` carries: its identity, as
    // the recorders take it. None without recorders or for a group the plan
    // has not identified yet.
    QMimeData *groupDragData(long long id) const;

signals:
    void SignalDeviceChanged(double dTotalBitrate);
    // A deleted group's number, or 0 once all groups were cleared.
    void SianalDeviceDelete(int iChannelGroupNumber);
    void SignalFramerateStandard(int index);
    void signalCover();
    void signalDisvocer();
    // A row asks for its group to be edited.
    void signalEditDevice(long long id);
    // The group's menu moves it to another recorder.
    void signalMoveGroup(quint32 groupId, quint32 recorderId);
    // The focused row was deleted and no row is left to take the focus.
    void signalFocusLeavesList();

public slots:
    void setDeviceTypeData(QVector<StructDeviceItem> vectData);
    void addDeviceTypeItem(StructDeviceItem deviceTypeItem, bool isAddOnce);
    void addDeviceTypeItem(StructDeviceItem deviceTypeItem);
    void OnDeleteDeviceItem(long long id, int iChannelGroupNumber);
    void onClearDeviceItems();
    QMap<long long, StructDeviceItem> getDeviceData();
    void OnGetFramerateStandard();
    // 0 converts the listed groups to PAL, 1 to NTSC.
    void OnFrametareStandardChanged(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Every row's height for the page at `pageWidth`.
    // Width of the rows on a page `pageWidth` pixels wide.
    int rowWidth(int pageWidth) const;
    void setRowHeights(int pageWidth);
    // What the row of a group not yet in view will show: the record as it was
    // added and, once a frame-standard conversion reached the group, the
    // frame rate and rate the conversion gave the row.
    struct PendingRow
    {
        StructDeviceItem added;
        bool frameRateUpdated = false;
        QString frameRate;
        double bitrate = 0.0;
    };

    // Gives a new group its key and `listItem`, whose row waits until the
    // item comes into view.
    void registerGroup(const StructDeviceItem &item, QListWidgetItem *listItem);
    // Appends whole groups in one insertion; their rows follow as they come
    // into view.
    void insertGroups(const QVector<StructDeviceItem> &items);
    void buildRow(QListWidgetItem *listItem);
    // Builds the rows of the items in view that have none yet.
    void buildRowsInView();
    bool isInView(QListWidgetItem *listItem) const;
    // A group's row shows a new frame rate and rate, now or once it is built.
    void showFrameRate(long long key, const QString &frameRate, double bitrate);
    void clearAllDeviceItems();
    // Gives the keyboard focus to the row at `row`, brought into view; with
    // no such row the focus is to leave the list.
    void focusRow(int row);
    void showGroupMenu(long long id, const QPoint &globalPos);
    void startGroupDrag(long long id);
    void convertToPAL();
    void convertToNTSC();
    // Moves the fixed-rate groups listed at one of the `from` frame rates to
    // the matching `to` rate.
    void convertFrameRates(const QStringList &from, const QStringList &to);

    Ui_DeviceAddPage *ui;
    std::unique_ptr<BitrateCalculator> m_pBitrateCalculator;
    // Rows built so far; the other groups wait in m_pendingRows.
    QMap<long long, NM_Larkspan::DeviceItemWidget *> m_mapItemWidgets;
    QMap<long long, StructDeviceItem> m_mapDeviceData;
    long long m_llLastId = 0;
    QMutex m_mutex;
    QHash<long long, PendingRow> m_pendingRows;
    QVector<RecorderChoice> m_recorders;
    // The group under a press in the list, until the mouse is released or
    // moves far enough to drag it.
    long long m_pressedKey = 0;
    QPoint m_pressPos;
};
