#pragma once

#include <QComboBox>

namespace OrvaneGUIToolkit {

// Drop-in QComboBox of the toolkit; the application uses it through QComboBox only.
class CComboBox : public QComboBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CComboBox)

public:
    explicit CComboBox(QWidget *parent = nullptr)
        : QComboBox(parent)
    {
    }
};

} // namespace OrvaneGUIToolkit
