#pragma once

#include <QIntValidator>

namespace OrvaneGUIToolkit {

// Accepts whole numbers from `minimum` to `maximum`.
class CIntValidator : public QIntValidator
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CIntValidator)

public:
    CIntValidator(int minimum, int maximum, QObject *parent = nullptr)
        : QIntValidator(minimum, maximum, parent)
    {
    }
};

} // namespace OrvaneGUIToolkit
