#include "platform/fieldvalue.h"

#include <QLineEdit>
#include <QLocale>
#include <QValidator>

namespace OrvaneGUIToolkit {

namespace {

QLocale fieldLocale(const QLineEdit *field)
{
    return field->validator() ? field->validator()->locale() : field->locale();
}

} // namespace

double FieldNumber(const QLineEdit *field)
{
    bool ok = false;
    const double value = fieldLocale(field).toDouble(field->text(), &ok);
    return ok ? value : 0.0;
}

int FieldInteger(const QLineEdit *field)
{
    bool ok = false;
    const int value = fieldLocale(field).toInt(field->text(), &ok);
    return ok ? value : 0;
}

} // namespace OrvaneGUIToolkit
