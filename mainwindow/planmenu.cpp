#include "mainwindow/planmenu.h"

#include "app/languagechoice.h"
#include "app/lookchoice.h"
#include "app/startuplook.h"
#include "aptui/menu.h"
#include "data/recentplans.h"
#include "platform/stylelook.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileInfo>

#include <utility>

PlanMenu::PlanMenu(aptui::Menu *menu, QWidget *window, int interfaceLanguage)
    : QObject(menu)
    , m_pMenu(menu)
    , m_pWindow(window)
{
    addEntry(tr("New"), {QKeySequence::New}, &PlanMenu::newPlan);
    addEntry(tr("Open..."), {QKeySequence::Open}, &PlanMenu::openPlan);
    m_pRecentMenu = m_pMenu->addMenu(tr("Recent Plans"));
    m_pRecentMenu->setObjectName(QStringLiteral("recentPlansMenu"));
    addEntry(tr("Save"), {QKeySequence::Save}, &PlanMenu::savePlan);
    addEntry(tr("Save As..."), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}, &PlanMenu::savePlanAs);
    m_pMenu->addSeparator();
    m_pUndoAction = addEntry(tr("Undo"), QKeySequence::keyBindings(QKeySequence::Undo), &PlanMenu::undo);
    // Ctrl+Y as well, where the desktop's redo is another key.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys << QKeySequence(Qt::CTRL | Qt::Key_Y);
    m_pRedoAction = addEntry(tr("Redo"), redoKeys, &PlanMenu::redo);
    setHistory(false, false);
    m_pMenu->addSeparator();
    addEntry(tr("Export Report..."), {}, &PlanMenu::exportReport);
    addEntry(tr("Print..."), {QKeySequence::Print}, &PlanMenu::printReport);
    m_pMenu->addSeparator();
    addLanguages(interfaceLanguage);
    addLook();
    m_pMenu->addSeparator();

    // Plans deleted since they were listed drop out each time the menu opens.
    connect(m_pMenu, &QMenu::aboutToShow, this, &PlanMenu::refreshRecentPlans);
    refreshRecentPlans();
}

void PlanMenu::setHistory(bool canUndo, bool canRedo)
{
    m_pUndoAction->setEnabled(canUndo);
    m_pRedoAction->setEnabled(canRedo);
}

QAction *PlanMenu::addEntry(const QString &text, const QList<QKeySequence> &keys, void (PlanMenu::*signal)())
{
    auto *action = new QAction(text, m_pWindow);
    action->setShortcuts(keys);
    // Also on the window, so that the shortcut works while the menu is closed.
    m_pWindow->addAction(action);
    m_pMenu->addAction(action);
    connect(action, &QAction::triggered, this, signal);
    return action;
}

void PlanMenu::addLanguages(int interfaceLanguage)
{
    aptui::Menu *languageMenu = m_pMenu->addMenu(tr("Language"));
    languageMenu->setObjectName(QStringLiteral("languageMenu"));
    auto *languages = new QActionGroup(languageMenu);
    // Each language is named in itself, so that a person who cannot read
    // the interface's language still finds their own.
    const std::pair<int, QString> entries[] = {
        {apt::LanguageChoice::English, QStringLiteral("English")},
        {apt::LanguageChoice::Chinese, QStringLiteral("中文")},
    };
    for (const auto &[code, name] : entries) {
        QAction *action = languageMenu->addAction(name);
        action->setObjectName(code == apt::LanguageChoice::Chinese ? QStringLiteral("languageChinese")
                                                                   : QStringLiteral("languageEnglish"));
        action->setCheckable(true);
        action->setChecked(code == interfaceLanguage);
        action->setData(code);
        languages->addAction(action);
    }
    connect(languages, &QActionGroup::triggered, this, [this, interfaceLanguage](QAction *action) {
        const int code = action->data().toInt();
        apt::LanguageChoice::storeChoice(code);
        // The texts of every page were made at start-up; they change with
        // the next start. Choosing the language already shown changes nothing.
        if (code != interfaceLanguage)
            emit languageChosen();
    });
}

void PlanMenu::addLook()
{
    // Both take effect at once: the application's style sheet and font are
    // made again, and every window follows.
    QAction *highContrast = m_pMenu->addAction(tr("High Contrast"));
    highContrast->setObjectName(QStringLiteral("highContrastAction"));
    highContrast->setCheckable(true);
    highContrast->setChecked(apt::LookChoice::highContrast());
    connect(highContrast, &QAction::toggled, this, [](bool on) {
        apt::LookChoice::storeHighContrast(on);
        apt::applyLook();
    });

    aptui::Menu *sizeMenu = m_pMenu->addMenu(tr("Text Size"));
    sizeMenu->setObjectName(QStringLiteral("textSizeMenu"));
    auto *sizes = new QActionGroup(sizeMenu);
    const int chosen = apt::LookChoice::storedTextSize();
    for (const int percent : apt::StyleLook::kTextSizes) {
        QAction *action = sizeMenu->addAction(tr("%1 %").arg(percent));
        action->setObjectName(QStringLiteral("textSize%1").arg(percent));
        action->setCheckable(true);
        action->setChecked(percent == (chosen != 0 ? chosen : 100));
        action->setData(percent);
        sizes->addAction(action);
    }
    connect(sizes, &QActionGroup::triggered, this, [](QAction *action) {
        apt::LookChoice::storeTextSize(action->data().toInt());
        apt::applyLook();
    });
}

void PlanMenu::refreshRecentPlans()
{
    m_pRecentMenu->clear();
    const QStringList plans = apt::RecentPlans::plans();
    for (const QString &path : plans) {
        QAction *action = m_pRecentMenu->addAction(QFileInfo(path).completeBaseName());
        action->setToolTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { emit openRecentPlan(path); });
    }
    m_pRecentMenu->setEnabled(!plans.isEmpty());
}
