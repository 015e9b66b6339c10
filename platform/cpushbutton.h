#pragma once

#include <QPushButton>

namespace OrvaneGUIToolkit {

// Drop-in QPushButton of the toolkit; the application uses it through QPushButton only.
class CPushButton : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CPushButton)

public:
    explicit CPushButton(QWidget *parent = nullptr)
        : QPushButton(parent)
    {
    }
};

} // namespace OrvaneGUIToolkit
