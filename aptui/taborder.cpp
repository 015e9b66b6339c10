#include "aptui/taborder.h"

#include <QWidget>

#include <algorithm>
#include <tuple>

namespace aptui {

namespace {

bool isTabStop(const QWidget *widget, const QWidget *window)
{
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->isVisibleTo(window)
           && widget->isEnabled() && !widget->focusProxy() && widget->window() == window;
}

struct Placed
{
    QWidget *widget;
    int section;
    int position;
    int across;
    int chain;
};

// The section that holds `widget`, as an index into `sections`, and the
// ancestor of the widget that is a child of the section's root.
std::pair<int, const QWidget *> sectionOf(const QWidget *widget, const QList<TabSection> &sections)
{
    const QWidget *child = widget;
    for (const QWidget *parent = widget->parentWidget(); parent; child = parent, parent = parent->parentWidget()) {
        for (int i = 0; i < sections.size(); ++i) {
            if (sections.at(i).root == parent)
                return {i, child};
        }
    }
    return {int(sections.size()), nullptr};
}

} // namespace

QList<QWidget *> tabStops(QWidget *window)
{
    QList<QWidget *> stops;
    for (QWidget *widget = window->nextInFocusChain(); widget && widget != window;
         widget = widget->nextInFocusChain()) {
        if (isTabStop(widget, window))
            stops << widget;
    }
    return stops;
}

void putInReadingOrder(QWidget *window, const QList<TabSection> &sections)
{
    const QList<QWidget *> stops = tabStops(window);
    QList<Placed> placed;
    placed.reserve(stops.size());
    for (int i = 0; i < stops.size(); ++i) {
        QWidget *widget = stops.at(i);
        const auto [section, child] = sectionOf(widget, sections);
        int position = 0;
        int across = 0;
        if (section < sections.size()) {
            const TabSection &part = sections.at(section);
            if (part.order == TabSection::LeftToRight) {
                position = widget->mapTo(part.root, QPoint()).x();
            } else if (part.order == TabSection::ByRows) {
                position = child->y();
                across = widget->mapTo(part.root, QPoint()).x();
            }
        }
        placed.append({widget, section, position, across, i});
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed &a, const Placed &b) {
        return std::tie(a.section, a.position, a.across, a.chain) < std::tie(b.section, b.position, b.across, b.chain);
    });
    for (int i = 1; i < placed.size(); ++i)
        QWidget::setTabOrder(placed.at(i - 1).widget, placed.at(i).widget);
}

} // namespace aptui
