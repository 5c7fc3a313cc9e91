#include "PeripheralClockGroup.h"

#include "CustomComboBox1.h"
#include "KytoMCUPLL.h"
#include "PageStyles.h"
#include "Readouts.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

void PeripheralClockGroup::placeSelection(KytoMCUPLL *page, const QString &name, const QString &titleText,
                                          const QPoint &titleAt, const QStringList &captionTexts,
                                          const QVector<QPoint> &captionPlaces, const QVector<QPoint> &radioPlaces)
{
    for (int i = 0; i < captionTexts.size(); ++i)
        captions << page->addLabel(captionTexts[i], captionPlaces[i].x(), captionPlaces[i].y(), 10, 0);
    title = page->addLabel(titleText, titleAt.x(), titleAt.y(), 10, 0);
    group = new QButtonGroup(page);
    group->setObjectName(name + QStringLiteral("_ButtonGroup"));
    for (int i = 0; i < radioPlaces.size(); ++i) {
        QRadioButton *radio = page->addRadioButton(radioPlaces[i].x(), radioPlaces[i].y());
        radio->setObjectName(QStringLiteral("%1_RadioButton_%2").arg(name).arg(i));
        group->addButton(radio);
        radios << radio;
    }
    radios.first()->setChecked(true);
}

void PeripheralClockGroup::placeSwitch(KytoMCUPLL *page, const QString &name, const QPoint &at, int width, int z)
{
    switchCombo = page->addComboBox(at.x(), at.y(), width, z);
    switchCombo->insertItems(0, {QStringLiteral("disable"), QStringLiteral("enable")});
    switchCombo->setFixedHeight(25);
    switchCombo->setObjectName(name + QStringLiteral("_ComboBox"));
}

void PeripheralClockGroup::placeReadout(KytoMCUPLL *page, const QString &name, const QPoint &at)
{
    readout = page->addReadOnlyLineEdit(at.x(), at.y(), 9);
    readout->setText(placedText());
    readout->setObjectName(name + QStringLiteral("_ReadOut"));
    Readouts::fitToText(readout);
    unit = page->addLabel(placedUnit(), at.x() + 85, at.y() + 3, 9, 0);
    unit->setObjectName(name + QStringLiteral("Unit_Label"));
}

void PeripheralClockGroup::showPlaced()
{
    readout->setText(placedText());
    unit->setText(placedUnit());
}

QString PeripheralClockGroup::placedText()
{
    return QStringLiteral("0");
}

QString PeripheralClockGroup::placedUnit()
{
    return QStringLiteral("(MHz)");
}

int PeripheralClockGroup::checkedSource() const
{
    for (int i = 0; i < radios.size(); ++i) {
        if (radios[i]->isChecked())
            return i;
    }
    return -1;
}

bool PeripheralClockGroup::isChecked(int source) const
{
    return source >= 0 && source < radios.size() && radios[source]->isChecked();
}

void PeripheralClockGroup::check(int source)
{
    if (source >= 0 && source < radios.size())
        radios[source]->setChecked(true);
}

bool PeripheralClockGroup::switchOn() const
{
    return switchCombo && switchCombo->currentIndex() != 0;
}

void PeripheralClockGroup::setInUse(bool on)
{
    for (QRadioButton *radio : radios) {
        PageStyles::set(radio, PageStyles::radio(on));
        radio->setEnabled(on);
    }
    title->setEnabled(on);
    for (QLabel *caption : captions)
        caption->setEnabled(on);
    if (readout) {
        Readouts::setReadoutInUse(readout, on);
        unit->setEnabled(on);
    }
}

void PeripheralClockGroup::showClock(double mhz, bool tooHigh)
{
    readout->setText(Readouts::mhz(mhz));
    Readouts::setEditColour(readout, tooHigh ? QColor(Qt::red) : QColor(Qt::darkGreen));
    unit->setText(QStringLiteral("(MHz)"));
}

void PeripheralClockGroup::showText(const QString &text)
{
    readout->setText(text);
    Readouts::setEditColour(readout, QColor(Qt::darkGreen));
    unit->setText(QString());
}
