#pragma once

#include <QString>
#include <QWidget>

class QHBoxLayout;
class QIcon;
class QPushButton;

namespace aptui {

// A two-button switch. Its state is also the string property `checked`
// ("ON" or "OFF") so that style sheets can select on it.
class Switch final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Switch)
    Q_PROPERTY(QString checked READ checked WRITE setChecked NOTIFY checkedChanged)

public:
    // Starts ON; this is the constructor forms use.
    explicit Switch(QWidget *parent = nullptr);
    explicit Switch(bool on, QWidget *parent = nullptr);
    ~Switch() override;

    QString checked() const;
    // Any letter case of "ON" switches on; every other text switches off.
    void setChecked(const QString &state);
    bool isOn() const { return m_on; }

    void setOnText(const QString &text);
    void setOffText(const QString &text);
    // Icons are shown square, `side` pixels wide and high.
    void setOnIcon(const QIcon &icon, int side);
    void setOffIcon(const QIcon &icon, int side);

signals:
    void signalSwitch(bool on);
    void checkedChanged(QString _state);
    void signalON();
    void signalOFF();

public slots:
    void setSwitch(bool on);
    void switchOn();
    void switchOff();

protected:
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void onBtnsToggled(bool check);

private:
    void storeState(bool on);
    void repolish();

    QHBoxLayout *m_layout = nullptr;
    QPushButton *m_btnON = nullptr;
    QPushButton *m_btnOFF = nullptr;
    bool m_on = true;
};

} // namespace aptui
