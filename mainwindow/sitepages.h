#pragma once

#include <QObject>

class CapacityCalculation;
class DataCalculatorPage;
class DeviceAddPage;
class DeviceEditor;
struct SitePlan;

// The pages as a view of the site document: the plan they show, a plan put
// on them, and word when the user has changed what they show. A plan put on
// the pages is not the user's change.
class SitePages final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SitePages)

public:
    // Listens to the pages from now on: made after the pages' own
    // connections, so that an edit has run its course (a frame-standard
    // switch has converted the list) before the pages say so.
    SitePages(DeviceEditor *editor, CapacityCalculation *panel, QObject *parent = nullptr);

    SitePlan plan() const;
    void show(const SitePlan &plan);
    // The figures that follow each group's recording: the results, their
    // ranges, the site's totals and the verdict. After every change of the
    // plan, whoever made it.
    void showFigures(const SitePlan &plan);

signals:
    // Every signal of one edit ends here; a document takes the first that
    // changes the plan as the step.
    void edited();

private:
    void onPageChanged();
    DeviceAddPage *deviceList() const;
    DataCalculatorPage *calculatorPage() const;

    DeviceEditor *m_pEditor;
    CapacityCalculation *m_pPanel;
    bool m_showing = false;
};
