#include "app/textsizefitter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace apt {

namespace {

// Fixed sizes of the forms (a 52 px unit label, an 84 px switch, a 70 px
// scene button) were made for text at 100 %. At a larger text size each
// fixed width or height (minimum and maximum the same) of a widget that shows
// a text grows by the same factor, so that the larger text fits; at 100 %
// each gets back the size it had. Panels, tiles, rows and pictures keep
// their sizes (their layouts share out the room), but for panels that stack
// texts in a fixed height and say so with the property "fitsTextHeight".
// A panel whose minimum height is only a floor says so with
// "fitsContentHeight": at a larger text its content sets its minimum.
// A panel beside others whose greatest width is too narrow for larger text
// says so with "fitsTextWidth": that width grows by half as much as the text.
// Widgets that size their parts themselves at the text size (the device
// rows) say so with "keepsOwnSizes", and the fitter leaves them alone. A widget is fitted when it
// is polished, so that rows and dialogs made later fit as well. The sizes a
// widget had before it was first fitted are its base; a size the program
// changed since is taken as the new base.
class SizeFitter final : public QObject
{
public:
    explicit SizeFitter(QObject *parent) : QObject(parent) {}

    void setTextSize(int percent)
    {
        if (percent == m_percent)
            return;
        m_percent = percent;
        const QList<QWidget *> widgets = QApplication::allWidgets();
        for (QWidget *widget : widgets)
            fit(widget);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Polish && m_percent != 100 && watched->isWidgetType())
            fit(static_cast<QWidget *>(watched));
        return QObject::eventFilter(watched, event);
    }

private:
    static int scaled(int base, int percent)
    {
        if (base <= 0 || base >= QWIDGETSIZE_MAX)
            return base;
        return std::min(QWIDGETSIZE_MAX, int((qint64(base) * percent + 50) / 100));
    }

    static bool showsText(const QWidget *widget)
    {
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            return !label->text().isEmpty();
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            return !button->text().isEmpty();
        return widget->inherits("aptui::Switch") || isField(widget);
    }

    static bool isField(const QWidget *widget)
    {
        return widget->inherits("QLineEdit") || widget->inherits("QComboBox")
               || widget->inherits("QAbstractSpinBox");
    }

    // Only a fixed dimension grows: one that can grow already follows its text.
    static QSize scaledFixed(const QSize &size, const QSize &minimum, const QSize &maximum, int percent)
    {
        return QSize(minimum.width() == maximum.width() ? scaled(size.width(), percent) : size.width(),
                     minimum.height() == maximum.height() ? scaled(size.height(), percent) : size.height());
    }

    void fit(QWidget *widget)
    {
        if (widget->isWindow())
            return;
        if (widget->property("fitsContentHeight").toBool()) {
            fitFloorHeight(widget);
            return;
        }
        // A panel of texts stacked in a fixed height around a large figure
        // (a result tile) grows in height only: its width is the layout's.
        const bool heightOnly = widget->property("fitsTextHeight").toBool();
        const bool widerPanel = widget->property("fitsTextWidth").toBool();
        if (!heightOnly && !widerPanel && !showsText(widget))
            return;
        // A switch gives its two buttons its own height.
        if (widget->parentWidget() && widget->parentWidget()->inherits("aptui::Switch"))
            return;
        for (const QWidget *owner = widget; owner; owner = owner->parentWidget()) {
            if (owner->property("keepsOwnSizes").toBool())
                return;
        }
        const QVariant baseMinimum = widget->property(kBaseMinimum);
        if (!baseMinimum.isValid() && m_percent == 100)
            return; // never fitted: it has its own sizes
        QSize minimum = widget->minimumSize();
        QSize maximum = widget->maximumSize();
        if (baseMinimum.isValid() && minimum == widget->property(kFittedMinimum).toSize()
            && maximum == widget->property(kFittedMaximum).toSize()) {
            minimum = baseMinimum.toSize();
            maximum = widget->property(kBaseMaximum).toSize();
        }
        widget->setProperty(kBaseMinimum, minimum);
        widget->setProperty(kBaseMaximum, maximum);
        QSize fittedMinimum = scaledFixed(minimum, minimum, maximum, m_percent);
        QSize fittedMaximum = scaledFixed(maximum, minimum, maximum, m_percent);
        if (heightOnly) {
            // Its large figures keep their size: half the growth is enough
            // for the lines of text around them.
            auto halfGrown = [this](int base) { return base + (scaled(base, m_percent) - base) / 2; };
            fittedMinimum = QSize(minimum.width(), minimum.height() == maximum.height()
                                                       ? halfGrown(minimum.height()) : minimum.height());
            fittedMaximum = QSize(maximum.width(), minimum.height() == maximum.height()
                                                       ? halfGrown(maximum.height()) : maximum.height());
        }
        // A field's fixed height has room around its line of text: it grows
        // only as far as the larger text needs, so that it stays as high as
        // the fields beside it that follow their text.
        if (isField(widget) && minimum.height() == maximum.height()) {
            const int height = std::max(minimum.height(), widget->sizeHint().height());
            fittedMinimum.setHeight(height);
            fittedMaximum.setHeight(height);
        }
        if (widerPanel && maximum.width() < QWIDGETSIZE_MAX)
            fittedMaximum.setWidth(maximum.width() + (scaled(maximum.width(), m_percent) - maximum.width()) / 2);
        widget->setProperty(kFittedMinimum, fittedMinimum);
        widget->setProperty(kFittedMaximum, fittedMaximum);
        if (fittedMinimum != widget->minimumSize())
            widget->setMinimumSize(fittedMinimum);
        if (fittedMaximum != widget->maximumSize())
            widget->setMaximumSize(fittedMaximum);
    }

    // A panel whose minimum height is a floor made for text at 100 %: at a
    // larger text its content decides how high it must be, so that the
    // window scrolls to it rather than clipping it.
    void fitFloorHeight(QWidget *widget)
    {
        QVariant base = widget->property(kBaseMinimum);
        if (!base.isValid()) {
            if (m_percent == 100)
                return;
            base = widget->minimumSize();
            widget->setProperty(kBaseMinimum, base);
        }
        const QSize floor = base.toSize();
        widget->setMinimumSize(floor.width(), m_percent == 100 ? floor.height() : 0);
    }

    static constexpr const char *kBaseMinimum = "_larkspan_baseMinimumSize";
    static constexpr const char *kBaseMaximum = "_larkspan_baseMaximumSize";
    static constexpr const char *kFittedMinimum = "_larkspan_fittedMinimumSize";
    static constexpr const char *kFittedMaximum = "_larkspan_fittedMaximumSize";
    int m_percent = 100;
};

} // namespace

void fitSizesToText(int percent)
{
    static QPointer<SizeFitter> fitter;
    if (!fitter) {
        if (percent == 100)
            return;
        fitter = new SizeFitter(qApp);
        qApp->installEventFilter(fitter);
    }
    fitter->setTextSize(percent);
}

} // namespace apt
