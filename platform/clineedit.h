#pragma once

#include <QLineEdit>

namespace OrvaneGUIToolkit {

// Drop-in QLineEdit of the toolkit; the application uses it through QLineEdit only.
class CLineEdit : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CLineEdit)

public:
    explicit CLineEdit(QWidget *parent = nullptr)
        : QLineEdit(parent)
    {
    }
};

} // namespace OrvaneGUIToolkit
