#include "aptui/dlgabout.h"

#include "aptui/widget.h"

#include "ui_dlgabout.h"

#include <QStringList>

namespace aptui {

unsigned buildNumberFromDate(const QString &compileDate)
{
    static const QStringList months = {
        QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"),
        QStringLiteral("Apr"), QStringLiteral("May"), QStringLiteral("Jun"),
        QStringLiteral("Jul"), QStringLiteral("Aug"), QStringLiteral("Sep"),
        QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};

    QString month = compileDate.mid(0, 3);
    const int monthIndex = months.indexOf(month);
    if (monthIndex >= 0)
        month = QStringLiteral("%1").arg(monthIndex + 1, 2, 10, QLatin1Char('0'));
    const unsigned day = compileDate.mid(4, 2).trimmed().toUInt();
    const QString year = compileDate.mid(7, 4);

    const QString digits = year + month + QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
    bool ok = false;
    const unsigned number = digits.toUInt(&ok);
    return ok ? number : 0;
}

CDlgAbout::CDlgAbout(QObject *parent)
    : QWidgetAction(parent)
    , ui(std::make_unique<Ui::DlgAbout>())
    , m_panel(new Widget)
{
    ui->setupUi(m_panel);
    m_panel->setWindowTitle(tr("About"));
    m_panel->setFixedSize(288, 134);
    // From here on the action owns the panel and deletes it.
    setDefaultWidget(m_panel);
    m_panel->setObjectName(QStringLiteral("AboutDialog_ID_FX_CANNOT_BE_MULTI"));

    setVersion(tr(" v2.0.0.3") + QStringLiteral(" Build")
               + QString::number(buildNumberFromDate(QStringLiteral(__DATE__))));

    connect(ui->aboutbtn1, &QPushButton::clicked, this, &CDlgAbout::siganlBtn1Clicked);
    connect(ui->aboutbtn2, &QPushButton::clicked, this, &CDlgAbout::siganlBtn2Clicked);
    connect(ui->m_conerBtn, &QPushButton::clicked, this, &CDlgAbout::signalConerBtnClicked);
}

CDlgAbout::~CDlgAbout() = default;

void CDlgAbout::setName(const QString &name)
{
    ui->m_labNameValue->setText(tr("Name: ") + name);
}

void CDlgAbout::setVersion(const QString &version)
{
    ui->m_labVersionValue->setText(tr("Version: ") + version);
}

void CDlgAbout::setBtn1Text(const QString &text)
{
    ui->aboutbtn1->setText(text);
}

void CDlgAbout::setBtn2Text(const QString &text)
{
    ui->aboutbtn2->setText(text);
}

void CDlgAbout::setConerBtnVisible(bool visible)
{
    ui->m_conerBtn->setVisible(visible);
}

} // namespace aptui
