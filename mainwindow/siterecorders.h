#pragma once

#include "data/recorderprofiles.h"
#include "data/siteplan.h"

#include <QObject>

class QDialog;
class QWidget;
class RecorderBar;
class SiteDocument;

// The site's recorders in the window. The bar shows them; what it asks for
// becomes a step of the document: a recorder added, edited or deleted (its
// groups moving to another), the groups spread over recorders of a profile,
// groups dropped on a recorder. It keeps which recorder the pages show, and
// turns what the pages make of one recorder back into the site.
class SiteRecorders final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SiteRecorders)

public:
    SiteRecorders(RecorderBar *bar, SiteDocument *document, QWidget *window);

    // 0 while the pages show the whole site.
    quint32 current() const { return m_current; }
    // What the pages show: the site, or the chosen recorder's part of it.
    SitePlan shownPlan() const;
    // Takes what the pages show as the user's edit of the document.
    void takeEdit(const SitePlan &shown);
    // Shows the document's recorders on the bar.
    void refresh();
    // The limits broken by the recorders shown: the chosen one's, or every
    // recorder's when the whole site is shown.
    QStringList breaches() const;

signals:
    // The pages are to show shownPlan() anew: another recorder was chosen.
    void shownChanged(quint32 recorder);
    // Around each dialog, so that the window dims behind it.
    void dialogOpened();
    void dialogClosed();

private:
    void add();
    void edit(quint32 recorder);
    void remove(quint32 recorder);
    void spread();
    void choose(quint32 recorder);
    bool runDialog(QDialog &dialog);
    QVector<RecorderProfile> profiles() const;
    const PlanRecorder *find(quint32 recorder) const;

    RecorderBar *m_bar;
    SiteDocument *m_document;
    QWidget *m_window;
    quint32 m_current = 0;
};
