#pragma once

#include <QList>

class QWidget;

namespace aptui {

// A part of a window whose Tab stops come one after another, and how they
// follow each other inside it.
struct TabSection
{
    enum Order {
        // As the window's focus chain has them: the order the forms set.
        ChainOrder,
        // Left to right across the part, as a bar of buttons reads.
        LeftToRight,
        // Top to bottom by the part's children, as the rows of a list, each
        // row's stops left to right; rows made late come in their place.
        ByRows,
    };
    QWidget *root = nullptr;
    Order order = ChainOrder;
};

// Lays the Tab stops of `window` (visible, enabled, taking Tab, without a
// focus proxy) out in reading order: a stop belongs to the innermost section
// whose root holds it, the sections follow each other as listed, and stops
// of no section come last. Widgets made after the window go to the end of
// its focus chain; run this before Tab moves the focus, so that they are in
// their place.
void putInReadingOrder(QWidget *window, const QList<TabSection> &sections);

// The Tab stops of `window` in the order that Tab visits them, starting
// from the first one after the window itself.
QList<QWidget *> tabStops(QWidget *window);

} // namespace aptui
