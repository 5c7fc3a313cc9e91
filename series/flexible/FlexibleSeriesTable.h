#ifndef FLEXIBLESERIESTABLE_H
#define FLEXIBLESERIESTABLE_H

#include "FlexiblePageLayout.h"

#include <QString>
#include <QStringList>

// The two register layouts of the flexible PLL: output divider pll_fp with
// the USB divider pll_fu on the VCO, or output divider pll_fr with the system
// clock at half the PLL output and the USB divider usbdiv on the output.
enum class FlexibleFamily { FpFu, Fr };

// Everything in which the five flexible-PLL series differ.
struct FlexibleSeriesTable {
    int seriesIndex = 0;
    FlexibleFamily family = FlexibleFamily::FpFu;
    bool hasUsbHsPhy = false;        // R640's USBHS PHY read-out and question
    QString hextDefaultText;
    double hextDefault = 8.0;
    int pllNsDefault = 108;
    int sclkMax = 216;               // typed clock, SCLK and APB2 limit
    int apb1Max = 120;
    QString templateStem;
    QStringList apb1PeripheralList, apb1TimerList, apb2PeripheralList, apb2TimerList;
    FlexiblePageLayout layout;

    bool fr() const { return family == FlexibleFamily::Fr; }

    // The family's common values; a series then sets its index and stem.
    static FlexibleSeriesTable fpFuFamily();
    static FlexibleSeriesTable frFamily();
};

#endif // FLEXIBLESERIESTABLE_H
