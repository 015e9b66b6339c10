#include "mainwindow/larkspanmainpage.h"

#include "app/lanaguagemanager.h"
#include "aptui/basedialog.h"
#include "aptui/coverwidget.h"
#include "aptui/filenotice.h"
#include "aptui/label.h"
#include "aptui/menu.h"
#include "aptui/taborder.h"
#include "aptui/tipdialog.h"
#include "aptui/windowtitle.h"
#include "calc/capacitycalculation.h"
#include "calc/datacalculatorpage.h"
#include "calc/datadisplaypage.h"
#include "calc/diskarray.h"
#include "calc/planreportdocument.h"
#include "calc/recorderbar.h"
#include "calc/sizedisplaypage.h"
#include "data/recentplans.h"
#include "data/sitedocument.h"
#include "data/updatedialog.h"
#include "device/deviceaddpage.h"
#include "device/deviceeditor.h"
#include "device/groupeditdialog.h"
#include "mainwindow/aboutdialog.h"
#include "mainwindow/planmenu.h"
#include "mainwindow/savechangesdialog.h"
#include "mainwindow/sitepages.h"
#include "mainwindow/siterecorders.h"

#include "ui_larkspanmainpage.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QResizeEvent>
#include <QTimer>

namespace {

constexpr int PreferredHeight = 768;
// The menu opens to the left of the cursor, so that it lies under the
// title bar's menu button rather than beyond the window's right edge.
constexpr int MenuLeftShift = 149;

constexpr int HandOverRetryMs = 250;

const QString kPlanSuffix = QStringLiteral("larkspan");

// The first local .larkspan file among dropped URLs, or empty.
QString droppedPlan(const QMimeData *data)
{
    for (const QUrl &url : data->urls()) {
        const QString path = url.toLocalFile();
        if (url.isLocalFile() && QFileInfo(path).suffix().compare(kPlanSuffix, Qt::CaseInsensitive) == 0)
            return path;
    }
    return {};
}

} // namespace

MainWindowPlacement mainWindowPlacement(const QRect &available)
{
    if (available.height() < PreferredHeight)
        return {available.size(), true};
    return {QSize(available.width() * PreferredHeight / available.height(), PreferredHeight), false};
}

LarkspanMainPage::LarkspanMainPage(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::LarkspanMainPage>())
    , m_interfaceLanguage(apt::LanaguageManager::interfaceLanguage())
    , m_pDocument(new SiteDocument(this))
{
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint);

    m_pTitle = new aptui::WindowTitle(this);
    m_pBoardLayout = new QHBoxLayout;
    // The editor and the panel are made inside the widget that the layout
    // puts them in: made elsewhere, every one of their widgets would be
    // styled twice, where it was made and again when the layout moves it.
    m_pDeviceEditor = new DeviceEditor(ui->scrollAreaWidgetContents);
    m_pCapacityCalculation = new CapacityCalculation(ui->scrollAreaWidgetContents);
    m_pCapacityCalculation->setObjectName(QStringLiteral("m_pCapacityCalculation"));
    m_pAboutDialog = std::make_unique<AboutDialog>();
    m_pAboutMenu = new aptui::Menu(this);
    m_pPlanMenu = new PlanMenu(m_pAboutMenu, this, m_interfaceLanguage);
    connect(m_pPlanMenu, &PlanMenu::newPlan, this, &LarkspanMainPage::onNewPlan);
    connect(m_pPlanMenu, &PlanMenu::openPlan, this, &LarkspanMainPage::onOpenPlan);
    connect(m_pPlanMenu, &PlanMenu::openRecentPlan, this, &LarkspanMainPage::openPlan);
    connect(m_pPlanMenu, &PlanMenu::savePlan, this, &LarkspanMainPage::onSavePlan);
    connect(m_pPlanMenu, &PlanMenu::savePlanAs, this, &LarkspanMainPage::onSavePlanAs);
    connect(m_pPlanMenu, &PlanMenu::undo, m_pDocument, &SiteDocument::undo);
    connect(m_pPlanMenu, &PlanMenu::redo, m_pDocument, &SiteDocument::redo);
    connect(m_pPlanMenu, &PlanMenu::exportReport, this, &LarkspanMainPage::onExportReport);
    connect(m_pPlanMenu, &PlanMenu::printReport, this, &LarkspanMainPage::onPrintReport);
    connect(m_pPlanMenu, &PlanMenu::languageChosen, this,
            [this] { showNotice(tr("The language changes when Larkspan starts again.")); });
    m_pAboutMenu->addAction(m_pAboutDialog.get());
    m_pAboutMenu->setObjectName(QStringLiteral("aboutMenu"));
    // Keeps what the menu itself adds (on some platforms it declines the
    // window system's shadow through a flag).
    m_pAboutMenu->setWindowFlags(m_pAboutMenu->windowFlags() | Qt::Popup | Qt::FramelessWindowHint);
    m_pAboutMenu->setAttribute(Qt::WA_TranslucentBackground);
    m_pAboutMenu->setFocusPolicy(Qt::NoFocus);
    // The menu from the keyboard: F10 and Alt+Space wherever the focus is;
    // the Menu key where the focused widget has no menu of its own.
    auto *openMenu = new QAction(this);
    openMenu->setObjectName(QStringLiteral("openMenuAction"));
    openMenu->setShortcuts({QKeySequence(Qt::Key_F10), QKeySequence(Qt::ALT | Qt::Key_Space)});
    openMenu->setShortcutContext(Qt::WindowShortcut);
    connect(openMenu, &QAction::triggered, this, &LarkspanMainPage::openMenuFromKeyboard);
    addAction(openMenu);

    ui->topLayout->addWidget(m_pTitle);
    m_pBoardLayout->addWidget(m_pDeviceEditor);
    m_pBoardLayout->addWidget(m_pCapacityCalculation);
    ui->m_boardLayout->addLayout(m_pBoardLayout);

    m_pTitle->setText(tr("Larkspan"));
    setWindowTitle(tr("Larkspan"));

    connect(m_pAboutDialog.get(), &AboutDialog::siganlBtn1Clicked,
            this, &LarkspanMainPage::OnMenuHelpClicked);
    connect(m_pAboutDialog.get(), &AboutDialog::siganlBtn2Clicked,
            this, &LarkspanMainPage::OnMenuUpdateClicked);

    m_pCover = new aptui::CoverWidget(this);
    m_pCover->hide();
    m_pCover->lower();

    setAcceptDrops(true);
}

LarkspanMainPage::~LarkspanMainPage()
{
    // The panel goes back to its action, which deletes it with itself.
    m_pAboutMenu->removeAction(m_pAboutDialog.get());
}

void LarkspanMainPage::connectPages()
{
    auto *deviceAddPage = qobject_cast<DeviceAddPage *>(m_pCapacityCalculation->getDeviceAddPage());
    auto *calculatorPage =
        qobject_cast<DataCalculatorPage *>(m_pCapacityCalculation->getDataCalculatorPage());
    auto *sizePage = qobject_cast<SizeDisplayPage *>(m_pCapacityCalculation->getDataDisplayPageSize());
    auto *timePage = qobject_cast<DataDisplayPage *>(m_pCapacityCalculation->getDataDisplayPageTime());

    connect(m_pDeviceEditor, &DeviceEditor::signalAddDevice,
            deviceAddPage, qOverload<StructDeviceItem>(&DeviceAddPage::addDeviceTypeItem),
            Qt::DirectConnection);
    connect(m_pDeviceEditor, &DeviceEditor::signalAppStart,
            m_pCapacityCalculation, &CapacityCalculation::showNormalPage, Qt::DirectConnection);
    connect(deviceAddPage, &DeviceAddPage::SianalDeviceDelete,
            m_pDeviceEditor, &DeviceEditor::OnDeleteChannelGroupNumber, Qt::DirectConnection);
    connect(m_pTitle, &aptui::WindowTitle::signalSystemMenu,
            this, &LarkspanMainPage::OnBtnSystemMenu, Qt::DirectConnection);
    connect(deviceAddPage, &DeviceAddPage::SignalDeviceChanged,
            calculatorPage, &DataCalculatorPage::OnDeviceChanged, Qt::DirectConnection);
    connect(calculatorPage, &DataCalculatorPage::setDiskSize,
            sizePage, &SizeDisplayPage::displaySize, Qt::DirectConnection);
    connect(calculatorPage, &DataCalculatorPage::setTime,
            timePage, &DataDisplayPage::displayTime, Qt::DirectConnection);
    connect(m_pDeviceEditor, &DeviceEditor::signalCurrentFrameStandard,
            deviceAddPage, &DeviceAddPage::OnFrametareStandardChanged);
    connect(m_pCapacityCalculation, &CapacityCalculation::signalClear,
            deviceAddPage, &DeviceAddPage::onClearDeviceItems);
    connect(deviceAddPage, &DeviceAddPage::signalEditDevice, this, &LarkspanMainPage::onEditGroup);
    connect(deviceAddPage, &DeviceAddPage::signalMoveGroup, m_pDocument,
            [this](quint32 group, quint32 recorder) { m_pDocument->moveGroups({group}, recorder); });
    connect(deviceAddPage, &DeviceAddPage::signalCover, this, &LarkspanMainPage::enableCover);
    connect(deviceAddPage, &DeviceAddPage::signalDisvocer, this, &LarkspanMainPage::disableCover);
    connect(m_pDeviceEditor, &DeviceEditor::signalCover, this, &LarkspanMainPage::enableCover);
    connect(m_pDeviceEditor, &DeviceEditor::signalDisvocer, this, &LarkspanMainPage::disableCover);
    connect(calculatorPage, &DataCalculatorPage::signalCover, this, &LarkspanMainPage::enableCover);
    connect(calculatorPage, &DataCalculatorPage::signalDiscover, this, &LarkspanMainPage::disableCover);

    connect(m_pAboutDialog.get(), &AboutDialog::signalCover, this, &LarkspanMainPage::enableCover);
    connect(m_pAboutDialog.get(), &AboutDialog::signalDiscover,
            this, &LarkspanMainPage::disableCover);
    // The panel keeps its manual slot private; the meta-object reaches it by name.
    connect(this, SIGNAL(signalGetHelp()), m_pAboutDialog.get(), SLOT(onGetHelp()));

    // The pages show the document and hand it the user's edits as steps.
    m_pPages = new SitePages(m_pDeviceEditor, m_pCapacityCalculation, this);
    connect(m_pPages, &SitePages::edited, this, &LarkspanMainPage::onPlanChanged);
    // The pages as they start are the new plan, with nothing to undo.
    m_pDocument->newPlan(m_pPages->plan());
    connect(m_pDocument, &SiteDocument::changed, this,
            [this](SiteDocument::Changes what) { onDocumentChanged(int(what)); });
    // The recorders on the bar above the list; choosing one shows its part.
    m_pRecorders = new SiteRecorders(m_pCapacityCalculation->recorderBar(), m_pDocument, this);
    // Every field a label names is read out by the label's words.
    aptui::nameFieldsByTheirLabels(this);
    connect(m_pRecorders, &SiteRecorders::shownChanged, this, &LarkspanMainPage::showPlan);
    connect(m_pRecorders, &SiteRecorders::dialogOpened, this, &LarkspanMainPage::enableCover);
    connect(m_pRecorders, &SiteRecorders::dialogClosed, this, &LarkspanMainPage::disableCover);
    // The keyboard starts in the editor's first field and goes back there
    // when the last focused row is deleted.
    connect(deviceAddPage, &DeviceAddPage::signalFocusLeavesList, m_pDeviceEditor, &DeviceEditor::focusFirstField);
    m_pDeviceEditor->focusFirstField();
}

bool LarkspanMainPage::focusNextPrevChild(bool next)
{
    // Tab reads the window as a person does: the editor, the list's header,
    // recorders and rows, the calculation, then the title bar. Rows and
    // chips made since the last Tab are put in their place first.
    using aptui::TabSection;
    auto *rows = m_pCapacityCalculation->findChild<QListWidget *>(QStringLiteral("m_listWidgetDiskData"));
    aptui::putInReadingOrder(this, {{m_pDeviceEditor, TabSection::ChainOrder},
                                    {m_pCapacityCalculation, TabSection::ChainOrder},
                                    {m_pCapacityCalculation->recorderBar(), TabSection::LeftToRight},
                                    {rows ? rows->viewport() : nullptr, TabSection::ByRows},
                                    {qobject_cast<QWidget *>(m_pCapacityCalculation->getDataCalculatorPage()),
                                     TabSection::ChainOrder},
                                    {m_pTitle, TabSection::LeftToRight}});
    return QMainWindow::focusNextPrevChild(next);
}

void LarkspanMainPage::resizeAddBoarder()
{
}

const QObject *LarkspanMainPage::getDeviceAddPage()
{
    return m_pCapacityCalculation->getDeviceAddPage();
}

const QObject *LarkspanMainPage::getDataDisplayPageSize()
{
    return m_pCapacityCalculation->getDataDisplayPageSize();
}

const QObject *LarkspanMainPage::getDataDisplayPageTime()
{
    return m_pCapacityCalculation->getDataDisplayPageTime();
}

const QObject *LarkspanMainPage::getDataCalculatorPage()
{
    return m_pCapacityCalculation->getDataCalculatorPage();
}

const QObject *LarkspanMainPage::getCapacityCalculation()
{
    return m_pCapacityCalculation;
}

const QObject *LarkspanMainPage::getDeviceEditor()
{
    return m_pDeviceEditor;
}

const QObject *LarkspanMainPage::getScenceSelector()
{
    return m_pDeviceEditor->getScenceSelector();
}

void LarkspanMainPage::keyPressEvent(QKeyEvent *event)
{
    // The window itself handles F1 and the Menu key; other keys stop here as
    // well.
    if (event->key() == Qt::Key_F1)
        emit signalGetHelp();
    else if (event->key() == Qt::Key_Menu)
        openMenuFromKeyboard();
}

void LarkspanMainPage::resizeEvent(QResizeEvent *event)
{
    if (m_pCover) {
        m_pCover->resize(event->size());
        if (coverIt)
            m_pCover->move(0, 0);
    }
    QMainWindow::resizeEvent(event);
}

void LarkspanMainPage::closeEvent(QCloseEvent *event)
{
    // Unsaved changes replace the exit question by the question about them.
    if (m_pDocument->isModified()) {
        if (mayDiscardChanges())
            event->accept();
        else
            event->ignore();
        return;
    }

    setCover(true);

    NM_Larkspan::TipDialog dialog;
    dialog.resize(350, 220);
    dialog.setTitle(tr("Exit"));
    dialog.setText(tr("Exit the Larkspan software?"));
    dialog.move(centredPosition(dialog.size()));
    if (dialog.exec() == QDialog::Accepted) {
        event->accept();
    } else {
        setCover(false);
        event->ignore();
    }

    setCover(false);
}

void LarkspanMainPage::setCover(bool coverIt)
{
    if (coverIt) {
        m_pCover->show();
        m_pCover->move(0, 0);
        m_pCover->raise();
    } else {
        m_pCover->hide();
        m_pCover->lower();
    }
    this->coverIt = coverIt;
}

void LarkspanMainPage::enableCover()
{
    setCover(true);
}

void LarkspanMainPage::disableCover()
{
    setCover(false);
}

void LarkspanMainPage::OnBtnSystemMenu()
{
    m_pAboutMenu->popup(QCursor::pos() - QPoint(MenuLeftShift, 0));
}

void LarkspanMainPage::openMenuFromKeyboard()
{
    // Under its button, right-aligned with it, its first entry active so
    // that the arrows and Return work at once.
    const QWidget *button = findChild<QWidget *>(QStringLiteral("m_btnSystemMenu"));
    const QPoint below = button ? button->mapToGlobal(QPoint(button->width(), button->height()))
                                : mapToGlobal(QPoint(width(), 0));
    m_pAboutMenu->popup(below - QPoint(m_pAboutMenu->sizeHint().width(), 0));
    const QList<QAction *> entries = m_pAboutMenu->actions();
    for (QAction *entry : entries) {
        if (entry->isEnabled() && !entry->isSeparator()) {
            m_pAboutMenu->setActiveAction(entry);
            break;
        }
    }
}

void LarkspanMainPage::OnMenuHelpClicked()
{
    m_pAboutMenu->close();
}

void LarkspanMainPage::OnMenuUpdateClicked()
{
    m_pAboutMenu->close();
    setCover(true);

    UpdateDialog dialog;
    dialog.move(centredPosition(dialog.size()));
    dialog.exec();

    setCover(false);
}

QPoint LarkspanMainPage::centredPosition(const QSize &dialogSize) const
{
    return {x() + (width() - dialogSize.width()) / 2, y() + (height() - dialogSize.height()) / 2};
}

void LarkspanMainPage::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedPlan(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void LarkspanMainPage::dropEvent(QDropEvent *event)
{
    const QString path = droppedPlan(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    openPlan(path);
}

const SiteDocument &LarkspanMainPage::document() const
{
    return *m_pDocument;
}

SitePlan LarkspanMainPage::currentPlan() const
{
    return m_pDocument->plan();
}

QString LarkspanMainPage::planPath() const
{
    return m_pDocument->filePath();
}

bool LarkspanMainPage::isPlanModified() const
{
    return m_pDocument->isModified();
}

QString LarkspanMainPage::planFolder() const
{
    const QString path = m_pDocument->filePath();
    return path.isEmpty() ? QDir::homePath() : QFileInfo(path).absolutePath();
}

QString LarkspanMainPage::suggestedFile(const QString &suffix) const
{
    return planFolder() + QLatin1Char('/') + planName() + QLatin1Char('.') + suffix;
}

QString LarkspanMainPage::planName() const
{
    const QString name = m_pDocument->fileBaseName();
    return name.isEmpty() ? tr("Untitled") : name;
}

void LarkspanMainPage::updateTitle()
{
    const bool modified = m_pDocument->isModified();
    // A new plan nobody has touched is just the program.
    QString title = tr("Larkspan");
    if (modified || !m_pDocument->filePath().isEmpty())
        title = planName() + (modified ? QStringLiteral("*") : QString()) + QStringLiteral(" - ") + title;
    setWindowTitle(title);
    m_pTitle->setText(title);
}

void LarkspanMainPage::onPlanChanged()
{
    m_takingEdit = true;
    m_pRecorders->takeEdit(m_pPages->plan());
    m_takingEdit = false;
    // A group added on the pages has its identity and recorder from the
    // document only: the list learns them, so that its menu and a drag name
    // the group, and the next edit keeps its identity.
    deviceList()->adoptIdentities(m_pRecorders->shownPlan().groups);
}

void LarkspanMainPage::showFigures()
{
    m_pPages->showFigures(m_pRecorders->shownPlan());
    m_pCapacityCalculation->showBreaches(m_pRecorders->breaches());
}

void LarkspanMainPage::showPlan()
{
    const quint32 recorder = m_pRecorders->current();
    m_pPages->show(m_pRecorders->shownPlan());
    showFigures();
    // New groups get numbers no group of the site has, listed or not.
    QVector<int> numbers;
    for (const PlanGroup &group : m_pDocument->plan().groups)
        numbers.append(group.groupNumber);
    m_pDeviceEditor->holdGroupNumbers(numbers);
    m_pDeviceEditor->setFrameStandardEnabled(recorder == 0);
    qobject_cast<DataCalculatorPage *>(m_pCapacityCalculation->getDataCalculatorPage())
        ->setDiskFromArrayOnly(recorder != 0);
}

void LarkspanMainPage::onDocumentChanged(int changes)
{
    const SiteDocument::Changes what(changes);
    const SiteDocument::Changes shown = SiteDocument::GroupsChanged | SiteDocument::InputsChanged
                                        | SiteDocument::FrameStandardChanged | SiteDocument::RecordersChanged;
    if (what & (SiteDocument::GroupsChanged | SiteDocument::InputsChanged | SiteDocument::RecordersChanged))
        m_pRecorders->refresh();
    if (what & SiteDocument::RecordersChanged)
        deviceList()->setRecorders(recorderChoices(m_pDocument->plan()));
    // Edits made on the pages are there already; undo, redo, open and new are not.
    if ((what & shown) && !m_takingEdit)
        showPlan();
    else if (what & shown)
        showFigures();
    m_pPlanMenu->setHistory(m_pDocument->canUndo(), m_pDocument->canRedo());
    updateTitle();
}

void LarkspanMainPage::onEditGroup(long long id)
{
    DeviceAddPage *list = deviceList();
    const QMap<long long, StructDeviceItem> groups = list->getDeviceData();
    if (!groups.contains(id))
        return;
    setCover(true);
    GroupEditDialog dialog(groups.value(id), m_pDeviceEditor->frameStandard(), this);
    dialog.setRecorders(recorderChoices(m_pDocument->plan()));
    dialog.move(centredPosition(dialog.size()));
    const bool saved = dialog.exec() == QDialog::Accepted;
    setCover(false);
    if (!saved)
        return;
    const StructDeviceItem edited = dialog.group();
    list->replaceDeviceItem(id, edited);
    // Moved off the recorder shown, the group leaves the list.
    const quint32 shown = m_pRecorders->current();
    if (shown != 0 && edited.uRecorderId != shown)
        showPlan();
}

DeviceAddPage *LarkspanMainPage::deviceList() const
{
    return qobject_cast<DeviceAddPage *>(m_pCapacityCalculation->getDeviceAddPage());
}

bool LarkspanMainPage::mayDiscardChanges()
{
    if (!m_pDocument->isModified())
        return true;
    setCover(true);
    SaveChangesDialog dialog(planName());
    dialog.move(centredPosition(dialog.size()));
    const int answer = dialog.exec();
    setCover(false);
    if (answer == SaveChangesDialog::Save)
        return onSavePlan();
    return answer == SaveChangesDialog::DontSave;
}

void LarkspanMainPage::onNewPlan()
{
    if (mayDiscardChanges())
        m_pDocument->newPlan();
}

void LarkspanMainPage::onOpenPlan()
{
    if (!mayDiscardChanges())
        return;
    setCover(true);
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Plan"), planFolder(),
                                                      tr("Larkspan plans (*.larkspan);;All files (*)"));
    setCover(false);
    if (!path.isEmpty())
        loadPlan(path);
}

bool LarkspanMainPage::openPlan(const QString &path)
{
    return mayDiscardChanges() && loadPlan(path);
}

void LarkspanMainPage::bringToFront()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void LarkspanMainPage::openHandedOverPlan(const QString &path)
{
    bringToFront();
    // While one of the window's dialogs waits for an answer, the plan waits
    // for it: replacing the plan under an open Save As would save the wrong one.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(HandOverRetryMs, this, [this, path] { openHandedOverPlan(path); });
        return;
    }
    openPlan(path);
}

bool LarkspanMainPage::loadPlan(const QString &path)
{
    QString error;
    if (!m_pDocument->open(path, &error)) {
        showNotice(tr("The plan \"%1\" could not be opened.").arg(QFileInfo(path).fileName())
                   + QLatin1Char('\n') + error);
        return false;
    }
    // Spares that the level cannot rebuild onto are dropped: the window no
    // longer shows what the file holds, so the plan counts as changed.
    const QString dropped = dropUnusableSpares(m_pDocument);
    apt::RecentPlans::remember(m_pDocument->filePath());
    if (!dropped.isEmpty())
        showNotice(dropped);
    return true;
}

bool LarkspanMainPage::onSavePlan()
{
    const QString path = m_pDocument->filePath();
    return path.isEmpty() ? onSavePlanAs() : savePlan(path);
}

bool LarkspanMainPage::onSavePlanAs()
{
    setCover(true);
    QString path = QFileDialog::getSaveFileName(this, tr("Save Plan"), suggestedFile(kPlanSuffix),
                                                tr("Larkspan plans (*.larkspan)"));
    setCover(false);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().compare(kPlanSuffix, Qt::CaseInsensitive) != 0)
        path += QLatin1Char('.') + kPlanSuffix;
    return savePlan(path);
}

bool LarkspanMainPage::savePlan(const QString &path)
{
    QString error;
    if (!m_pDocument->saveAs(path, &error)) {
        showNotice(error);
        return false;
    }
    apt::RecentPlans::remember(m_pDocument->filePath());
    return true;
}

void LarkspanMainPage::onExportReport()
{
    const QString pdf = tr("PDF document (*.pdf)");
    const QString csv = tr("CSV table (*.csv)");
    QString filter = pdf;
    setCover(true);
    QString path = QFileDialog::getSaveFileName(this, tr("Export Report"), suggestedFile(QStringLiteral("pdf")),
                                                pdf + QStringLiteral(";;") + csv, &filter);
    setCover(false);
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("csv"))
        path += filter == csv ? QStringLiteral(".csv") : QStringLiteral(".pdf");
    QString error;
    if (!writePlanReport(path, planName(), currentPlan(), &error)) {
        showNotice(error);
        return;
    }
    showSavedReport(path);
}

void LarkspanMainPage::onPrintReport()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(planName());
    printer.setPageLayout(planReportPageLayout());
    setCover(true);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        printPlanReport(planName(), currentPlan(), &printer);
    setCover(false);
}

void LarkspanMainPage::showNotice(const QString &text)
{
    setCover(true);
    aptui::BaseDialog notice(false, false, false, false, true, false, false);
    notice.setFixedSize(400, 256);
    notice.setTitle(tr("Hint"));
    notice.setBottomVisible(false);
    notice.setObjectName(QStringLiteral("APP_WARNINGDLG"));
    notice.setDefaultText(text);
    notice.move(centredPosition(notice.size()));
    notice.exec();
    setCover(false);
}

void LarkspanMainPage::showSavedReport(const QString &path)
{
    setCover(true);
    aptui::FileNotice notice(tr("Hint"), tr("Report saved to %1").arg(QDir::toNativeSeparators(path)), path,
                             aptui::FileNotice::OpenFileButton | aptui::FileNotice::OpenFolderButton);
    notice.move(centredPosition(notice.size()));
    notice.exec();
    setCover(false);
}
