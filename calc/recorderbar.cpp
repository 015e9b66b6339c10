#include "calc/recorderbar.h"

#include "calc/recorders.h"
#include "data/siteplan.h"

#include <QButtonGroup>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

namespace {

constexpr char kRecorderProperty[] = "recorder";

QVector<quint32> droppedGroups(const QMimeData *mime)
{
    return GroupDrag::decode(mime->data(QLatin1String(RecorderBar::GroupsMimeType)));
}

} // namespace

RecorderBar::RecorderBar(QWidget *parent)
    : QWidget(parent)
    , m_layout(nullptr)
    , m_strip(new QScrollArea(this))
    , m_chips(new QButtonGroup(this))
    , m_addButton(new QToolButton(this))
{
    setObjectName(QStringLiteral("RecorderBar"));
    // However many recorders, the bar takes no width from the pages beside
    // it: the chips scroll sideways, and "+" stays in view.
    auto *chips = new QWidget;
    chips->setObjectName(QStringLiteral("recorderChips"));
    m_layout = new QHBoxLayout(chips);
    m_layout->setContentsMargins(0, 1, 0, 1);
    m_layout->setSpacing(6);
    m_strip->setObjectName(QStringLiteral("recorderStrip"));
    // The strip only scrolls; its chips take the focus.
    m_strip->setFocusPolicy(Qt::NoFocus);
    m_strip->setFrameShape(QFrame::NoFrame);
    m_strip->setWidgetResizable(true);
    m_strip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_strip->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_strip->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_strip->setWidget(chips);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    row->addWidget(m_strip, 1, Qt::AlignTop);
    row->addWidget(m_addButton, 0, Qt::AlignTop);
    m_chips->setExclusive(true);

    m_addButton->setObjectName(QStringLiteral("m_btnAddRecorder"));
    m_addButton->setText(QStringLiteral("+"));
    m_addButton->setToolTip(tr("Add a recorder, or spread the groups over recorders"));
    m_addButton->setAccessibleName(tr("Recorders"));
    m_addButton->setPopupMode(QToolButton::InstantPopup);
    m_addButton->setFocusPolicy(Qt::StrongFocus);
    auto *menu = new QMenu(m_addButton);
    menu->setObjectName(QStringLiteral("recorderAddMenu"));
    QAction *add = menu->addAction(tr("Add recorder…"));
    add->setObjectName(QStringLiteral("addRecorderAction"));
    QAction *spread = menu->addAction(tr("Spread groups…"));
    spread->setObjectName(QStringLiteral("spreadGroupsAction"));
    connect(add, &QAction::triggered, this, &RecorderBar::addRequested);
    connect(spread, &QAction::triggered, this, &RecorderBar::spreadRequested);
    m_addButton->setMenu(menu);

    connect(m_chips, &QButtonGroup::idClicked, this, [this](int) {
        const quint32 chosen = m_chips->checkedButton()->property(kRecorderProperty).toUInt();
        if (chosen != m_current) {
            m_current = chosen;
            emit currentChanged(chosen);
        }
    });
    addChip(0, tr("All"))->setChecked(true);
    m_layout->addStretch(1);
    m_layout->setAlignment(Qt::AlignTop);
    showSite(SitePlan());
}

QToolButton *RecorderBar::addChip(quint32 recorder, const QString &text)
{
    auto *chip = new QToolButton;
    chip->setObjectName(recorder ? QStringLiteral("recorderChip") : QStringLiteral("recorderChipAll"));
    chip->setProperty(kRecorderProperty, recorder);
    chip->setText(text);
    chip->setCheckable(true);
    chip->setAutoRaise(false);
    chip->setFocusPolicy(Qt::StrongFocus);
    chip->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    chip->setAcceptDrops(recorder != 0);
    // Drops, and scrolling into view when reached with the keyboard.
    chip->installEventFilter(this);
    m_chips->addButton(chip);
    // Before the stretch.
    m_layout->insertWidget(m_chips->buttons().size() - 1, chip);
    if (recorder == 0)
        return chip;
    chip->setPopupMode(QToolButton::MenuButtonPopup);
    auto *menu = new QMenu(chip);
    QAction *edit = menu->addAction(tr("Edit recorder…"));
    edit->setObjectName(QStringLiteral("editRecorderAction"));
    QAction *remove = menu->addAction(tr("Delete recorder…"));
    remove->setObjectName(QStringLiteral("deleteRecorderAction"));
    connect(edit, &QAction::triggered, this, [this, recorder] { emit editRequested(recorder); });
    connect(remove, &QAction::triggered, this, [this, recorder] { emit removeRequested(recorder); });
    chip->setMenu(menu);
    return chip;
}

void RecorderBar::showSite(const SitePlan &plan)
{
    const QList<QAbstractButton *> chips = m_chips->buttons();
    for (QAbstractButton *chip : chips) {
        if (chip->property(kRecorderProperty).toUInt() != 0) {
            m_chips->removeButton(chip);
            delete chip;
        }
    }
    bool currentShown = false;
    const QVector<RecorderOfSite> recorders = checkRecorders(plan);
    for (const RecorderOfSite &entry : recorders) {
        const PlanRecorder &recorder = *entry.recorder;
        const RecorderCheck &check = entry.check;
        QToolButton *chip = addChip(recorder.id, QStringLiteral("%1  %2").arg(
                                                     recorder.name, RecorderText::channels(check, recorder.limits)));
        QStringList tip{RecorderText::state(check, recorder.limits)};
        if (check.hasVerdict)
            tip << RetentionText::verdict(check.verdict);
        for (const Breach &breach : check.breaches)
            tip << RecorderText::breach(recorder.name, breach);
        chip->setToolTip(tip.join(QLatin1Char('\n')));
        chip->setAccessibleName(recorder.name);
        chip->setAccessibleDescription(tip.join(QStringLiteral("; ")));
        // Marked by a sign as well as the style sheet's colour.
        const bool holds = check.holds();
        chip->setProperty("holds", holds);
        if (!holds)
            chip->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
        if (recorder.id == m_current) {
            chip->setChecked(true);
            currentShown = true;
        }
    }
    if (!currentShown && m_current != 0) {
        m_current = 0;
        m_chips->buttons().constFirst()->setChecked(true);
        emit currentChanged(0);
    }
    // "All" only where there is something else to choose; the strip as high
    // as a chip and the scroll bar that many recorders bring.
    m_chips->buttons().constFirst()->setVisible(!recorders.isEmpty());
    m_strip->setFixedHeight(m_addButton->sizeHint().height() + 2
                            + m_strip->horizontalScrollBar()->sizeHint().height());
}

void RecorderBar::setCurrent(quint32 recorder)
{
    const QList<QAbstractButton *> chips = m_chips->buttons();
    for (QAbstractButton *chip : chips) {
        if (chip->property(kRecorderProperty).toUInt() == recorder && recorder != m_current) {
            chip->setChecked(true);
            m_current = recorder;
            emit currentChanged(recorder);
            return;
        }
    }
}

bool RecorderBar::eventFilter(QObject *watched, QEvent *event)
{
    auto *chip = qobject_cast<QToolButton *>(watched);
    if (chip && event->type() == QEvent::FocusIn)
        m_strip->ensureWidgetVisible(chip);
    // A chip's menu from the keyboard: the Menu key, Shift+F10 or Alt+Down.
    if (chip && chip->menu() && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)
            || (key->key() == Qt::Key_Down && key->modifiers() == Qt::AltModifier)) {
            chip->showMenu();
            return true;
        }
    }
    const QEvent::Type type = event->type();
    if (!chip || (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop))
        return QWidget::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    if (!drop->mimeData()->hasFormat(QLatin1String(GroupsMimeType)))
        return false;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop) {
        const QVector<quint32> groups = droppedGroups(drop->mimeData());
        if (!groups.isEmpty())
            emit groupsDropped(groups, chip->property(kRecorderProperty).toUInt());
    }
    return true;
}
