#include "platform/cintvalidator.h"

namespace OrvaneGUIToolkit {

CIntValidator::CIntValidator(int minimum, int maximum, QObject *parent)
    : QIntValidator(minimum, maximum, parent)
{
}

QValidator::State CIntValidator::validate(QString &input, int &pos) const
{
    const State state = QIntValidator::validate(input, pos);
    if (state != Intermediate || bottom() < 0)
        return state;
    bool ok = false;
    const qlonglong value = locale().toLongLong(input, &ok);
    return ok && value > top() ? Invalid : state;
}

} // namespace OrvaneGUIToolkit
