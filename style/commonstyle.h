#pragma once

#include <QFont>
#include <QHash>
#include <QProxyStyle>
#include <QString>

// The program's widget style: Fusion with the behaviour that style sheets
// cannot express (hints, metrics, focus drawing, palette). Colours, borders
// and images belong to the skin's style sheets, not here.
class CommonStyle final : public QProxyStyle
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CommonStyle)

public:
    CommonStyle();

    QPalette standardPalette() const override;
    void polish(QWidget *widget) override;
    using QProxyStyle::polish;

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                       QPainter *painter, const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
    void drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette,
                      bool enabled, const QString &text,
                      QPalette::ColorRole textRole = QPalette::NoRole) const override;

private:
    struct FittedTextKey
    {
        QFont font;
        int dpi;
        int mnemonic;
        int width;
        QString text;

        friend bool operator==(const FittedTextKey &a, const FittedTextKey &b)
        {
            return a.dpi == b.dpi && a.mnemonic == b.mnemonic && a.width == b.width && a.text == b.text
                   && a.font == b.font;
        }
        friend size_t qHash(const FittedTextKey &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.font, key.dpi, key.mnemonic, key.width, key.text);
        }
    };

    QString fittedText(const QFontMetrics &metrics, const QString &text, int width, int mnemonic) const;

    // What fittedText() gave for a font, mnemonic mode, width and text: the
    // same labels are painted again and again (every row of the device list
    // on each change), and measuring a text costs more than drawing it.
    mutable QHash<FittedTextKey, QString> m_fittedTexts;
};
