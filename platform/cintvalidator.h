#pragma once

#include <QIntValidator>

namespace OrvaneGUIToolkit {

// Accepts whole numbers from `minimum` to `maximum`. Unlike a plain
// QIntValidator, which lets any number of the maximum's length through as
// "intermediate" (2000 for a limit of 1024), a number that typing more digits
// can only make larger is refused once it is above the maximum.
class CIntValidator : public QIntValidator
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CIntValidator)

public:
    CIntValidator(int minimum, int maximum, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;
};

} // namespace OrvaneGUIToolkit
