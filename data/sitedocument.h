#pragma once

#include "data/siteplan.h"

#include <QObject>
#include <QString>
#include <QVector>

// The site plan being edited, in one place: the plan itself, the file it came
// from, whether it differs from that file, and the history of its changes.
// Every change goes through here as one step that can be undone and redone;
// the window's pages show the document and report the user's edits to it.
//
// Each group gets an identity when it enters the document that no other group
// of the document ever gets again, however groups are added, deleted, undone
// and redone. Group numbers stay as the list hands them out (a deleted
// group's number is used again); the identity is what other records of the
// plan refer to.
//
// The modified flag compares the plan with the one last opened or saved, so
// that undoing back to the saved plan makes it unmodified again.
class SiteDocument final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SiteDocument)

public:
    enum Change {
        GroupsChanged = 0x01,
        InputsChanged = 0x02, // the calculation's inputs and the disk array
        FrameStandardChanged = 0x04,
        FileChanged = 0x08,     // the path, after an open, a save as or a new plan
        ModifiedChanged = 0x10,
        HistoryChanged = 0x20,  // what undo and redo can do
        RecordersChanged = 0x40,
    };
    Q_DECLARE_FLAGS(Changes, Change)
    Q_FLAG(Changes)

    // Steps kept for undo; the oldest are dropped past either bound. The
    // second bounds the memory: every step keeps the whole plan, so a site
    // of a thousand groups keeps fifty steps.
    static constexpr int MaxUndoSteps = 200;
    static constexpr int MaxUndoGroups = 50000;

    explicit SiteDocument(QObject *parent = nullptr);
    ~SiteDocument() override;

    const SitePlan &plan() const { return m_plan; }
    // The plan's file; empty for a plan never saved.
    QString filePath() const { return m_filePath; }
    // The file's name without its suffix; empty for a plan never saved.
    QString fileBaseName() const;
    bool isModified() const { return m_plan != m_savedPlan; }

    // One step each. Groups without an identity (0) get a fresh one; an index
    // out of range changes nothing.
    void addGroups(QVector<PlanGroup> groups);
    void replaceGroup(int index, PlanGroup group);
    void removeGroup(int index);
    void clearGroups();
    void setCalculation(const PlanCalculation &calculation);
    // The standard with the groups' rates converted to it, as one step.
    void setFrameStandard(int frameStandard, const QVector<PlanGroup> &convertedGroups);
    // The whole plan as one step, as the pages show it. A group without an
    // identity is the document's group of the same group number, if there
    // is one; groups whose identity another group of the plan already has,
    // or that are new, get a fresh one. The recorders stay the document's; a
    // group on no recorder stays on its own, and a new one goes on the first
    // recorder. Changes to the same inputs one after
    // the other (typing a number) are one step.
    void setPlan(SitePlan plan);

    // The recorders, one step each. A new recorder gets a fresh identity
    // (returned); the first recorder of a site takes every group, as the
    // site's one recorder did. Removing a recorder moves its groups to
    // `moveTo`; removing the last makes the site one recorder again. Unknown
    // identities change nothing.
    quint32 addRecorder(PlanRecorder recorder);
    void replaceRecorder(const PlanRecorder &recorder);
    void removeRecorder(quint32 id, quint32 moveTo);
    void moveGroups(const QVector<quint32> &groupIds, quint32 recorder);
    // The whole plan as one step, recorders included: a site spread anew.
    void setSite(SitePlan plan);

    // Corrects the inputs of a plan just opened, without a step of undo: the
    // file still holds what was corrected, so the plan is modified until it
    // is saved.
    void correct(const PlanCalculation &calculation);

    bool canUndo() const { return !m_undo.isEmpty(); }
    bool canRedo() const { return !m_redo.isEmpty(); }
    void undo();
    void redo();

    // `plan` as a new plan of no file, unmodified, with no history.
    void newPlan(const SitePlan &plan = SitePlan());
    // Reads `path`; on failure nothing changes and `error` says why.
    bool open(const QString &path, QString *error);
    // Writes the plan to `path`, which becomes its file; on failure the old
    // file stays whole, the document is unchanged and `error` says why.
    bool saveAs(const QString &path, QString *error);

signals:
    void changed(SiteDocument::Changes what);

private:
    // Makes `plan` the document's plan as one step, when it differs.
    void apply(SitePlan plan);
    // Undo and redo: the last plan of `from` becomes the document's, whose
    // plan goes onto `to`.
    void travel(QVector<SitePlan> &from, QVector<SitePlan> &to);
    void replaceAll(const SitePlan &plan, const QString &path);
    // Gives every group of `groups` without a unique identity a fresh one.
    void identify(QVector<PlanGroup> *groups);
    static Changes difference(const SitePlan &a, const SitePlan &b);
    // Which inputs differ, one bit each.
    static int inputFields(const PlanCalculation &a, const PlanCalculation &b);

    SitePlan m_plan;
    SitePlan m_savedPlan;
    QString m_filePath;
    QVector<SitePlan> m_undo;
    QVector<SitePlan> m_redo;
    quint32 m_nextGroupId = 1;
    // The inputs that the last step changed, when it changed nothing else.
    int m_lastInputFields = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(SiteDocument::Changes)
