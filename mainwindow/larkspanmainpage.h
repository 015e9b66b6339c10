#pragma once

#include <QMainWindow>
#include <QRect>
#include <QSize>

#include <memory>

class AboutDialog;
class CapacityCalculation;
class DeviceEditor;
class QHBoxLayout;

namespace Ui {
class LarkspanMainPage;
}

namespace aptui {
class CoverWidget;
class Menu;
class WindowTitle;
} // namespace aptui

// Size of the main window on a screen whose free area (without task bars)
// is `available`: 768 pixels high with the width scaled to the screen's
// proportions; a free area lower than that is filled whole, from its origin.
struct MainWindowPlacement
{
    QSize size;
    bool moveToOrigin = false;
};
MainWindowPlacement mainWindowPlacement(const QRect &available);

// The single top-level window: a frameless window with its own title bar,
// the device editor beside the panel with the device list and the
// calculation. It owns the pages and makes every connection between them,
// dims itself while a dialog runs, and asks before the program closes.
class LarkspanMainPage final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LarkspanMainPage)

public:
    explicit LarkspanMainPage(QWidget *parent = nullptr);
    ~LarkspanMainPage() override;

    // Connects the pages to each other; run once, right after construction.
    void connectPages();

signals:
    void signalGetHelp();

public slots:
    void resizeAddBoarder();
    const QObject *getDeviceAddPage();
    const QObject *getDataDisplayPageSize();
    const QObject *getDataDisplayPageTime();
    const QObject *getDataCalculatorPage();
    const QObject *getCapacityCalculation();
    const QObject *getDeviceEditor();
    const QObject *getScenceSelector();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void setCover(bool coverIt);
    void enableCover();
    void disableCover();
    void OnBtnSystemMenu();
    void OnMenuHelpClicked();
    void OnMenuUpdateClicked();

private:
    // Top-left corner that centres a dialog of the given size over the window.
    QPoint centredPosition(const QSize &dialogSize) const;

    std::unique_ptr<Ui::LarkspanMainPage> ui;
    QHBoxLayout *m_pBoardLayout;
    aptui::WindowTitle *m_pTitle;
    DeviceEditor *m_pDeviceEditor;
    CapacityCalculation *m_pCapacityCalculation;
    std::unique_ptr<AboutDialog> m_pAboutDialog;
    aptui::Menu *m_pAboutMenu;
    aptui::CoverWidget *m_pCover = nullptr;
    bool coverIt = false;
};
