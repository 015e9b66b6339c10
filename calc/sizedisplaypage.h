#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class SizeDisplayPage;
}

// Shows the disk capacity needed, as one whole number with its unit. It
// computes nothing: the texts it is given go into a fixed rich-text template.
class SizeDisplayPage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SizeDisplayPage)

public:
    explicit SizeDisplayPage(QWidget *parent = nullptr);
    ~SizeDisplayPage() override;

public slots:
    // The range of the result in a smaller line; empty for none.
    void displayRange(const QString &range);
    void displaySize(QString size, QString unit);

private:
    std::unique_ptr<Ui::SizeDisplayPage> ui;
};
