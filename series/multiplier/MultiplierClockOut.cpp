#include "MultiplierClockOut.h"

#include "../common/DividerTable.h"
#include "../common/PagePlacement.h"
#include "../common/PageStyles.h"
#include "../common/Readouts.h"
#include "CustomComboBox1.h"
#include "KytoMultiplierPLL.h"

#include <QLabel>
#include <QRadioButton>

void MultiplierClockOut::build(KytoMCUPLL *page, const MultiplierPageLayout &l, bool tenSources)
{
    auto addFrequencyLabel = [&] {
        frequencyLabel = PagePlacement::label(page, QString(), l.clkoutFreq, 9, 70);
        frequencyLabel->setObjectName(QStringLiteral("clkoutFreq_Label"));
        Readouts::setLabelColour(frequencyLabel, Qt::darkGreen);
    };
    if (tenSources) {
        divLabel = PagePlacement::label(page, QStringLiteral("clockoutdiv"), l.clockoutDivLabel, 10);
        divCombo = PagePlacement::combo(page, l.clockoutDiv, 70, 0, DividerTable::clockOut().items());
        divCombo->setObjectName(QStringLiteral("clockoutdiv_ComboBox"));
        addFrequencyLabel();
    }
    pinLabel = PagePlacement::label(page, QStringLiteral("select pin"), l.pinLabel, 10);
    pinCombo = PagePlacement::combo(page, l.pin, 70, 1, {QStringLiteral("none"), QStringLiteral("PA8")});
    pinCombo->setObjectName(QStringLiteral("clockoutPinSelect_ComboBox"));
    if (!frequencyLabel)
        addFrequencyLabel();
    PagePlacement::keepClearOf(frequencyLabel, QStringLiteral("(000.000 MHz)"), pinCombo);

    QStringList names;
    if (tenSources) {
        names = QStringList{QStringLiteral("no clk"), QStringLiteral("lick"), QStringLiteral("lext"),
                            QStringLiteral("hick"), QStringLiteral("hext"), QStringLiteral("sclk"),
                            QStringLiteral("usb"), QStringLiteral("adcclk"), QStringLiteral("pll/2"),
                            QStringLiteral("pll/4")};
        sourceCodes = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    } else {
        names = QStringList{QStringLiteral("no clk"), QStringLiteral("hick"), QStringLiteral("hext"),
                            QStringLiteral("sclk"), QStringLiteral("usb"), QStringLiteral("adcclk"),
                            QStringLiteral("pll/2"), QStringLiteral("pll/4")};
        sourceCodes = {0, 3, 4, 5, 6, 7, 8, 9};
    }
    QVector<QPoint> places;
    for (int y : l.clkoutRadioY)
        places << QPoint(l.clkoutRadioX, y);
    group = PagePlacement::radioGroup(page, places, radios, QStringLiteral("clkout"));
    for (int i = 0; i < names.size(); ++i) {
        const int y = l.clkoutNameY.value(i, l.clkoutRadioY[i] - 5);
        QLabel *name = page->addLabel(names[i], l.clkoutNameX, y, 10, 0);
        name->setObjectName(QStringLiteral("clkoutName_Label_%1").arg(i));
        nameLabels << name;
        if (i == 0) {
            sourceFrequencyLabels << nullptr;
            continue;
        }
        // "adcclk" is the longest name; its frequency stands a little further right.
        QLabel *freq = page->addLabel(QString(), sourceCodes[i] == AdcOut ? l.clkoutFreqXAfterAdc : l.clkoutFreqX, y, 10, 0);
        freq->setObjectName(QStringLiteral("clkoutSourceFreq_Label_%1").arg(i));
        sourceFrequencyLabels << freq;
    }
    titleLabel = PagePlacement::label(page, QStringLiteral("clkout"), l.clkoutTitle, 10);
}

bool MultiplierClockOut::inUse() const
{
    return pinCombo->currentIndex() != 0;
}

QRadioButton *MultiplierClockOut::radio(int code) const
{
    const int i = sourceCodes.indexOf(code);
    return i < 0 ? nullptr : radios.value(i);
}

bool MultiplierClockOut::isChecked(int code) const
{
    QRadioButton *button = radio(code);
    return button && button->isChecked();
}

int MultiplierClockOut::checkedCode() const
{
    for (int i = 0; i < radios.size(); ++i) {
        if (radios[i]->isChecked())
            return sourceCodes[i];
    }
    return NoClk;
}

void MultiplierClockOut::setGroupEnabled(bool flag)
{
    if (divCombo)
        divCombo->setComboBoxEnabled(flag);
    if (divLabel)
        divLabel->setEnabled(flag);
    for (QRadioButton *button : radios) {
        button->setEnabled(flag);
        button->setStyleSheet(PageStyles::radio(flag));
    }
    for (QLabel *label : nameLabels)
        label->setEnabled(flag);
    for (QLabel *label : sourceFrequencyLabels) {
        if (label)
            label->setEnabled(flag);
    }
    titleLabel->setEnabled(flag);
    frequencyLabel->setEnabled(flag);
}

void MultiplierClockOut::setSourceEnabled(int code, bool flag, bool clockOff)
{
    const int i = sourceCodes.indexOf(code);
    QRadioButton *button = radios[i];
    button->setStyleSheet(PageStyles::radio(flag));
    if (!flag && button->isChecked() && clockOff)
        radios[0]->setChecked(true);
    nameLabels[i]->setEnabled(flag);
    button->setEnabled(flag);
    sourceFrequencyLabels[i]->setEnabled(flag);
}

void MultiplierClockOut::showFrequencies(double div, bool lextRunning, const std::function<double(int)> &mhzOf)
{
    for (QLabel *label : sourceFrequencyLabels) {
        if (label)
            label->setVisible(false);
    }
    const int code = checkedCode();
    QLabel *sourceLabel = code != NoClk ? sourceFrequencyLabels.value(sourceCodes.indexOf(code)) : nullptr;
    if (sourceLabel)
        sourceLabel->setVisible(true);
    auto show = [&](const QString &source, const QString &output) {
        sourceLabel->setText(source);
        frequencyLabel->setText(output);
    };
    switch (code) {
    case NoClk:
        frequencyLabel->setText(QString());
        break;
    case LickOut:
        show(QStringLiteral("(40.000 kHz)"), QStringLiteral("(") + Readouts::mhz(40 / div) + QStringLiteral(" kHz)"));
        break;
    case LextOut:
        if (lextRunning)
            show(QStringLiteral("(32.768 kHz)"), QStringLiteral("(") + Readouts::mhz(32.768 / div) + QStringLiteral(" kHz)"));
        else
            show(QString(), QString());
        break;
    default: {
        const double f = mhzOf(code);
        show(QStringLiteral("(") + Readouts::mhz(f) + QStringLiteral(" MHz)"),
             QStringLiteral("(") + Readouts::mhz(f / div) + QStringLiteral(" MHz)"));
        break;
    }
    }
    if (!inUse())
        frequencyLabel->setText(QString());
}
