#pragma once

#include "aptui/widget.h"

class QHBoxLayout;

namespace aptui {

// Translucent cover laid over a window while one of its dialogs runs; the
// dimming colour is the style sheet's rule for `m_cover`.
class CoverWidget final : public Widget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CoverWidget)

public:
    explicit CoverWidget(QWidget *parent = nullptr);
    ~CoverWidget() override;

private:
    QHBoxLayout *m_layout = nullptr;
    QWidget *m_cover = nullptr;
};

} // namespace aptui
