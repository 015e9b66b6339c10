#pragma once

#include <QString>
#include <QWidgetAction>

#include <memory>

namespace Ui {
class DlgAbout;
}

namespace aptui {

class Widget;

// The build number yyyymmdd of a compile date in the compiler's form
// "Mmm dd yyyy" (day padded with a space, e.g. "Sep  8 2016" gives
// 20160908); 0 when the text does not make a number.
unsigned buildNumberFromDate(const QString &compileDate);

// An about panel to be placed in a menu: icon, name and version lines, and
// two link-style buttons. The panel belongs to the action, which deletes it.
class CDlgAbout : public QWidgetAction
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CDlgAbout)

public:
    explicit CDlgAbout(QObject *parent = nullptr);
    ~CDlgAbout() override;

    void setName(const QString &name);
    void setVersion(const QString &version);
    void setBtn1Text(const QString &text);
    void setBtn2Text(const QString &text);
    void setConerBtnVisible(bool visible);

signals:
    void siganlBtn1Clicked();
    void siganlBtn2Clicked();
    void signalConerBtnClicked();

private:
    std::unique_ptr<Ui::DlgAbout> ui;
    Widget *m_panel;
};

} // namespace aptui
