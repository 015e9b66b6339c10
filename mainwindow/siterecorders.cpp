#include "mainwindow/siterecorders.h"

#include "calc/recorderbar.h"
#include "calc/recorders.h"
#include "data/sitedocument.h"
#include "mainwindow/recorderdialog.h"
#include "mainwindow/spreaddialog.h"

#include "ui_deleterecorder.h"

#include <QComboBox>

namespace {

// Recorders are made from this class of profile when nothing else is known.
constexpr int kDefaultChannels = 32;

} // namespace

SiteRecorders::SiteRecorders(RecorderBar *bar, SiteDocument *document, QWidget *window)
    : QObject(window)
    , m_bar(bar)
    , m_document(document)
    , m_window(window)
{
    connect(m_bar, &RecorderBar::currentChanged, this, &SiteRecorders::choose);
    connect(m_bar, &RecorderBar::addRequested, this, &SiteRecorders::add);
    connect(m_bar, &RecorderBar::editRequested, this, &SiteRecorders::edit);
    connect(m_bar, &RecorderBar::removeRequested, this, &SiteRecorders::remove);
    connect(m_bar, &RecorderBar::spreadRequested, this, &SiteRecorders::spread);
    connect(m_bar, &RecorderBar::groupsDropped, m_document, &SiteDocument::moveGroups);
    refresh();
}

SitePlan SiteRecorders::shownPlan() const
{
    return m_current ? recorderPlan(m_document->plan(), m_current) : m_document->plan();
}

void SiteRecorders::takeEdit(const SitePlan &shown)
{
    if (m_current == 0)
        m_document->setPlan(shown);
    else
        m_document->setSite(mergeRecorderPlan(m_document->plan(), m_current, shown));
}

void SiteRecorders::refresh()
{
    // A recorder chosen and then deleted (or undone away) makes the bar
    // choose "All", which reaches choose().
    m_bar->showSite(m_document->plan());
}

QStringList SiteRecorders::breaches() const
{
    QStringList texts;
    for (const RecorderOfSite &entry : checkRecorders(m_document->plan())) {
        if (m_current != 0 && entry.recorder->id != m_current)
            continue;
        for (const Breach &breach : entry.check.breaches)
            texts << RecorderText::breach(entry.recorder->name, breach);
    }
    return texts;
}

void SiteRecorders::choose(quint32 recorder)
{
    if (recorder == m_current)
        return;
    m_current = recorder;
    emit shownChanged(recorder);
}

const PlanRecorder *SiteRecorders::find(quint32 recorder) const
{
    for (const PlanRecorder &entry : m_document->plan().recorders) {
        if (entry.id == recorder)
            return &entry;
    }
    return nullptr;
}

QVector<RecorderProfile> SiteRecorders::profiles() const
{
    QVector<RecorderProfile> profiles;
    QString error;
    // A file that does not read offers no profiles: limits are then typed.
    RecorderProfileFile::load(&profiles, &error);
    return profiles;
}

bool SiteRecorders::runDialog(QDialog &dialog)
{
    emit dialogOpened();
    dialog.move(m_window->geometry().center() - dialog.rect().center());
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    emit dialogClosed();
    return confirmed;
}

void SiteRecorders::add()
{
    const QVector<RecorderProfile> offered = profiles();
    PlanRecorder recorder;
    recorder.name = RecorderText::recorderName(int(m_document->plan().recorders.size() + 1));
    recorder.diskArray = m_document->plan().calculation.diskArray;
    for (const RecorderProfile &profile : offered) {
        if (profile.limits.channels == kDefaultChannels) {
            recorder.profile = profile.name;
            recorder.limits = profile.limits;
        }
    }
    RecorderDialog dialog(recorder, offered, m_window);
    if (runDialog(dialog))
        m_bar->setCurrent(m_document->addRecorder(dialog.recorder()));
}

void SiteRecorders::edit(quint32 recorder)
{
    const PlanRecorder *stored = find(recorder);
    if (!stored)
        return;
    RecorderDialog dialog(*stored, profiles(), m_window);
    if (runDialog(dialog))
        m_document->replaceRecorder(dialog.recorder());
}

void SiteRecorders::remove(quint32 recorder)
{
    const PlanRecorder *stored = find(recorder);
    if (!stored)
        return;
    aptui::BaseDialog dialog(false, false, false, false, true, true, true, m_window);
    dialog.setTitle(tr("Delete recorder"));
    auto *content = new QWidget;
    Ui::DeleteRecorder ui;
    ui.setupUi(content);
    dialog.setContentWidget(content);
    dialog.setDialogFixedSize(420, 220);
    dialog.setConfirmButtonText(tr("Delete"));
    const QVector<PlanRecorder> &recorders = m_document->plan().recorders;
    for (const PlanRecorder &other : recorders) {
        if (other.id != recorder)
            ui.m_comboBoxMoveTo->addItem(other.name, other.id);
    }
    const bool last = recorders.size() == 1;
    ui.m_labelQuestion->setText(last ? tr("Delete %1? The site is one disk again, holding every group.")
                                           .arg(stored->name)
                                     : tr("Delete %1?").arg(stored->name));
    ui.m_labelMoveTo->setVisible(!last);
    ui.m_comboBoxMoveTo->setVisible(!last);
    // The safe answer first: Return does not delete.
    ui.m_comboBoxMoveTo->setFocus();
    if (!runDialog(dialog))
        return;
    m_document->removeRecorder(recorder, last ? 0 : ui.m_comboBoxMoveTo->currentData().toUInt());
}

void SiteRecorders::spread()
{
    SpreadDialog dialog(m_document->plan(), profiles(), m_window);
    if (runDialog(dialog)) {
        m_bar->setCurrent(0);
        m_document->setSite(dialog.spreadSite());
    }
}
