#pragma once

#include <QSpinBox>

namespace aptui {

// Integer spin box of the toolkit; a class of its own so that style sheets
// can select it by type.
class LineEditInterger final : public QSpinBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LineEditInterger)

public:
    explicit LineEditInterger(QWidget *parent = nullptr);
    ~LineEditInterger() override;
};

} // namespace aptui
