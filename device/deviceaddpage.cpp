#include "device/deviceaddpage.h"

#include "aptui/tipdialog.h"
#include "data/bitratecalculator.h"
#include "data/deviceinfomanager.h"
#include "device/deviceitemwidget.h"

#include "ui_deviceaddpage.h"

#include <QListWidgetItem>
#include <QMutexLocker>
#include <QResizeEvent>

namespace {

constexpr int RowHintWidth = 50;

// Height of a row added to a page of `pageWidth` pixels.
int addedRowHeight(int pageWidth)
{
    return pageWidth > 740 ? 54 : 84;
}

// Height of the rows after the page was resized to `pageWidth` pixels; the
// rows switch to one line of information at 640 pixels.
int resizedRowHeight(int pageWidth)
{
    return pageWidth < 640 ? 84 : 60;
}

} // namespace

DeviceAddPage::DeviceAddPage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui_DeviceAddPage)
    , m_pBitrateCalculator(std::make_unique<BitrateCalculator>())
{
    ui->setupUi(this);
    ui->m_listWidgetDiskData->setSpacing(-1);
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
    for (const StructDeviceItem &item : std::as_const(vectData))
        addDeviceTypeItem(item, false);
    emit SignalDeviceChanged(getTotalBitrate());
}

void DeviceAddPage::replaceDeviceData(const QVector<StructDeviceItem> &items)
{
    clearAllDeviceItems();
    for (const StructDeviceItem &item : items)
        addDeviceTypeItem(item, false);
    emit SignalDeviceChanged(getTotalBitrate());
}

void DeviceAddPage::addDeviceTypeItem(StructDeviceItem deviceTypeItem)
{
    addDeviceTypeItem(deviceTypeItem, true);
}

void DeviceAddPage::addDeviceTypeItem(StructDeviceItem deviceTypeItem, bool isAddOnce)
{
    const QMutexLocker locker(&m_mutex);

    const long long key = ++m_llLastId;
    if (m_mapItemWidgets.contains(key))
        return;

    auto *listItem = new QListWidgetItem(QString(), ui->m_listWidgetDiskData);
    auto *row = new NM_Larkspan::DeviceItemWidget(nullptr, deviceTypeItem.strDeviceType,
                                                  deviceTypeItem.strChannelName,
                                                  deviceTypeItem.strReserved);
    listItem->setSizeHint(QSize(RowHintWidth, addedRowHeight(width())));
    ui->m_listWidgetDiskData->setItemWidget(listItem, row);
    m_mapItemWidgets.insert(key, row);

    row->setDeviceData(deviceTypeItem.iChannelCounts, deviceTypeItem.strResolution,
                       deviceTypeItem.strFrameRate, deviceTypeItem.dBitrate,
                       static_cast<int>(key), deviceTypeItem.iChannelGroupNumber,
                       deviceTypeItem.strEncodeType, deviceTypeItem.strScenceName);
    connect(row, &NM_Larkspan::DeviceItemWidget::signalDeleteClicked,
            this, &DeviceAddPage::OnDeleteDeviceItem);
    m_mapDeviceData.insert(key, deviceTypeItem);

    if (isAddOnce)
        emit SignalDeviceChanged(getTotalBitrate());
}

void DeviceAddPage::OnDeleteDeviceItem(long long id, int iChannelGroupNumber)
{
    QListWidget *list = ui->m_listWidgetDiskData;
    for (int i = 0; i < list->count(); ++i) {
        const auto *row = qobject_cast<NM_Larkspan::DeviceItemWidget *>(list->itemWidget(list->item(i)));
        if (row && static_cast<long long>(row->id()) == id) {
            // The view disposes of the row with deleteLater(): the row's own
            // delete button is still on the call stack here.
            delete list->takeItem(i);
            break;
        }
    }
    m_mapItemWidgets.remove(id);
    m_mapDeviceData.remove(id);

    emit SianalDeviceDelete(iChannelGroupNumber);
    emit SignalDeviceChanged(getTotalBitrate());
}

void DeviceAddPage::onClearDeviceItems()
{
    if (m_mapItemWidgets.isEmpty())
        return;

    NM_Larkspan::TipDialog dialog;
    dialog.resize(350, 220);
    dialog.setTitle(tr("Clear"));
    dialog.setText(tr("Clear all the channels?"));

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
    ui->m_listWidgetDiskData->clear();
    qDeleteAll(m_mapItemWidgets);
    m_mapItemWidgets.clear();
    m_mapDeviceData.clear();

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

        NM_Larkspan::DeviceItemWidget *row = m_mapItemWidgets.value(it.key(), nullptr);
        const double oldRate = m_pBitrateCalculator->bitrate(device, item.strResolution,
                                                             from.at(pair).toDouble());
        // A rate that is not the one computed for the old frame rate was
        // typed by the user and is kept.
        if (static_cast<long long>(oldRate) == static_cast<long long>(item.dBitrate)) {
            item.dBitrate = m_pBitrateCalculator->bitrate(device, item.strResolution,
                                                          to.at(pair).toDouble());
        }
        if (row)
            row->updateFrameRate(item.strFrameRate, item.dBitrate);
    }
    emit SignalDeviceChanged(getTotalBitrate());
}

void DeviceAddPage::resizeEvent(QResizeEvent *event)
{
    {
        const QMutexLocker locker(&m_mutex);
        const QSize hint(RowHintWidth, resizedRowHeight(event->size().width()));
        QListWidget *list = ui->m_listWidgetDiskData;
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setSizeHint(hint);
    }
    QWidget::resizeEvent(event);
}
