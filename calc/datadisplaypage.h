#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DataDisplayPage;
}

// A result figure and its unit as one text for a screen reader ("24 Day(s)"),
// which the page otherwise shows as two labels; a figure beyond the largest
// shown starts with ">" and is read as "more than".
QString spokenFigure(const QString &figure, const QString &unit);

// Shows how long the chosen disk records, as whole days, weeks and months.
// It computes nothing: the texts it is given go into fixed rich-text templates.
class DataDisplayPage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DataDisplayPage)

public:
    explicit DataDisplayPage(QWidget *parent = nullptr);
    ~DataDisplayPage() override;

public slots:
    // The range of the result in a smaller line; empty for none.
    void displayRange(const QString &range);
    void displayTime(QString day, QString week, QString month);

private:
    std::unique_ptr<Ui::DataDisplayPage> ui;
    const QString m_dayTemplate;
    const QString m_weekMonthTemplate;
};
