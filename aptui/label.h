#pragma once

#include <QLabel>
#include <QString>

namespace aptui {

// A label that reports clicks and hovering. Its text can also be given as
// two parts, `strText` followed by `strPunctuation` (a name and its colon).
class Label final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Label)
    Q_PROPERTY(QString strText READ strText WRITE setStrText)
    Q_PROPERTY(QString strPunctuation READ strPunctuation WRITE setStrPunctuation)

public:
    explicit Label(QWidget *parent = nullptr);
    explicit Label(const QString &text, QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~Label() override;

    QString strText() const { return m_strText; }
    void setStrText(const QString &text);
    QString strPunctuation() const { return m_strPunctuation; }
    void setStrPunctuation(const QString &punctuation);

signals:
    void SignalDoubleClicked();
    void SignalMouseClicked();
    void SignalMouseEnter();
    void SignalMouseLeave();

protected:
    bool event(QEvent *event) override;

private:
    QString m_strText;
    QString m_strPunctuation;
};

} // namespace aptui

namespace aptui {

// Gives every field below `root` that a label names (its buddy) the label's
// text as its accessible name, without the trailing colon, where the field
// has none: a screen reader then says "Channel Name" for the field even
// where the label and the field sit in different containers.
void nameFieldsByTheirLabels(QWidget *root);

} // namespace aptui
