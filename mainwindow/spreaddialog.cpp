#include "mainwindow/spreaddialog.h"

#include "calc/recorders.h"

#include "ui_spreaddialog.h"

#include <QTreeWidgetItem>

namespace {

constexpr int kDialogWidth = 560;
constexpr int kDialogHeight = 480;
// The profile offered first: the 32-channel class, or the first one.
constexpr int kFirstChannels = 32;

} // namespace

SpreadDialog::SpreadDialog(const SitePlan &site, const QVector<RecorderProfile> &profiles, QWidget *parent)
    : aptui::BaseDialog(false, false, false, false, true, true, true, parent)
    , ui(std::make_unique<Ui::SpreadDialog>())
    , m_site(site)
    , m_profiles(profiles)
{
    setObjectName(QStringLiteral("SpreadDialog"));
    setTitle(tr("Spread groups"));
    auto *content = new QWidget;
    ui->setupUi(content);
    setContentWidget(content);
    setDialogFixedSize(kDialogWidth, kDialogHeight);
    setConfirmButtonText(tr("Apply"));

    int first = 0;
    for (int i = 0; i < m_profiles.size(); ++i) {
        ui->m_comboBoxProfile->addItem(m_profiles.at(i).name);
        if (m_profiles.at(i).limits.channels == kFirstChannels)
            first = i;
    }
    ui->m_comboBoxProfile->setCurrentIndex(first);
    connect(ui->m_comboBoxProfile, &QComboBox::currentIndexChanged, this, &SpreadDialog::propose);
    propose();
    ui->m_comboBoxProfile->setFocus();
}

SpreadDialog::~SpreadDialog() = default;

void SpreadDialog::propose()
{
    ui->m_treeProposal->clear();
    const int index = ui->m_comboBoxProfile->currentIndex();
    if (index < 0 || index >= m_profiles.size()) {
        ui->m_labelSummary->setText(tr("There are no recorder profiles to spread the groups over."));
        setConfirmButtonEnabled(false);
        return;
    }
    const RecorderProfile &profile = m_profiles.at(index);
    const PlanCalculation &inputs = m_site.calculation;
    const int hours = inputs.sizeShown ? inputs.sizeHoursPerDay : inputs.timeHoursPerDay;
    const int days = periodDays(inputs.saveTime, inputs.saveUnit);
    const SpreadProposal proposal =
        spreadGroups(retentionGroups(m_site.groups), profile.limits, inputs.diskArray, hours, days);
    m_spread = spreadPlan(m_site, proposal, profile, inputs.diskArray);

    QStringList summary{tr("%n recorder(s) of \"%1\" hold every group within their limits, keeping %2 at the "
                           "high bound.",
                           nullptr, int(proposal.recorders.size()))
                            .arg(profile.name, tr("%n day(s)", nullptr, days))};
    for (int group : proposal.splitGroups) {
        summary << tr("%1 is larger than one recorder: it is split by channels.")
                       .arg(m_site.groups.at(group).name);
    }
    for (int group : proposal.unplaceable) {
        summary << tr("%1 is too large for any recorder of this profile, even one channel: it gets a recorder "
                      "of its own, which breaks its limits.")
                       .arg(m_site.groups.at(group).name);
    }
    ui->m_labelSummary->setText(summary.join(QLatin1Char('\n')));

    for (const RecorderOfSite &entry : checkRecorders(m_spread)) {
        auto *recorder = new QTreeWidgetItem(ui->m_treeProposal, {QStringLiteral("%1 — %2").arg(
                                                                    entry.recorder->name,
                                                                    RecorderText::state(entry.check,
                                                                                        entry.recorder->limits))});
        for (int group : entry.groups) {
            const PlanGroup &g = m_spread.groups.at(group);
            new QTreeWidgetItem(recorder, {tr("%1: %n channel(s)", nullptr, g.channels).arg(g.name)});
        }
        recorder->setExpanded(true);
    }
    setConfirmButtonEnabled(!proposal.recorders.isEmpty() || !proposal.unplaceable.isEmpty());
}
