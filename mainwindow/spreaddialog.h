#pragma once

#include "aptui/basedialog.h"
#include "data/recorderprofiles.h"
#include "data/siteplan.h"

#include <memory>

namespace Ui {
class SpreadDialog;
}

// A preview of the site's groups spread over the fewest recorders of a
// profile: each recorder with its groups and what they take of its limits,
// the groups split by channels and those too large for any recorder of the
// profile. "Apply" takes the proposal; Cancel leaves the site as it was.
class SpreadDialog final : public aptui::BaseDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpreadDialog)

public:
    SpreadDialog(const SitePlan &site, const QVector<RecorderProfile> &profiles, QWidget *parent = nullptr);
    ~SpreadDialog() override;

    // The site with its groups on the proposed recorders.
    SitePlan spreadSite() const { return m_spread; }

private:
    void propose();

    std::unique_ptr<Ui::SpreadDialog> ui;
    SitePlan m_site;
    QVector<RecorderProfile> m_profiles;
    SitePlan m_spread;
};
