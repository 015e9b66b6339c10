#include "mainwindow/sitepages.h"

#include "calc/capacitycalculation.h"
#include "calc/datacalculatorpage.h"
#include "calc/retention.h"
#include "data/siteplan.h"
#include "device/deviceaddpage.h"
#include "device/deviceeditor.h"

SitePages::SitePages(DeviceEditor *editor, CapacityCalculation *panel, QObject *parent)
    : QObject(parent)
    , m_pEditor(editor)
    , m_pPanel(panel)
{
    // What changes the plan: its groups and their total, the frame standard,
    // and the calculation's inputs.
    connect(deviceList(), &DeviceAddPage::SignalDeviceChanged, this, &SitePages::onPageChanged);
    connect(m_pEditor, &DeviceEditor::signalCurrentFrameStandard, this, &SitePages::onPageChanged);
    connect(calculatorPage(), &DataCalculatorPage::signalInputsChanged, this, &SitePages::onPageChanged);
}

SitePlan SitePages::plan() const
{
    SitePlan plan;
    plan.frameStandard = m_pEditor->frameStandard();
    const QStringList frameRates = m_pEditor->frameRates(plan.frameStandard);
    // The list's keys grow with every add, so key order is list order.
    const QMap<long long, StructDeviceItem> groups = deviceList()->getDeviceData();
    plan.groups.reserve(groups.size());
    for (const StructDeviceItem &item : groups)
        plan.groups.append(toPlanGroup(item, frameRates));
    plan.calculation = calculatorPage()->inputs();
    return plan;
}

void SitePages::show(const SitePlan &plan)
{
    m_showing = true;
    // The standard first and without announcing it: the plan's rates are
    // the agreed ones and are not converted.
    m_pEditor->setFrameStandard(plan.frameStandard);
    QVector<StructDeviceItem> items;
    QVector<int> numbers;
    items.reserve(plan.groups.size());
    numbers.reserve(plan.groups.size());
    for (const PlanGroup &group : plan.groups) {
        items.append(toDeviceItem(group));
        numbers.append(group.groupNumber);
    }
    deviceList()->replaceDeviceData(items);
    // After the list gave every number back on clearing.
    m_pEditor->holdGroupNumbers(numbers);
    calculatorPage()->setInputs(plan.calculation);
    // Showing the normal page again lays the whole list out anew.
    if (!plan.groups.isEmpty() && !m_pPanel->isNormalPageShown())
        m_pPanel->showNormalPage();
    m_showing = false;
}

void SitePages::showFigures(const SitePlan &plan)
{
    calculatorPage()->setGroups(retentionGroups(plan.groups));
    m_pPanel->showRetention(planRetention(plan));
}

void SitePages::onPageChanged()
{
    if (!m_showing)
        emit edited();
}

DeviceAddPage *SitePages::deviceList() const
{
    return qobject_cast<DeviceAddPage *>(m_pPanel->getDeviceAddPage());
}

DataCalculatorPage *SitePages::calculatorPage() const
{
    return qobject_cast<DataCalculatorPage *>(m_pPanel->getDataCalculatorPage());
}
