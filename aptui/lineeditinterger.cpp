#include "aptui/lineeditinterger.h"

namespace aptui {

LineEditInterger::LineEditInterger(QWidget *parent)
    : QSpinBox(parent)
{
}

LineEditInterger::~LineEditInterger() = default;

} // namespace aptui
