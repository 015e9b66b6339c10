#include "device/deviceitemwidget.h"

#include "aptui/textsize.h"
#include "calc/retention.h"
#include "data/scenenames.h"

#include "ui_deviceitemwidget.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QResizeEvent>

namespace NM_Larkspan {

namespace {

constexpr int TwoLineBelowWidth = 640;
constexpr int NarrowLabelWidth = 120;
constexpr int WideLabelWidth = 200;
// The margins and dividers of a line of information.
constexpr int RowChromeWidth = 26;

// Qt would clamp a negative width to 0 too, but with a warning for each
// resize of a very narrow row.
void setWidth(QWidget *widget, int width)
{
    widget->setFixedWidth(qMax(0, width));
}

// The row's widths are written for text at 100 %; they grow with the text.
int px(int pixels)
{
    return aptui::scaledToText(pixels);
}

void setTextAndTip(QLabel *label, const QString &text, bool withToolTip = true)
{
    label->setText(text);
    label->setToolTip(withToolTip ? text : QString());
}

} // namespace

DeviceItemWidget::DeviceItemWidget(QWidget *parent, const QString &deviceType,
                                   const QString &channelName, const QString &reserved)
    : QWidget(parent)
    , ui(new Ui_DeviceItemWidget)
{
    Q_UNUSED(reserved)
    ui->setupUi(this);
    connect(ui->m_btnDelete, &QToolButton::clicked, this, &DeviceItemWidget::OnDeleteButtonClicked);
    connect(ui->m_btnEdit, &QToolButton::clicked, this, &DeviceItemWidget::emitEdit);
    ui->m_btnEdit->hide();
    ui->m_btnEdit->installEventFilter(this);
    ui->m_btnDelete->installEventFilter(this);
    ui->m_labelRecording->hide();
    m_pLastLine = new QHBoxLayout;
    m_pLastLine->setContentsMargins(10, 0, 0, 0);
    m_pLastLine->setSpacing(3);
    m_pLastLine->addStretch();
    ui->verticalLayout->insertLayout(ui->verticalLayout->indexOf(ui->m_itemContainer) + 1, m_pLastLine);
    // A row takes the keyboard (Tab, or a click), so that Enter edits it.
    setFocusPolicy(Qt::StrongFocus);

    const bool isDvr = deviceType.toUpper() == QLatin1String("DVR/NVR");
    ui->m_labelDeviceTypeIconDVR->setVisible(isDvr);
    ui->m_labelDeviceTypeIconIPC->setVisible(!isDvr);
    ui->m_labelChannelGroupName->setText(channelName);
    updateAccessibleText();

    setNarrowLabels();
    // The row sizes its labels itself (adjustLayout), for the text size too.
    setProperty("keepsOwnSizes", true);
}

DeviceItemWidget::~DeviceItemWidget()
{
    delete ui;
}

void DeviceItemWidget::setDeviceData(int channelCounts, const QString &resolution,
                                     const QString &frameRate, double bitrate, int id,
                                     int channelGroupNumber, const QString &encodeType,
                                     const QString &scenceName)
{
    setTextAndTip(ui->m_labelDeviceCounts, tr("Counts : %1").arg(channelCounts));

    const QString rate = QString::number(bitrate);
    if (scenceName.isEmpty()) {
        setTextAndTip(ui->m_labelDeviceBitRate, tr("Fixted Rate : %1 kbps").arg(rate));
        setTextAndTip(ui->m_labelDeviceResolution, tr("Frame Rate : %1").arg(frameRate));
        setTextAndTip(ui->m_labelEncodeType, tr("Resolution : %1").arg(resolution));
        setTextAndTip(ui->m_labelScenceName, tr("Encode Type : %1").arg(encodeType));
    } else {
        setTextAndTip(ui->m_labelDeviceBitRate, tr("Variable Rate : %1 kbps").arg(rate));
        setTextAndTip(ui->m_labelDeviceResolution, tr("Resolution : %1").arg(resolution), false);
        setTextAndTip(ui->m_labelEncodeType, tr("Encode Type : %1").arg(encodeType));
        setTextAndTip(ui->m_labelScenceName, tr("Scene Type : %1").arg(SceneNames::displayName(scenceName)));
    }

    ui->m_labelScenceName->show();
    ui->line4->show();
    m_iId = id;
    m_iChannelGroupNumber = channelGroupNumber;
    adjustLayout(width());
    updateAccessibleText();
}

void DeviceItemWidget::updateFrameRate(const QString &frameRate, double bitrate)
{
    ui->m_labelDeviceResolution->setText(tr("Frame Rate : %1").arg(frameRate));
    ui->m_labelDeviceBitRate->setText(
        tr("Fixted Rate : %1 kbps").arg(static_cast<long long>(bitrate)));
    updateAccessibleText();
}

// Taking the widget out of whichever information line holds it first keeps
// the order of appending, whatever the arrangement was before.
void DeviceItemWidget::placeOn(QBoxLayout *line, QWidget *widget)
{
    ui->m_hlayout2->removeWidget(widget);
    ui->m_hlayout3->removeWidget(widget);
    m_pLastLine->removeWidget(widget);
    // The third line ends in a stretch; the labels go before it.
    if (line == m_pLastLine)
        line->insertWidget(line->count() - 1, widget);
    else
        line->addWidget(widget);
}

bool DeviceItemWidget::usesThreeLines(int width)
{
    return width < px(TwoLineBelowWidth) && 3 * px(NarrowLabelWidth) > width - RowChromeWidth;
}

void DeviceItemWidget::adjustLayout(int width)
{
    // Counts and rate lead the information; the rest follows them on one line
    // or forms the second line on its own.
    const QList<QWidget *> leading = {ui->m_labelDeviceCounts, ui->line1,
                                      ui->m_labelDeviceBitRate, ui->line2};
    // A narrower row before may have shared its lines.
    ui->m_labelDeviceCounts->setFixedWidth(px(NarrowLabelWidth));
    ui->m_labelDeviceResolution->setFixedWidth(px(NarrowLabelWidth));
    if (width < px(TwoLineBelowWidth)) {
        for (QWidget *widget : leading)
            placeOn(ui->m_hlayout2, widget);
        ui->line1->show();
        ui->line2->hide();
        if (width >= px(460)) {
            ui->m_labelEncodeType->setFixedWidth(px(WideLabelWidth));
            setWidth(ui->m_labelScenceName, width - px(346));
        } else {
            ui->m_labelEncodeType->setFixedWidth(px(NarrowLabelWidth));
            setWidth(ui->m_labelScenceName, width - px(266));
        }
        ui->m_labelDeviceBitRate->setFixedWidth(px(WideLabelWidth));
        // Too narrow for three columns (large text in a narrow list): the
        // last one goes on a line of its own, and the two before it share
        // theirs; what does not fit even so ends in an ellipsis.
        const int line = width - RowChromeWidth;
        if (usesThreeLines(width)) {
            placeOn(m_pLastLine, ui->m_labelScenceName);
            ui->line4->hide();
            setWidth(ui->m_labelDeviceResolution, line / 2 - 3);
            setWidth(ui->m_labelEncodeType, line / 2 - 3);
            setWidth(ui->m_labelScenceName, line);
        } else {
            placeOn(ui->m_hlayout3, ui->line4);
            placeOn(ui->m_hlayout3, ui->m_labelScenceName);
            ui->line4->show();
        }
        // Counts and rate share their line as a third and the rest: a count
        // is short, a rate with its unit is not.
        if (px(NarrowLabelWidth) + px(WideLabelWidth) > line) {
            setWidth(ui->m_labelDeviceCounts, line / 3);
            setWidth(ui->m_labelDeviceBitRate, line - line / 3 - 6);
        }
        return;
    }

    const QList<QWidget *> trailing = {ui->m_labelDeviceResolution, ui->line3,
                                       ui->m_labelEncodeType, ui->line4,
                                       ui->m_labelScenceName};
    for (QWidget *widget : leading + trailing)
        placeOn(ui->m_hlayout3, widget);
    ui->line1->show();
    ui->line2->show();
    ui->line4->show();
    const int wide = width > px(740) ? px(WideLabelWidth) : px(NarrowLabelWidth);
    ui->m_labelEncodeType->setFixedWidth(wide);
    ui->m_labelDeviceBitRate->setFixedWidth(wide);
    setWidth(ui->m_labelScenceName, width - (width > px(740) ? px(426) : px(266)));
}

void DeviceItemWidget::setRecording(const GroupRecording &recording)
{
    const bool shown = recording != GroupRecording();
    m_recordingText = shown ? RetentionText::recording(recording) : QString();
    ui->m_labelRecording->setToolTip(m_recordingText);
    ui->m_labelRecording->setVisible(shown);
    fitRecording(width());
    updateAccessibleText();
}

void DeviceItemWidget::updateAccessibleText()
{
    const QString name = ui->m_labelChannelGroupName->text();
    QStringList shown;
    for (const QLabel *label : {ui->m_labelDeviceCounts, ui->m_labelDeviceBitRate, ui->m_labelDeviceResolution,
                                ui->m_labelEncodeType, ui->m_labelScenceName}) {
        if (!label->text().isEmpty() && !label->isHidden())
            shown << label->text();
    }
    if (!m_recordingText.isEmpty())
        shown << m_recordingText;
    setAccessibleName(name);
    setAccessibleDescription(shown.join(QStringLiteral(", ")));
    ui->m_btnDelete->setAccessibleName(tr("Delete group %1").arg(name));
    ui->m_btnEdit->setAccessibleName(tr("Edit group %1").arg(name));
}

void DeviceItemWidget::fitRecording(int width)
{
    if (m_recordingText.isEmpty())
        return;
    // What the title line holds besides: its margins and spacings, the
    // type icon, the name and both buttons (the pencil's room is kept while
    // it hides, so that the text does not move under the mouse).
    QLabel *label = ui->m_labelRecording;
    label->ensurePolished();
    ui->m_labelChannelGroupName->ensurePolished();
    constexpr int kTitleRoom = 5 + 28 + 6 + 6 + 6 + 24 + 6 + 24 + 12;
    const int room = qMax(0, width - kTitleRoom - ui->m_labelChannelGroupName->sizeHint().width());
    label->setText(label->fontMetrics().elidedText(m_recordingText, Qt::ElideRight, room));
    label->setMaximumWidth(room);
}

void DeviceItemWidget::emitEdit()
{
    emit signalEditClicked(static_cast<long long>(m_iId));
}

bool DeviceItemWidget::holdsFocus() const
{
    const QWidget *focus = QApplication::focusWidget();
    return focus && (focus == this || isAncestorOf(focus));
}

void DeviceItemWidget::updateEditButton()
{
    ui->m_btnEdit->setVisible(underMouse() || holdsFocus());
}

bool DeviceItemWidget::eventFilter(QObject *watched, QEvent *event)
{
    // The focus moving between the row and its buttons keeps the pencil; it
    // leaving the row hides it.
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        updateEditButton();
    return QWidget::eventFilter(watched, event);
}

void DeviceItemWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    emitEdit();
}

void DeviceItemWidget::keyPressEvent(QKeyEvent *event)
{
    const bool plain = !(event->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier));
    // Delete on the row or one of its buttons deletes the group as its bin
    // does; Return on the focused bin is the bin's click, elsewhere an edit.
    if (event->key() == Qt::Key_Delete && plain) {
        ui->m_btnDelete->click();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && plain) {
        if (ui->m_btnDelete->hasFocus())
            ui->m_btnDelete->click();
        else
            emitEdit();
        return;
    }
    // The menu key arrives as a context menu event of its own; Shift+F10 is
    // the other key that opens a menu, and nothing turns it into one.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        requestMenuFromKeyboard();
        return;
    }
    QWidget::keyPressEvent(event);
}

void DeviceItemWidget::contextMenuEvent(QContextMenuEvent *event)
{
    if (event->reason() == QContextMenuEvent::Keyboard)
        requestMenuFromKeyboard();
    else
        emit signalMenuRequested(static_cast<long long>(m_iId), event->globalPos());
}

void DeviceItemWidget::requestMenuFromKeyboard()
{
    const QWidget *name = ui->m_labelChannelGroupName;
    emit signalMenuRequested(static_cast<long long>(m_iId), name->mapToGlobal(QPoint(0, name->height())));
}

void DeviceItemWidget::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    ui->m_btnEdit->show();
}

void DeviceItemWidget::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    ui->m_btnEdit->setVisible(holdsFocus());
}

void DeviceItemWidget::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    updateEditButton();
}

void DeviceItemWidget::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    updateEditButton();
}

void DeviceItemWidget::OnDeleteButtonClicked()
{
    setFocus(Qt::ActiveWindowFocusReason);
    emit signalDeleteClicked(static_cast<long long>(m_iId), m_iChannelGroupNumber);
}

void DeviceItemWidget::resizeEvent(QResizeEvent *event)
{
    adjustLayout(event->size().width());
    fitRecording(event->size().width());
    QWidget::resizeEvent(event);
}

void DeviceItemWidget::setNarrowLabels()
{
    for (QLabel *label : QList<QLabel *>{ui->m_labelDeviceCounts, ui->m_labelDeviceBitRate,
                                         ui->m_labelDeviceResolution, ui->m_labelEncodeType,
                                         ui->m_labelScenceName}) {
        label->setFixedWidth(px(NarrowLabelWidth));
    }
}

void DeviceItemWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The application's look was set again, perhaps with another text size.
    if (event->type() == QEvent::StyleChange) {
        setNarrowLabels();
        adjustLayout(width());
        fitRecording(width());
    }
}

} // namespace NM_Larkspan
