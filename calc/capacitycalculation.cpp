#include "calc/capacitycalculation.h"

#include "calc/retention.h"
#include "calc/widgetdevicelistborder.h"

#include "ui_capacitycalculation.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

namespace {

constexpr int kVerdictIconSide = 16;

const char *stateName(RetentionVerdict::State state)
{
    switch (state) {
    case RetentionVerdict::Holds:
        return "holds";
    case RetentionVerdict::ExpectedOnly:
        return "expected";
    case RetentionVerdict::Short:
        break;
    }
    return "short";
}

// A disc in `colour` with a white mark: a tick when the disk holds, "!" when
// it holds at the expected figure only, a cross when it is short. The mark
// says the state where the colour cannot.
QPixmap verdictIcon(RetentionVerdict::State state, const QColor &colour, qreal pixelRatio)
{
    QPixmap icon(QSize(kVerdictIconSide, kVerdictIconSide) * pixelRatio);
    icon.setDevicePixelRatio(pixelRatio);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(0, 0, kVerdictIconSide, kVerdictIconSide));
    painter.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    switch (state) {
    case RetentionVerdict::Holds: {
        QPainterPath tick;
        tick.moveTo(4.5, 8.5);
        tick.lineTo(7.0, 11.0);
        tick.lineTo(11.5, 5.5);
        painter.drawPath(tick);
        break;
    }
    case RetentionVerdict::ExpectedOnly:
        painter.drawLine(QPointF(8, 4), QPointF(8, 9));
        painter.drawPoint(QPointF(8, 12));
        break;
    case RetentionVerdict::Short:
        painter.drawLine(QPointF(5, 5), QPointF(11, 11));
        painter.drawLine(QPointF(11, 5), QPointF(5, 11));
        break;
    }
    return icon;
}

} // namespace

CapacityCalculation::CapacityCalculation(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::CapacityCalculation>())
{
    ui->setupUi(this);
    m_CapacityWidget = ui->m_CapacityWidget;
    m_pNullPage = new WidgetDeviceListBorder(this);
    m_pNullPage->hide();

    connect(ui->m_btnClear, &QPushButton::clicked, this, &CapacityCalculation::signalClear);

    showNullPage();
}

CapacityCalculation::~CapacityCalculation() = default;

QObject *CapacityCalculation::getDeviceAddPage() const
{
    return ui->m_deviceAddPage;
}

RecorderBar *CapacityCalculation::recorderBar() const
{
    return ui->m_recorderBar;
}

QObject *CapacityCalculation::getDataCalculatorPage() const
{
    return ui->m_dataCalculatorPage;
}

QObject *CapacityCalculation::getDataDisplayPageSize() const
{
    return ui->m_dataCalculatorPage->getDataDisplayPageSize();
}

bool CapacityCalculation::isNormalPageShown() const
{
    return !m_CapacityWidget->isHidden();
}

QObject *CapacityCalculation::getDataDisplayPageTime() const
{
    return ui->m_dataCalculatorPage->getDataDisplayPageTime();
}

void CapacityCalculation::showNullPage()
{
    showOnly(m_pNullPage, m_CapacityWidget);
}

void CapacityCalculation::showNormalPage()
{
    showOnly(m_CapacityWidget, m_pNullPage);
}

void CapacityCalculation::showOnly(QWidget *shown, QWidget *hidden)
{
    // Only the layout items go; the widgets they held stay with the panel.
    while (QLayoutItem *item = ui->m_borderLayout->takeAt(0))
        delete item;
    hidden->hide();
    shown->show();
    ui->m_borderLayout->addWidget(shown);
}

void CapacityCalculation::showBreaches(const QStringList &breaches)
{
    if (breaches.isEmpty())
        return;
    QLabel *text = ui->m_labelVerdict;
    const QString verdict = text->text();
    text->setText(breaches.size() == 1 ? breaches.first()
                                       : tr("%1, and %n more limit(s) broken", nullptr, int(breaches.size() - 1))
                                             .arg(breaches.first()));
    QStringList tip = breaches;
    if (!verdict.isEmpty())
        tip << QString() << verdict << text->toolTip();
    text->setToolTip(tip.join(QLatin1Char('\n')));
    ui->m_labelVerdictIcon->setToolTip(text->toolTip());
    text->setProperty("verdict", QLatin1String(stateName(RetentionVerdict::Short)));
    text->style()->unpolish(text);
    text->style()->polish(text);
    ui->m_labelVerdictIcon->setPixmap(verdictIcon(RetentionVerdict::Short, text->palette().color(QPalette::WindowText),
                                                  devicePixelRatioF()));
    ui->m_labelVerdictIcon->setAccessibleName(text->text());
}

void CapacityCalculation::showRetention(const PlanRetention &figures)
{
    ui->m_labelSiteSummary->setText(RetentionText::summary(figures.totals));
    // The verdict's row keeps its place, empty without a verdict: showing or
    // hiding it would lay the window out in the middle of an edit.
    QLabel *text = ui->m_labelVerdict;
    if (!figures.hasVerdict) {
        text->clear();
        text->setToolTip(QString());
        text->setProperty("verdict", QVariant());
        ui->m_labelVerdictIcon->clear();
        ui->m_labelVerdictIcon->setToolTip(QString());
        return;
    }
    text->setText(RetentionText::verdict(figures.verdict));
    const QString details = RetentionText::verdictDetails(figures);
    text->setToolTip(details);
    ui->m_labelVerdictIcon->setToolTip(details);
    // The skin colours the text by state; the icon takes the text's colour.
    text->setProperty("verdict", QLatin1String(stateName(figures.verdict.state)));
    text->style()->unpolish(text);
    text->style()->polish(text);
    ui->m_labelVerdictIcon->setPixmap(verdictIcon(figures.verdict.state, text->palette().color(QPalette::WindowText),
                                                  devicePixelRatioF()));
    ui->m_labelVerdictIcon->setAccessibleName(text->text());
}
