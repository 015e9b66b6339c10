#include "style/commonstyle.h"

#include <QComboBox>
#include <QPainter>
#include <QStyleFactory>
#include <QStyledItemDelegate>

namespace {

// Glyph images of the skin are drawn at this logical size.
constexpr int IconSize = 16;
constexpr int ToolBarIconSize = 24;

constexpr int ToolTipWakeUpMs = 500;
constexpr int ToolTipFallAsleepMs = 2000;

const QColor FocusRingColor(0x46, 0x7d, 0xd3, 0xb4);
constexpr qreal FocusRingRadius = 3.0;
constexpr int DarkSurfaceLightness = 160;

// The ring is accent on light surfaces; on a button filled with a dark colour
// (the accent buttons) it takes the button's text colour, so it stays visible.
void drawFocusRing(QPainter *painter, const QRect &rect, const QPalette &palette)
{
    QColor colour = FocusRingColor;
    if (palette.color(QPalette::Button).lightness() < DarkSurfaceLightness) {
        colour = palette.color(QPalette::ButtonText);
        colour.setAlpha(FocusRingColor.alpha());
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(colour, 1.0));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), FocusRingRadius,
                             FocusRingRadius);
    painter->restore();
}

} // namespace

CommonStyle::CommonStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

// The skin's colours for the parts a style sheet does not reach: selections
// in views that the sheet leaves alone, links, placeholders, disabled text.
QPalette CommonStyle::standardPalette() const
{
    QPalette palette = QProxyStyle::standardPalette();
    const QColor surface(0xff, 0xff, 0xff);
    const QColor text(0x33, 0x33, 0x33);
    const QColor accent(0x46, 0x7d, 0xd3);
    const QColor muted(0xac, 0xac, 0xac);
    palette.setColor(QPalette::Window, surface);
    palette.setColor(QPalette::Base, surface);
    palette.setColor(QPalette::Button, surface);
    palette.setColor(QPalette::ToolTipBase, surface);
    palette.setColor(QPalette::AlternateBase, QColor(0xf4, 0xf5, 0xf6));
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Highlight, accent);
    palette.setColor(QPalette::HighlightedText, surface);
    palette.setColor(QPalette::Link, accent);
    palette.setColor(QPalette::PlaceholderText, muted);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, muted);
    return palette;
}

void CommonStyle::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    // The combo box's own item delegate ignores style sheets; a styled
    // delegate lets the sheet give the popup's rows their height and colours.
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        if (!qobject_cast<QStyledItemDelegate *>(combo->itemDelegate()))
            combo->setItemDelegate(new QStyledItemDelegate(combo));
    }
}

int CommonStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                           QStyleHintReturn *returnData) const
{
    switch (hint) {
    case SH_ComboBox_Popup: // a plain list below the box, as the sheet draws it
        return 0;
    case SH_ComboBox_ListMouseTracking:
        return 1;
    case SH_ToolTip_WakeUpDelay:
        return ToolTipWakeUpMs;
    case SH_ToolTip_FallAsleepDelay:
        return ToolTipFallAsleepMs;
    case SH_ToolTipLabel_Opacity:
        return 255;
    // A click on a slider's groove moves the handle there, which is what a
    // user expects of the hours sliders; paging stays on the middle button.
    case SH_Slider_AbsoluteSetButtons:
        return Qt::LeftButton;
    case SH_Slider_PageSetButtons:
        return Qt::MiddleButton;
    case SH_EtchDisabledText:
    case SH_DitherDisabledText:
        return 0;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

int CommonStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                             const QWidget *widget) const
{
    switch (metric) {
    case PM_SmallIconSize:
    case PM_ButtonIconSize:
    case PM_ListViewIconSize:
    case PM_TabBarIconSize:
        return IconSize;
    case PM_ToolBarIconSize:
        return ToolBarIconSize;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

void CommonStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                QPainter *painter, const QWidget *widget) const
{
    // Fields show focus by their border colour. Buttons, radio buttons and
    // check boxes get a thin accent ring, and only while the user moves
    // through the window with the keyboard: a mouse click marks nothing.
    if (element == PE_FrameFocusRect) {
        if (option->state & State_KeyboardFocusChange)
            drawFocusRing(painter, option->rect, option->palette);
        return;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    painter->restore();
}

void CommonStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                     QPainter *painter, const QWidget *widget) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    painter->restore();
}

// A single line that does not fit ends in an ellipsis instead of being cut
// mid-letter: labels of fixed width (the device rows), narrow buttons (the
// scene column) and combo boxes keep a readable end, and the tooltip filter
// shows such widgets' full text.
QString CommonStyle::fittedText(const QFontMetrics &metrics, const QString &text, int width,
                               int mnemonic) const
{
    if (metrics.size(mnemonic, text).width() <= width)
        return text;
    return metrics.elidedText(text, Qt::ElideRight, width, mnemonic);
}

void CommonStyle::drawItemText(QPainter *painter, const QRect &rect, int flags,
                               const QPalette &palette, bool enabled, const QString &text,
                               QPalette::ColorRole textRole) const
{
    QString shown = text;
    if (!(flags & Qt::TextWordWrap) && !text.contains(QLatin1Char('\n')) && rect.width() > 0) {
        const int mnemonic = flags & (Qt::TextShowMnemonic | Qt::TextHideMnemonic);
        const FittedTextKey key{painter->font(), painter->device() ? painter->device()->logicalDpiY() : 0,
                                mnemonic, rect.width(), text};
        auto fitted = m_fittedTexts.constFind(key);
        if (fitted == m_fittedTexts.cend()) {
            if (m_fittedTexts.size() >= 1024)
                m_fittedTexts.clear();
            fitted = m_fittedTexts.insert(key, fittedText(painter->fontMetrics(), text, rect.width(), mnemonic));
        }
        shown = *fitted;
    }
    QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, shown, textRole);
}
