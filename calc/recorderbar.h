#pragma once

#include "data/siteplan.h"

#include <QVector>
#include <QWidget>

class QButtonGroup;
class QHBoxLayout;
class QScrollArea;
class QToolButton;

// The site's recorders above the device list: "All", then a chip per
// recorder with its name and the channels it records against its limit, and
// "+" to add a recorder or spread the groups over recorders. A chip whose
// recorder breaks a limit or falls short of its period is marked with a sign
// and says why in its tool tip; its menu edits or deletes the recorder.
// Groups dragged from the list onto a chip move to that recorder.
//
// Choosing a chip asks the window to show that recorder's groups and
// calculation; "All" shows the whole site.
class RecorderBar final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RecorderBar)

public:
    // The mime type of dragged groups: their identities, as text, one a line.
    static constexpr const char *GroupsMimeType = GroupDrag::MimeType;

    explicit RecorderBar(QWidget *parent = nullptr);

    // Shows the recorders of `plan` and what each holds; the chosen one stays
    // chosen while it exists, else "All" is.
    void showSite(const SitePlan &plan);
    // 0 for "All".
    quint32 current() const { return m_current; }
    void setCurrent(quint32 recorder);

signals:
    void currentChanged(quint32 recorder);
    void addRequested();
    void spreadRequested();
    void editRequested(quint32 recorder);
    void removeRequested(quint32 recorder);
    void groupsDropped(const QVector<quint32> &groups, quint32 recorder);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QToolButton *addChip(quint32 recorder, const QString &text);

    QHBoxLayout *m_layout; // of the chips, in a strip that scrolls sideways
    QScrollArea *m_strip;
    QButtonGroup *m_chips;
    QToolButton *m_addButton;
    quint32 m_current = 0;
};
