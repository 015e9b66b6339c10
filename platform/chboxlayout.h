#pragma once

#include <QHBoxLayout>
#include <QWidgetItem>

namespace OrvaneGUIToolkit {

// Horizontal layout with the toolkit's method names.
class CHBoxLayout : public QHBoxLayout
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CHBoxLayout)

public:
    explicit CHBoxLayout(QWidget *parent = nullptr)
        : QHBoxLayout(parent)
    {
    }

    void AddWidget(QWidget *widget) { addWidget(widget); }
    // Appends `item` with stretch factor `stretch`.
    void AddItem(QLayoutItem *item, int stretch)
    {
        addItem(item);
        setStretch(count() - 1, stretch);
    }
    void SetLayoutSpacing(int spacing) { setSpacing(spacing); }
    void SetLayoutContentsMargins(int left, int top, int right, int bottom)
    {
        setContentsMargins(left, top, right, bottom);
    }
};

// Layout item that places one widget with an alignment.
class CWidgetItem : public QWidgetItem
{
public:
    CWidgetItem(QWidget *widget, Qt::Alignment alignment)
        : QWidgetItem(widget)
    {
        setAlignment(alignment);
    }
};

} // namespace OrvaneGUIToolkit
