#pragma once

#include "data/devicerecords.h"

#include <QMap>
#include <QPushButton>
#include <QString>
#include <QVector>
#include <QWidget>

#include <memory>

namespace Ui {
class ScenceSelector;
}

// The scene picker of the device editor's recommended-rate mode: one button
// per scene in a narrow column and the chosen scene's sample picture beside
// it. It knows nothing of the scene file; the editor hands it the scene list
// and the picture path.
class ScenceSelector final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScenceSelector)

public:
    // One scene button; it reports its scene id when clicked.
    class ScenceQRaidoButton;

    explicit ScenceSelector(QWidget *parent = nullptr);
    ~ScenceSelector() override;

    // Shows the picture at `path` scaled to the picture area, or the grey
    // "Get Picture Failure" placeholder when there is no such file.
    void setScencePicture(const QString &path);

signals:
    void signalScenceChanged(int scenceType);

public slots:
    void setScenceData(QVector<SCENCE_ITEM> scenceData);
    void addScenceItem(SCENCE_ITEM scenceItem);
    void OnScenceSelected(int sceneType);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void repolish(QPushButton *button) const;
    static QSize sceneButtonSize();

    std::unique_ptr<Ui::ScenceSelector> ui;
    QMap<int, ScenceQRaidoButton *> m_mapScenceButtons;
    QString m_strPicturePath;
};

// Defined outside ScenceSelector: the meta-object compiler does not read
// class definitions nested inside another class.
class ScenceSelector::ScenceQRaidoButton final : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScenceQRaidoButton)

public:
    ScenceQRaidoButton(QWidget *parent, int scenceType, const QString &text);
    ~ScenceQRaidoButton() override;

    int scenceType() const { return m_iScenceType; }

signals:
    void signalScenceButtonClick(int scenceType);

public slots:
    void OnScenceButtonClicked();

private:
    int m_iScenceType;
};
