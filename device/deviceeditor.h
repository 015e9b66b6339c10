#pragma once

#include "data/devicerecords.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <memory>

class BitrateCalculator;
class BitrateConfigLoader;
class DeviceInfoManager;
class QComboBox;
class Ui_DeviceEditor;

// The form in which one channel group is composed: name, channel count and
// device type, and either a fixed rate computed from resolution, frame rate
// and encoding or a scene's recommended rate. "+ Add" emits the group as a
// record; the form keeps its values, so the next press adds another group
// with a new group number. The editor also owns the PAL/NTSC switch and the
// channel group numbers.
class DeviceEditor final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DeviceEditor)

public:
    explicit DeviceEditor(QWidget *parent = nullptr);
    ~DeviceEditor() override;

    // The frame standard the switch shows: 0 PAL, 1 NTSC.
    int frameStandard() const;
    // Shows `standard` on the switch and refills the frame-rate list without
    // announcing it, so that listed groups keep their rates (an opened plan).
    void setFrameStandard(int standard);
    QStringList frameRates(int standard) const;
    // The switch converts every listed group: with only some listed (one
    // recorder's), it waits.
    void setFrameStandardEnabled(bool enabled);
    // The groups of an opened plan hold these numbers; new groups get others.
    void holdGroupNumbers(const QVector<int> &numbers);

    // Turns the form into the editor of one listed group: no "+ Add", no
    // frame standard switch (the plan's standard stays), no collapsing. Run
    // once, before showGroup().
    void setEditMode();
    // Shows `item` in the form under `frameStandard`: its typed name, count,
    // type, rate mode with its lists, and its rate as listed.
    void showGroup(const StructDeviceItem &item, int frameStandard);
    // The group shown, as the form now holds it, with the shown group's
    // number, identity and recording; its rate stays exactly the listed one
    // unless the rate field was changed.
    StructDeviceItem editedGroup() const;
    // Why the form cannot become a group as it stands, said for "+ Add" or,
    // with `editing`, for saving the group shown; empty when it can.
    QString formRefusal(bool editing = false) const;
    // The resolutions of the device type chosen, and the table's rate of one
    // channel at `resolution` for the group's frame rate (in the recommended
    // rate, the standard's usual one) and encoding.
    QStringList typeResolutions() const;
    double tableRate(const QString &resolution) const;

signals:
    void signalAddDevice(StructDeviceItem item);
    void signalGetFrameStandard();
    // Once, just before the first signalAddDevice.
    void signalAppStart();
    // After the user switched the frame standard: 0 PAL, 1 NTSC.
    void signalCurrentFrameStandard(int index);
    // Before and after the notice that "+ Add" shows instead of adding.
    void signalCover();
    void signalDisvocer();

public slots:
    // The keyboard goes to the first field, the channel name.
    void focusFirstField();
    void setDeviceTypes(QVector<StructDeviceType> deviceTypes);
    void setDeviceResolutions(QMap<int, QString> resolutions);
    void setScenceRecommandRateText(QString rate);
    void OnRateSelected();
    QObject *getScenceSelector();
    void OnSpreadChanged(bool spread);
    void OnFrametareStandardPAL();
    void OnFrametareStandardNTSC();
    void OnDeviceTypeChanged(int index);
    void OnResolutionChanged(int index);
    void OnFixedRateFrameRateChanged(int index);
    void OnEncodingTypeChanged(int index);
    void OnScenceChanged(int scenceType);
    void OnBtnAddDeviceClicked();
    // 0 gives every number back.
    void OnDeleteChannelGroupNumber(int iChannelGroupNumber);
    // Refills the frame-rate list for a standard without announcing it.
    void OnSetFrameByStandard(int standard);

protected:
    void changeEvent(QEvent *event) override;

private:
    using ListSlot = void (DeviceEditor::*)(int);

    void initForm();
    void enterFixedRateMode();
    void updateFixedRate();
    void updateScenceEncodings();
    void updateRecommendRate();
    void showScenceRate(const QString &scene, const QString &encoding, const QString &resolution);
    bool isFixedRateMode() const;
    void enterRecommendedMode();
    // The group the form holds, numbered `number`.
    StructDeviceItem composedGroup(int number) const;
    double currentFrameRate() const;
    QStringList fixedRateEncodings() const;
    // Clears `list` and fills it with `items` while it is disconnected from
    // `slot`; with `announceFilling` the slot is reconnected before the
    // filling, so that it runs once for the new current item.
    void refillList(QComboBox *list, ListSlot slot, const QStringList &items, bool announceFilling);
    int openWidthAtTextSize() const;

    DeviceInfoManager *m_pDeviceInfoManager;
    std::unique_ptr<BitrateCalculator> m_pBitrateCalculator;
    std::unique_ptr<BitrateConfigLoader> m_pBitrateConfigLoader;
    Ui_DeviceEditor *ui;
    int m_iCurrentScenceType = 0;
    bool m_bAppStarted = false;
    // The group showGroup() put in the form, and its rate as the field
    // showed it then.
    StructDeviceItem m_shownGroup;
    QString m_shownRateText;
    // The open editor's width at 100 % text: as made, then as reopened.
    int m_openWidth;
};
