#include "data/sitedocument.h"

#include "data/siteplanfile.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <iterator>

#include <utility>

SiteDocument::SiteDocument(QObject *parent)
    : QObject(parent)
{
}

SiteDocument::~SiteDocument() = default;

QString SiteDocument::fileBaseName() const
{
    return m_filePath.isEmpty() ? QString() : QFileInfo(m_filePath).completeBaseName();
}

void SiteDocument::addGroups(QVector<PlanGroup> groups)
{
    if (groups.isEmpty())
        return;
    SitePlan plan = m_plan;
    plan.groups += std::move(groups);
    apply(std::move(plan));
}

void SiteDocument::replaceGroup(int index, PlanGroup group)
{
    if (index < 0 || index >= m_plan.groups.size())
        return;
    SitePlan plan = m_plan;
    // The group edited stays the same group, whatever the caller copied.
    group.id = plan.groups.at(index).id;
    plan.groups[index] = std::move(group);
    apply(std::move(plan));
}

void SiteDocument::removeGroup(int index)
{
    if (index < 0 || index >= m_plan.groups.size())
        return;
    SitePlan plan = m_plan;
    plan.groups.removeAt(index);
    apply(std::move(plan));
}

void SiteDocument::clearGroups()
{
    if (m_plan.groups.isEmpty())
        return;
    SitePlan plan = m_plan;
    plan.groups.clear();
    apply(std::move(plan));
}

quint32 SiteDocument::addRecorder(PlanRecorder recorder)
{
    SitePlan plan = m_plan;
    quint32 id = 1;
    for (const PlanRecorder &other : std::as_const(plan.recorders))
        id = std::max(id, other.id + 1);
    recorder.id = id;
    plan.recorders.append(std::move(recorder));
    // The first takes every group (apply puts them on it).
    if (plan.recorders.size() == 1) {
        for (PlanGroup &group : plan.groups)
            group.recorder = 0;
    }
    apply(std::move(plan));
    return id;
}

void SiteDocument::replaceRecorder(const PlanRecorder &recorder)
{
    SitePlan plan = m_plan;
    for (PlanRecorder &stored : plan.recorders) {
        if (stored.id == recorder.id) {
            stored = recorder;
            apply(std::move(plan));
            return;
        }
    }
}

void SiteDocument::removeRecorder(quint32 id, quint32 moveTo)
{
    SitePlan plan = m_plan;
    const auto known = [&plan](quint32 wanted) {
        return std::any_of(plan.recorders.cbegin(), plan.recorders.cend(),
                           [wanted](const PlanRecorder &r) { return r.id == wanted; });
    };
    const bool last = plan.recorders.size() == 1;
    if (!known(id) || (!last && (moveTo == id || !known(moveTo))))
        return;
    plan.recorders.removeIf([id](const PlanRecorder &r) { return r.id == id; });
    for (PlanGroup &group : plan.groups) {
        if (last)
            group.recorder = 0;
        else if (group.recorder == id)
            group.recorder = moveTo;
    }
    apply(std::move(plan));
}

void SiteDocument::moveGroups(const QVector<quint32> &groupIds, quint32 recorder)
{
    if (std::none_of(m_plan.recorders.cbegin(), m_plan.recorders.cend(),
                     [recorder](const PlanRecorder &r) { return r.id == recorder; })) {
        return;
    }
    SitePlan plan = m_plan;
    for (PlanGroup &group : plan.groups) {
        if (groupIds.contains(group.id))
            group.recorder = recorder;
    }
    apply(std::move(plan));
}

void SiteDocument::setSite(SitePlan plan)
{
    apply(std::move(plan));
}

void SiteDocument::setCalculation(const PlanCalculation &calculation)
{
    SitePlan plan = m_plan;
    plan.calculation = calculation;
    apply(std::move(plan));
}

void SiteDocument::setFrameStandard(int frameStandard, const QVector<PlanGroup> &convertedGroups)
{
    SitePlan plan = m_plan;
    plan.frameStandard = frameStandard;
    // The conversion changes rates and frame rates, never which groups there are.
    if (convertedGroups.size() == plan.groups.size()) {
        for (int i = 0; i < plan.groups.size(); ++i) {
            const quint32 id = plan.groups.at(i).id;
            plan.groups[i] = convertedGroups.at(i);
            plan.groups[i].id = id;
        }
    }
    apply(std::move(plan));
}

void SiteDocument::setPlan(SitePlan plan)
{
    QHash<int, quint32> idByNumber;
    QHash<quint32, quint32> recorderById;
    idByNumber.reserve(m_plan.groups.size());
    recorderById.reserve(m_plan.groups.size());
    for (const PlanGroup &group : std::as_const(m_plan.groups)) {
        idByNumber.insert(group.groupNumber, group.id);
        recorderById.insert(group.id, group.recorder);
    }
    // The pages do not show the recorders: they stay the document's, and a
    // group the pages put on none stays on its own.
    plan.recorders = m_plan.recorders;
    for (PlanGroup &group : plan.groups) {
        if (group.id == 0)
            group.id = idByNumber.value(group.groupNumber);
        if (group.recorder == 0)
            group.recorder = recorderById.value(group.id);
    }
    apply(std::move(plan));
}

void SiteDocument::correct(const PlanCalculation &calculation)
{
    if (calculation == m_plan.calculation)
        return;
    const bool wasModified = isModified();
    m_plan.calculation = calculation;
    emit changed(InputsChanged | (wasModified != isModified() ? ModifiedChanged : Changes()));
}

void SiteDocument::undo()
{
    travel(m_undo, m_redo);
}

void SiteDocument::redo()
{
    travel(m_redo, m_undo);
}

void SiteDocument::travel(QVector<SitePlan> &from, QVector<SitePlan> &to)
{
    if (from.isEmpty())
        return;
    const bool wasModified = isModified();
    SitePlan plan = from.takeLast();
    Changes what = difference(m_plan, plan) | HistoryChanged;
    m_lastInputFields = 0;
    to.append(std::exchange(m_plan, std::move(plan)));
    if (wasModified != isModified())
        what |= ModifiedChanged;
    emit changed(what);
}

void SiteDocument::newPlan(const SitePlan &plan)
{
    SitePlan identified = plan;
    identify(&identified.groups);
    replaceAll(identified, QString());
}

bool SiteDocument::open(const QString &path, QString *error)
{
    SitePlan plan;
    if (!SitePlanFile::read(path, &plan, error))
        return false;
    m_nextGroupId = 1;
    for (const PlanGroup &group : std::as_const(plan.groups))
        m_nextGroupId = qMax(m_nextGroupId, group.id + 1);
    identify(&plan.groups);
    replaceAll(plan, QFileInfo(path).absoluteFilePath());
    return true;
}

bool SiteDocument::saveAs(const QString &path, QString *error)
{
    if (!SitePlanFile::write(path, m_plan, error))
        return false;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    Changes what;
    if (absolute != m_filePath)
        what |= FileChanged;
    if (isModified())
        what |= ModifiedChanged;
    m_filePath = absolute;
    m_savedPlan = m_plan;
    // A keystroke after the save is a step of its own, so that undo passes the saved plan.
    m_lastInputFields = 0;
    if (what)
        emit changed(what);
    return true;
}

void SiteDocument::apply(SitePlan plan)
{
    // A group on no recorder of a site with recorders goes on the first.
    if (!plan.recorders.isEmpty()) {
        for (PlanGroup &group : plan.groups) {
            if (group.recorder == 0)
                group.recorder = plan.recorders.constFirst().id;
        }
    }
    identify(&plan.groups);
    Changes what = difference(m_plan, plan);
    if (!what)
        return;
    const bool wasModified = isModified();
    const bool couldUndo = canUndo();
    const bool couldRedo = canRedo();
    const int fields = what == InputsChanged ? inputFields(m_plan.calculation, plan.calculation) : 0;
    if (fields != 0 && fields == m_lastInputFields && canUndo() && !canRedo()) {
        // Another keystroke in the same input: the step before it stays the one to undo to.
        m_plan = std::move(plan);
    } else {
        m_undo.append(std::exchange(m_plan, std::move(plan)));
        qsizetype groups = 0;
        for (const SitePlan &step : std::as_const(m_undo))
            groups += step.groups.size();
        while (m_undo.size() > MaxUndoSteps || (m_undo.size() > 1 && groups > MaxUndoGroups)) {
            groups -= m_undo.constFirst().groups.size();
            m_undo.removeFirst();
        }
    }
    m_lastInputFields = fields;
    m_redo.clear();
    if (wasModified != isModified())
        what |= ModifiedChanged;
    if (!couldUndo || couldRedo || !canUndo())
        what |= HistoryChanged;
    emit changed(what);
}

void SiteDocument::replaceAll(const SitePlan &plan, const QString &path)
{
    const Changes what = difference(m_plan, plan) | FileChanged | HistoryChanged
                         | (isModified() ? ModifiedChanged : Changes());
    m_plan = plan;
    m_savedPlan = plan;
    m_filePath = path;
    m_undo.clear();
    m_redo.clear();
    m_lastInputFields = 0;
    emit changed(what);
}

void SiteDocument::identify(QVector<PlanGroup> *groups)
{
    QSet<quint32> seen;
    seen.reserve(groups->size());
    for (PlanGroup &group : *groups) {
        if (group.id == 0 || seen.contains(group.id))
            group.id = m_nextGroupId++;
        else if (group.id >= m_nextGroupId)
            m_nextGroupId = group.id + 1;
        seen.insert(group.id);
    }
}

SiteDocument::Changes SiteDocument::difference(const SitePlan &a, const SitePlan &b)
{
    Changes what;
    if (a.groups != b.groups)
        what |= GroupsChanged;
    if (a.calculation != b.calculation)
        what |= InputsChanged;
    if (a.frameStandard != b.frameStandard)
        what |= FrameStandardChanged;
    if (a.recorders != b.recorders)
        what |= RecordersChanged;
    return what;
}

int SiteDocument::inputFields(const PlanCalculation &a, const PlanCalculation &b)
{
    const bool differs[] = {a.diskSize != b.diskSize,
                            a.diskUnit != b.diskUnit,
                            a.timeHoursPerDay != b.timeHoursPerDay,
                            a.saveTime != b.saveTime,
                            a.saveUnit != b.saveUnit,
                            a.sizeHoursPerDay != b.sizeHoursPerDay,
                            a.sizeShown != b.sizeShown,
                            a.diskArray != b.diskArray};
    int fields = 0;
    for (std::size_t i = 0; i < std::size(differs); ++i) {
        if (differs[i])
            fields |= 1 << i;
    }
    return fields;
}
