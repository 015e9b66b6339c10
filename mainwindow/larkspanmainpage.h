#pragma once

#include <QMainWindow>
#include <QRect>
#include <QSize>

#include <memory>

class AboutDialog;
class CapacityCalculation;
class DeviceAddPage;
class DeviceEditor;
class QAction;
class PlanMenu;
class QHBoxLayout;
class SiteDocument;
class SitePages;
class SiteRecorders;
struct SitePlan;

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

    // The plan being edited: what the window shows, its file and history.
    const SiteDocument &document() const;
    // The plan the window shows, as it would be saved.
    SitePlan currentPlan() const;
    // The file of the plan shown; empty for a plan never saved.
    QString planPath() const;
    bool isPlanModified() const;
    // Opens the plan at `path` after asking about unsaved changes. False when
    // the user cancelled or the file was refused (a notice says why); the
    // plan shown is then untouched.
    bool openPlan(const QString &path);
    // Saves the plan to `path`, which becomes its file; false, with a notice
    // saying why, when the file could not be written (an old one stays whole).
    bool savePlan(const QString &path);

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
    // A plan handed over by a second start: opened as openPlan() does, and
    // the window comes to the front.
    void openHandedOverPlan(const QString &path);
    // Shows the window in front, restored if it was minimized, and active; a
    // second start without a plan asks for this.
    void bringToFront();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private slots:
    void setCover(bool coverIt);
    void enableCover();
    void disableCover();
    void OnBtnSystemMenu();
    void openMenuFromKeyboard();
    void OnMenuHelpClicked();
    void OnMenuUpdateClicked();
    void onNewPlan();
    void onOpenPlan();
    bool onSavePlan();
    bool onSavePlanAs();
    void onExportReport();
    void onPrintReport();
    void onPlanChanged();
    void onDocumentChanged(int changes);
    // The pages show the site, or the recorder chosen on the bar.
    void showPlan();
    // Its totals, verdict and the limits its recorders break.
    void showFigures();
    // Edits the group listed under `id` in a dialog; Save replaces it in
    // the list, one step of the plan.
    void onEditGroup(long long id);

private:
    // Asks Save / Don't Save / Cancel while the plan has unsaved changes;
    // true when the window may go on and drop them.
    bool mayDiscardChanges();
    DeviceAddPage *deviceList() const;
    bool loadPlan(const QString &path);
    void updateTitle();
    QString planName() const;
    // Where file dialogs start: the plan's folder, or the home folder.
    QString planFolder() const;
    QString suggestedFile(const QString &suffix) const;
    void showNotice(const QString &text);
    // Says where a report went, with buttons that open it or its folder.
    void showSavedReport(const QString &path);

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

    PlanMenu *m_pPlanMenu = nullptr;
    // The language the window's texts were made in.
    int m_interfaceLanguage = 0;
    SiteDocument *m_pDocument;
    SitePages *m_pPages = nullptr;
    SiteRecorders *m_pRecorders = nullptr;
    // Set while an edit on the pages goes into the document.
    bool m_takingEdit = false;
};
