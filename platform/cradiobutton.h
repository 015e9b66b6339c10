#pragma once

#include <QRadioButton>

namespace OrvaneGUIToolkit {

// Drop-in QRadioButton of the toolkit; the application uses it through QRadioButton only.
class CRadioButton : public QRadioButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CRadioButton)

public:
    explicit CRadioButton(QWidget *parent = nullptr)
        : QRadioButton(parent)
    {
    }
};

} // namespace OrvaneGUIToolkit
