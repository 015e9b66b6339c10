#include "calc/sizedisplaypage.h"

#include "calc/datadisplaypage.h"
#include "ui_sizedisplaypage.h"

SizeDisplayPage::SizeDisplayPage(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::SizeDisplayPage>())
{
    ui->setupUi(this);
}

SizeDisplayPage::~SizeDisplayPage() = default;

void SizeDisplayPage::displaySize(QString size, QString unit)
{
    // The figure takes the label's colour, which the style sheet gives it.
    const QString sizeTemplate = QStringLiteral(
        "\t<html>\t<head/>\t\t<body>\t\t\t<p align=\"center\">\t\t\t\t"
        "<span style=\" font-size:48pt;\">%1</span>\t\t\t\t"
        "<span style=\" font-size:16pt;\"/>\t\t\t\t"
        "<span style=\" font-size:20pt;\">%2</span>\t\t\t</p>\t\t</body>\t</html>\t");
    // Escaped: a "more than" figure starts with ">".
    ui->m_labelDisplaySize->setText(sizeTemplate.arg(size.toHtmlEscaped()).arg(unit.toHtmlEscaped()));
    ui->m_labelDisplaySize->setAccessibleName(spokenFigure(size, unit));
}

void SizeDisplayPage::displayRange(const QString &range)
{
    // Text only: the line keeps its fixed room, so nothing moves, and showing
    // or hiding it would lay the window out in the middle of an edit.
    ui->m_labelSizeRange->setText(range);
}
