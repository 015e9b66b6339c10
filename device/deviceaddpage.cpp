#include "device/deviceaddpage.h"

#include "aptui/textsize.h"
#include "aptui/tipdialog.h"
#include "data/bitratecalculator.h"
#include "data/bitratetablefiles.h"
#include "data/deviceinfomanager.h"
#include "device/deviceitemwidget.h"

#include "ui_deviceaddpage.h"

#include <QApplication>
#include <QDrag>
#include <QListWidgetItem>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QMutexLocker>
#include <QResizeEvent>
#include <QScrollBar>

#include <utility>

namespace {

constexpr int RowHintWidth = 50;
// The widest picture of a dragged row.
constexpr int DragPixmapWidth = 320;
// The list item's data under this role is the group's key.
constexpr int KeyRole = Qt::UserRole;

// Room for a third line of information, in rows too narrow for three
// columns of large text.
int thirdLineHeight(int rowWidth)
{
    return NM_Larkspan::DeviceItemWidget::usesThreeLines(rowWidth) ? aptui::scaledToText(26) : 0;
}

// Height of a row added to a page of `pageWidth` pixels, whose rows are
// `rowWidth` wide. The heights and widths are those of text at 100 %; they
// grow with the text.
int addedRowHeight(int pageWidth, int rowWidth)
{
    return aptui::scaledToText(pageWidth > aptui::scaledToText(740) ? 54 : 84) + thirdLineHeight(rowWidth);
}

// Height of the rows after the page was resized to `pageWidth` pixels; the
// rows switch to one line of information at 640 pixels.
int resizedRowHeight(int pageWidth, int rowWidth)
{
    return aptui::scaledToText(pageWidth < aptui::scaledToText(640) ? 84 : 60) + thirdLineHeight(rowWidth);
}

long long keyOf(const QListWidgetItem *listItem)
{
    return listItem->data(KeyRole).toLongLong();
}

// The key as the item's row reports it when its delete button is pressed:
// the row holds a 32-bit key, widened again with its sign.
long long reportedKey(const QListWidgetItem *listItem)
{
    return static_cast<long long>(static_cast<int>(keyOf(listItem)));
}

} // namespace

DeviceAddPage::DeviceAddPage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui_DeviceAddPage)
    , m_pBitrateCalculator(std::make_unique<BitrateCalculator>())
{
    ui->setupUi(this);
    ui->m_listWidgetDiskData->setSpacing(-1);

    // Scrolling, like resizing, brings other items into view.
    connect(ui->m_listWidgetDiskData->verticalScrollBar(), &QScrollBar::valueChanged,
            this, &DeviceAddPage::buildRowsInView);
    // A press on a row's labels reaches the list, which then has the mouse.
    ui->m_listWidgetDiskData->viewport()->installEventFilter(this);
}

DeviceAddPage::~DeviceAddPage()
{
    blockSignals(true);
    clearAllDeviceItems();
    delete ui;
}

double DeviceAddPage::getTotalBitrate() const
{
    double total = 0.0;
    for (const StructDeviceItem &item : m_mapDeviceData)
        total += item.iChannelCounts * item.dBitrate;
    return total;
}

void DeviceAddPage::setDeviceTypeData(QVector<StructDeviceItem> vectData)
{
    onClearDeviceItems();
    insertGroups(vectData);
    emit SignalDeviceChanged(getTotalBitrate());
}

void DeviceAddPage::replaceDeviceData(const QVector<StructDeviceItem> &items)
{
    clearAllDeviceItems();
    insertGroups(items);
    emit SignalDeviceChanged(getTotalBitrate());
}

void DeviceAddPage::insertGroups(const QVector<StructDeviceItem> &items)
{
    {
        const QMutexLocker locker(&m_mutex);
        // One insertion for the whole list: while rows are shown, the view
        // lays itself out again after every insertion.
        QListWidget *list = ui->m_listWidgetDiskData;
        const int first = list->count();
        list->insertItems(first, QStringList(items.size(), QString()));
        for (qsizetype i = 0; i < items.size(); ++i)
            registerGroup(items.at(i), list->item(first + int(i)));
        // The items got their sizes after the insertion.
        list->doItemsLayout();
    }
    buildRowsInView();
}

void DeviceAddPage::addDeviceTypeItem(StructDeviceItem deviceTypeItem)
{
    addDeviceTypeItem(deviceTypeItem, true);
}

void DeviceAddPage::addDeviceTypeItem(StructDeviceItem deviceTypeItem, bool isAddOnce)
{
    const QMutexLocker locker(&m_mutex);

    // The item is complete before the view learns of it: one insertion, no
    // changes after it.
    auto *listItem = new QListWidgetItem(QString());
    registerGroup(deviceTypeItem, listItem);
    ui->m_listWidgetDiskData->addItem(listItem);
    if (isInView(listItem))
        buildRow(listItem);

    if (isAddOnce)
        emit SignalDeviceChanged(getTotalBitrate());
}

void DeviceAddPage::registerGroup(const StructDeviceItem &item, QListWidgetItem *listItem)
{
    const long long key = ++m_llLastId;
    listItem->setData(KeyRole, key);
    listItem->setSizeHint(QSize(RowHintWidth, addedRowHeight(width(), rowWidth(width()))));
    m_mapDeviceData.insert(key, item);
    m_pendingRows.insert(key, PendingRow{item});
}

void DeviceAddPage::buildRow(QListWidgetItem *listItem)
{
    const long long key = keyOf(listItem);
    const PendingRow pending = m_pendingRows.take(key);
    const StructDeviceItem &item = pending.added;

    auto *row = new NM_Larkspan::DeviceItemWidget(nullptr, item.strDeviceType,
                                                  item.strChannelName, item.strReserved);
    ui->m_listWidgetDiskData->setItemWidget(listItem, row);
    m_mapItemWidgets.insert(key, row);

    row->setDeviceData(item.iChannelCounts, item.strResolution, item.strFrameRate, item.dBitrate,
                       static_cast<int>(key), item.iChannelGroupNumber, item.strEncodeType,
                       item.strScenceName);
    connect(row, &NM_Larkspan::DeviceItemWidget::signalDeleteClicked,
            this, &DeviceAddPage::OnDeleteDeviceItem);
    connect(row, &NM_Larkspan::DeviceItemWidget::signalEditClicked,
            this, &DeviceAddPage::signalEditDevice);
    connect(row, &NM_Larkspan::DeviceItemWidget::signalMenuRequested,
            this, &DeviceAddPage::showGroupMenu);
    row->installEventFilter(this);
    row->setRecording(item.recording);
    if (pending.frameRateUpdated)
        row->updateFrameRate(pending.frameRate, pending.bitrate);
}

bool DeviceAddPage::isInView(QListWidgetItem *listItem) const
{
    QListWidget *list = ui->m_listWidgetDiskData;
    return list->visualItemRect(listItem).intersects(list->viewport()->rect());
}

void DeviceAddPage::buildRowsInView()
{
    if (m_pendingRows.isEmpty())
        return;

    // The items lie top to bottom: search the first one that reaches into
    // the view, then walk down while they start inside it.
    QListWidget *list = ui->m_listWidgetDiskData;
    const QRect view = list->viewport()->rect();
    int low = 0;
    int high = list->count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (list->visualItemRect(list->item(middle)).bottom() < view.top())
            low = middle + 1;
        else
            high = middle;
    }
    for (int i = low; i < list->count(); ++i) {
        QListWidgetItem *listItem = list->item(i);
        const QRect rect = list->visualItemRect(listItem);
        if (rect.top() > view.bottom())
            break;
        if (rect.intersects(view) && m_pendingRows.contains(keyOf(listItem)))
            buildRow(listItem);
    }
}

void DeviceAddPage::replaceDeviceItem(long long id, const StructDeviceItem &item)
{
    if (!m_mapDeviceData.contains(id))
        return;
    m_mapDeviceData.insert(id, item);
    m_pendingRows.insert(id, PendingRow{item});
    // A new row for the group: its type icon and every label follow the
    // record. The view disposes of the old row later, which may be the one
    // that asked for the edit.
    if (NM_Larkspan::DeviceItemWidget *old = m_mapItemWidgets.take(id)) {
        // The window's focus stays where it was while a dialog runs.
        const bool hadFocus = old->window()->focusWidget() == old;
        QListWidget *list = ui->m_listWidgetDiskData;
        for (int i = 0; i < list->count(); ++i) {
            if (keyOf(list->item(i)) == id) {
                buildRow(list->item(i));
                break;
            }
        }
        if (hadFocus)
            m_mapItemWidgets.value(id)->setFocus(Qt::OtherFocusReason);
    }
    emit SignalDeviceChanged(getTotalBitrate());
}

void DeviceAddPage::adoptIdentities(const QVector<PlanGroup> &groups)
{
    if (groups.size() != m_mapDeviceData.size())
        return;
    auto group = groups.cbegin();
    for (StructDeviceItem &item : m_mapDeviceData) {
        if (item.iChannelGroupNumber == group->groupNumber) {
            item.uGroupId = group->id;
            item.uRecorderId = group->recorder;
        }
        ++group;
    }
}

void DeviceAddPage::setRecorders(const QVector<RecorderChoice> &recorders)
{
    m_recorders = recorders;
}

QMimeData *DeviceAddPage::groupDragData(long long id) const
{
    const quint32 group = m_mapDeviceData.value(id).uGroupId;
    if (m_recorders.isEmpty() || group == 0)
        return nullptr;
    auto *data = new QMimeData;
    data->setData(QLatin1String(GroupDrag::MimeType), GroupDrag::encode({group}));
    return data;
}

void DeviceAddPage::showGroupMenu(long long id, const QPoint &globalPos)
{
    if (m_recorders.isEmpty() || !m_mapDeviceData.contains(id))
        return;
    const StructDeviceItem item = m_mapDeviceData.value(id);
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("groupMenu"));
    QMenu *moveTo = menu.addMenu(tr("Move to"));
    moveTo->setObjectName(QStringLiteral("moveToMenu"));
    for (const RecorderChoice &recorder : otherRecorders(m_recorders, item.uRecorderId)) {
        QAction *action = moveTo->addAction(recorder.name);
        action->setObjectName(QStringLiteral("moveToRecorderAction"));
        action->setData(recorder.id);
    }
    moveTo->setEnabled(!moveTo->isEmpty() && item.uGroupId != 0);
    const QAction *chosen = menu.exec(globalPos);
    // The move shows the list anew; the row that asked is still on the
    // call stack, and the list disposes of rows later.
    if (chosen && chosen->parent() == moveTo)
        emit signalMoveGroup(item.uGroupId, chosen->data().toUInt());
}

bool DeviceAddPage::eventFilter(QObject *watched, QEvent *event)
{
    QListWidget *list = ui->m_listWidgetDiskData;
    // A row reached with the keyboard comes into view, and the rows beside
    // it are built, so that Tab and Shift+Tab go on to them.
    if (event->type() == QEvent::FocusIn && watched->parent() == list->viewport()) {
        if (QListWidgetItem *listItem = list->itemAt(static_cast<QWidget *>(watched)->geometry().center())) {
            list->scrollToItem(listItem);
            const int row = list->row(listItem);
            for (const int beside : {row - 1, row + 1}) {
                QListWidgetItem *besideItem = list->item(beside);
                if (besideItem && m_pendingRows.contains(keyOf(besideItem)))
                    buildRow(besideItem);
            }
        }
        return QWidget::eventFilter(watched, event);
    }
    if (watched != list->viewport())
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *press = static_cast<QMouseEvent *>(event);
        const QListWidgetItem *listItem = list->itemAt(press->position().toPoint());
        m_pressedKey = press->button() == Qt::LeftButton && listItem ? keyOf(listItem) : 0;
        m_pressPos = press->position().toPoint();
    } else if (event->type() == QEvent::MouseButtonRelease) {
        m_pressedKey = 0;
    } else if (event->type() == QEvent::MouseMove && m_pressedKey != 0) {
        const auto *move = static_cast<QMouseEvent *>(event);
        if ((move->buttons() & Qt::LeftButton)
            && (move->position().toPoint() - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
            const long long key = std::exchange(m_pressedKey, 0);
            startGroupDrag(key);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DeviceAddPage::startGroupDrag(long long id)
{
    QMimeData *data = groupDragData(id);
    NM_Larkspan::DeviceItemWidget *row = m_mapItemWidgets.value(id, nullptr);
    if (!data || !row) {
        delete data;
        return;
    }
    auto *drag = new QDrag(ui->m_listWidgetDiskData->viewport());
    drag->setMimeData(data);
    QPixmap picture = row->grab();
    const QPoint hotSpot = row->mapFrom(ui->m_listWidgetDiskData->viewport(), m_pressPos);
    if (picture.width() > DragPixmapWidth) {
        const double scale = double(DragPixmapWidth) / picture.width();
        picture = picture.scaledToWidth(DragPixmapWidth, Qt::SmoothTransformation);
        drag->setHotSpot(hotSpot * scale);
    } else {
        drag->setHotSpot(hotSpot);
    }
    drag->setPixmap(picture);
    // A drop on a recorder moves the group there through the document,
    // which shows the list anew.
    drag->exec(Qt::MoveAction);
}

void DeviceAddPage::OnDeleteDeviceItem(long long id, int iChannelGroupNumber)
{
    QListWidget *list = ui->m_listWidgetDiskData;
    const QWidget *focus = QApplication::focusWidget();
    const NM_Larkspan::DeviceItemWidget *deleted = m_mapItemWidgets.value(id, nullptr);
    const bool hadFocus = deleted && focus && (focus == deleted || deleted->isAncestorOf(focus));
    int deletedRow = -1;
    for (int i = 0; i < list->count(); ++i) {
        if (reportedKey(list->item(i)) == id) {
            // The view disposes of the row with deleteLater(): the row's own
            // delete button is still on the call stack here.
            delete list->takeItem(i);
            deletedRow = i;
            break;
        }
    }
    m_mapItemWidgets.remove(id);
    m_mapDeviceData.remove(id);
    m_pendingRows.remove(id);
    // The items below moved up.
    buildRowsInView();

    emit SianalDeviceDelete(iChannelGroupNumber);
    emit SignalDeviceChanged(getTotalBitrate());
    // The keyboard goes on where the deleted row was, never on a row that
    // is gone.
    if (hadFocus && deletedRow >= 0)
        focusRow(qMin(deletedRow, list->count() - 1));
}

void DeviceAddPage::focusRow(int row)
{
    QListWidget *list = ui->m_listWidgetDiskData;
    if (row < 0 || row >= list->count()) {
        emit signalFocusLeavesList();
        return;
    }
    QListWidgetItem *listItem = list->item(row);
    list->scrollToItem(listItem);
    if (m_pendingRows.contains(keyOf(listItem)))
        buildRow(listItem);
    if (QWidget *widget = list->itemWidget(listItem))
        widget->setFocus(Qt::TabFocusReason);
}

void DeviceAddPage::onClearDeviceItems()
{
    if (m_mapDeviceData.isEmpty())
        return;

    NM_Larkspan::TipDialog dialog;
    dialog.resize(350, 220);
    dialog.setTitle(tr("Clear"));
    dialog.setText(tr("Clear all the channels?"));
    dialog.setCancelAsDefault();

    emit signalCover();
    if (dialog.exec() == 1) {
        emit signalDisvocer();
        clearAllDeviceItems();
    }
    emit signalDisvocer();
}

QMap<long long, StructDeviceItem> DeviceAddPage::getDeviceData()
{
    return m_mapDeviceData;
}

void DeviceAddPage::OnGetFramerateStandard()
{
    emit SignalFramerateStandard(FramePAL);
}

void DeviceAddPage::OnFrametareStandardChanged(int index)
{
    if (index == FramePAL)
        convertToPAL();
    else if (index == FrameNTSC)
        convertToNTSC();
}

void DeviceAddPage::clearAllDeviceItems()
{
    // The list disposes of the rows later (deleteLater): a row may be on the
    // call stack, its menu having moved its group.
    ui->m_listWidgetDiskData->clear();
    for (NM_Larkspan::DeviceItemWidget *row : std::as_const(m_mapItemWidgets)) {
        row->hide();
        row->deleteLater();
    }
    m_mapItemWidgets.clear();
    m_mapDeviceData.clear();
    m_pendingRows.clear();

    emit SianalDeviceDelete(0);
    emit SignalDeviceChanged(getTotalBitrate());
}

void DeviceAddPage::convertToPAL()
{
    convertFrameRates({QStringLiteral("30"), QStringLiteral("60")},
                      {QStringLiteral("25"), QStringLiteral("50")});
}

void DeviceAddPage::convertToNTSC()
{
    convertFrameRates({QStringLiteral("25"), QStringLiteral("50")},
                      {QStringLiteral("30"), QStringLiteral("60")});
}

void DeviceAddPage::convertFrameRates(const QStringList &from, const QStringList &to)
{
    // Each table is read once for the whole list, as it stands now.
    BitrateTablePass tables;
    for (auto it = m_mapDeviceData.begin(); it != m_mapDeviceData.end(); ++it) {
        StructDeviceItem &item = it.value();
        m_pBitrateCalculator->setEncoding(item.strEncodeType);

        const int pair = from.indexOf(item.strFrameRate);
        if (pair < 0)
            continue;
        item.strFrameRate = to.at(pair);

        const int device = DeviceInfoManager::deviceTypeIndex(item.strDeviceType);
        if (device < 0)
            continue;

        const double oldRate = m_pBitrateCalculator->bitrate(device, item.strResolution,
                                                             from.at(pair).toDouble(), tables);
        // A rate that is not the one computed for the old frame rate was
        // typed by the user and is kept.
        if (static_cast<long long>(oldRate) == static_cast<long long>(item.dBitrate)) {
            item.dBitrate = m_pBitrateCalculator->bitrate(device, item.strResolution,
                                                          to.at(pair).toDouble(), tables);
        }
        showFrameRate(it.key(), item.strFrameRate, item.dBitrate);
    }
    emit SignalDeviceChanged(getTotalBitrate());
}

void DeviceAddPage::showFrameRate(long long key, const QString &frameRate, double bitrate)
{
    if (NM_Larkspan::DeviceItemWidget *row = m_mapItemWidgets.value(key, nullptr)) {
        row->updateFrameRate(frameRate, bitrate);
        return;
    }
    const auto pending = m_pendingRows.find(key);
    if (pending == m_pendingRows.end())
        return;
    pending->frameRateUpdated = true;
    pending->frameRate = frameRate;
    pending->bitrate = bitrate;
}

void DeviceAddPage::resizeEvent(QResizeEvent *event)
{
    setRowHeights(event->size().width());
    QWidget::resizeEvent(event);

    // Lower rows bring more items into view.
    buildRowsInView();
}

int DeviceAddPage::rowWidth(int pageWidth) const
{
    // The rows span the list's viewport: the page less the list's frame,
    // margins and scroll bar, which a resize of the page keeps.
    const QWidget *viewport = ui->m_listWidgetDiskData->viewport();
    return isVisible() ? pageWidth - (width() - viewport->width()) : pageWidth;
}

void DeviceAddPage::setRowHeights(int pageWidth)
{
    const QMutexLocker locker(&m_mutex);
    const QSize hint(RowHintWidth, resizedRowHeight(pageWidth, rowWidth(pageWidth)));
    QListWidget *list = ui->m_listWidgetDiskData;
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setSizeHint(hint);
}

void DeviceAddPage::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The application's look was set again, perhaps with another text size.
    if (event->type() == QEvent::StyleChange && isVisible())
        setRowHeights(width());
}
