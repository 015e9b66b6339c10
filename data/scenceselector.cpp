#include "data/scenceselector.h"

#include "aptui/textsize.h"
#include "platform/stylelook.h"
#include "platform/regularfile.h"

#include "ui_scenceselector.h"

#include <QFileInfo>
#include <QImage>
#include <QListWidgetItem>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>
#include <QStyle>

ScenceSelector::ScenceQRaidoButton::ScenceQRaidoButton(QWidget *parent, int scenceType,
                                                       const QString &text)
    : QPushButton(parent)
    , m_iScenceType(scenceType)
{
    setText(text);
    connect(this, &QPushButton::clicked, this, &ScenceQRaidoButton::OnScenceButtonClicked);
}

ScenceSelector::ScenceQRaidoButton::~ScenceQRaidoButton() = default;

void ScenceSelector::ScenceQRaidoButton::OnScenceButtonClicked()
{
    emit signalScenceButtonClick(m_iScenceType);
}

ScenceSelector::ScenceSelector(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::ScenceSelector>())
{
    ui->setupUi(this);
    ui->m_listWidgetScences->setSpacing(5);
    ui->m_listWidgetScences->setFixedWidth(aptui::scaledToText(90));
}

ScenceSelector::~ScenceSelector() = default;

void ScenceSelector::setScenceData(QVector<SCENCE_ITEM> scenceData)
{
    ui->m_listWidgetScences->clear();
    qDeleteAll(m_mapScenceButtons);
    m_mapScenceButtons.clear();

    for (const SCENCE_ITEM &item : std::as_const(scenceData))
        addScenceItem(item);
}

void ScenceSelector::addScenceItem(SCENCE_ITEM scenceItem)
{
    if (m_mapScenceButtons.contains(scenceItem.iScenceType))
        return;

    auto *listItem = new QListWidgetItem(QString(), ui->m_listWidgetScences);
    auto *button = new ScenceQRaidoButton(nullptr, scenceItem.iScenceType, scenceItem.strScenceName);
    button->setToolTip(scenceItem.strScenceName);
    listItem->setSizeHint(sceneButtonSize());
    ui->m_listWidgetScences->setItemWidget(listItem, button);

    // The first scene starts selected; the others become checkable only
    // when chosen, so a click on them never toggles them off.
    if (scenceItem.iScenceType == 0) {
        button->setCheckable(true);
        button->setChecked(true);
    }

    m_mapScenceButtons.insert(scenceItem.iScenceType, button);
    connect(button, &ScenceQRaidoButton::signalScenceButtonClick,
            this, &ScenceSelector::OnScenceSelected);
}

// 70 x 27 at 100 % text, in a list 90 pixels wide; both grow with the text.
QSize ScenceSelector::sceneButtonSize()
{
    return QSize(aptui::scaledToText(70), aptui::scaledToText(27));
}

void ScenceSelector::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The application's look was set again, perhaps with another text size.
    if (event->type() == QEvent::StyleChange) {
        ui->m_listWidgetScences->setFixedWidth(aptui::scaledToText(90));
        for (int i = 0; i < ui->m_listWidgetScences->count(); ++i)
            ui->m_listWidgetScences->item(i)->setSizeHint(sceneButtonSize());
        setScencePicture(m_strPicturePath);
    }
}

void ScenceSelector::OnScenceSelected(int sceneType)
{
    emit signalScenceChanged(sceneType);

    ScenceQRaidoButton *selected = m_mapScenceButtons.value(sceneType, nullptr);
    if (!selected || selected->isChecked())
        return;

    selected->setCheckable(true);
    selected->setChecked(true);
    repolish(selected);

    for (auto it = m_mapScenceButtons.cbegin(); it != m_mapScenceButtons.cend(); ++it) {
        if (it.value() == selected)
            continue;
        it.value()->setChecked(false);
        it.value()->setCheckable(false);
        repolish(it.value());
    }
}

// The style sheet shows the selected scene through the checked state, which
// it only re-reads after an unpolish and polish.
void ScenceSelector::repolish(QPushButton *button) const
{
    button->style()->unpolish(button);
    button->style()->polish(button);
    style()->unpolish(button);
    style()->polish(button);
    button->update();
}

void ScenceSelector::setScencePicture(const QString &path)
{
    m_strPicturePath = path;
    QLabel *label = ui->m_labelScenceImage;
    label->clear();

    // Only a regular file: a pipe in the picture folder would block the window.
    if (!path.isEmpty() && fileKindOf(path) == FileKind::Regular) {
        label->setStyleSheet(QString());
        QByteArray bytes;
        readRegularFile(path, &bytes);
        const QImage image = QImage::fromData(bytes);
        // A file that does not decode leaves the label empty. A picture keeps
        // its proportions: as large as the label holds inside its border,
        // centred in it. It is painted on a clear canvas of the label's own
        // size, since the label asks the layout for the size of its pixmap:
        // a smaller pixmap would shrink the label, and the editor with it.
        if (!image.isNull()) {
            const QRect area = label->contentsRect();
            const QImage fitted = image.scaled(area.size(), Qt::KeepAspectRatio, Qt::FastTransformation);
            QPixmap canvas(label->size());
            canvas.fill(Qt::transparent);
            QPainter painter(&canvas);
            painter.drawImage(area.x() + (area.width() - fitted.width()) / 2,
                              area.y() + (area.height() - fitted.height()) / 2, fitted);
            painter.end();
            label->setPixmap(canvas);
        }
        return;
    }

    label->setStyleSheet(QStringLiteral(
        "QLabel#m_labelScenceImage{background-color:#f4f5f6;border: 1px solid #dadada;}"));
    const QString failure = QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" "
                                           "font-weight:600; color:#cccccc;\">%1</span></p></body></html>")
                                .arg(tr("Get Picture Failure"));
    // Its grey is written into the text, where no style sheet reaches.
    label->setText(aptui::highContrastLook() ? apt::StyleLook::highContrastRichText(failure) : failure);
}

void ScenceSelector::resizeEvent(QResizeEvent *event)
{
    setScencePicture(m_strPicturePath);
    QWidget::resizeEvent(event);
}
