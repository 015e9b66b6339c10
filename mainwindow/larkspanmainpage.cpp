#include "mainwindow/larkspanmainpage.h"

#include "aptui/coverwidget.h"
#include "aptui/menu.h"
#include "aptui/tipdialog.h"
#include "aptui/windowtitle.h"
#include "calc/capacitycalculation.h"
#include "calc/datacalculatorpage.h"
#include "calc/datadisplaypage.h"
#include "calc/sizedisplaypage.h"
#include "data/updatedialog.h"
#include "device/deviceaddpage.h"
#include "device/deviceeditor.h"
#include "mainwindow/aboutdialog.h"

#include "ui_larkspanmainpage.h"

#include <QCloseEvent>
#include <QCursor>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QResizeEvent>

namespace {

constexpr int PreferredHeight = 768;
// The menu opens to the left of the cursor, so that it lies under the
// title bar's menu button rather than beyond the window's right edge.
constexpr int MenuLeftShift = 149;

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
    m_pAboutMenu->addAction(m_pAboutDialog.get());
    m_pAboutMenu->setObjectName(QStringLiteral("aboutMenu"));
    // Keeps what the menu itself adds (on some platforms it declines the
    // window system's shadow through a flag).
    m_pAboutMenu->setWindowFlags(m_pAboutMenu->windowFlags() | Qt::Popup | Qt::FramelessWindowHint);
    m_pAboutMenu->setAttribute(Qt::WA_TranslucentBackground);
    m_pAboutMenu->setFocusPolicy(Qt::NoFocus);

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
    connect(deviceAddPage, &DeviceAddPage::signalCover, this, &LarkspanMainPage::enableCover);
    connect(deviceAddPage, &DeviceAddPage::signalDisvocer, this, &LarkspanMainPage::disableCover);

    connect(m_pAboutDialog.get(), &AboutDialog::signalCover, this, &LarkspanMainPage::enableCover);
    connect(m_pAboutDialog.get(), &AboutDialog::signalDiscover,
            this, &LarkspanMainPage::disableCover);
    // The panel keeps its manual slot private; the meta-object reaches it by name.
    connect(this, SIGNAL(signalGetHelp()), m_pAboutDialog.get(), SLOT(onGetHelp()));
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
    // The window itself handles F1 only; other keys stop here as well.
    if (event->key() == Qt::Key_F1)
        emit signalGetHelp();
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
