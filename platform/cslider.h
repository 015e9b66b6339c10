#pragma once

#include <QSlider>

namespace OrvaneGUIToolkit {

// Drop-in QSlider of the toolkit; the application uses it through QSlider only.
class CSlider : public QSlider
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CSlider)

public:
    explicit CSlider(QWidget *parent = nullptr)
        : QSlider(parent)
    {
    }
};

} // namespace OrvaneGUIToolkit
