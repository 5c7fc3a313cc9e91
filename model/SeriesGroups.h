#ifndef SERIESGROUPS_H
#define SERIESGROUPS_H

#include "SeriesIndexSet.h"

// The rules of the clock model that differ between chip series are stated
// through the named sets of series indices below and the per-series table;
// the code generator adds a few sets of its own that only concern its
// templates. Indices outside every set (including those that name no series)
// take the default branch of each rule.
class SeriesGroups
{
public:
    // HEXT and HICK reach SCLK through hextDiv and hickDiv.
    static constexpr SeriesIndexSet FlexibleSclkDividerGroup{18, 19, 20, 21, 22, 23, 25, 26, 29, 30};
    // PLL reference is HEXT undivided or HICK/6; the HEXT pre-divider is never used.
    static constexpr SeriesIndexSet DirectPllInputGroup = SeriesIndexSet{13, 14}.united(FlexibleSclkDividerGroup);
    // PLL output = VCO / pllFp, USB clock = VCO / pllFu.
    static constexpr SeriesIndexSet PllFpFuGroup{19, 20, 21, 22, 23, 30};
    // PLL output = VCO / pllFr.
    static constexpr SeriesIndexSet PllFrGroup = PllFpFuGroup.complement();
    // SCLK from the PLL is the PLL output halved.
    static constexpr SeriesIndexSet HalfSclkGroup{18, 29};
    // APB1/APB2 dividers are raised from 1 to 2 above half the maximum SCLK.
    static constexpr SeriesIndexSet ApbHalfMaxGroup{2, 4, 5, 7, 8, 13, 14, 17, 24};
    // APB1 divider is raised from 1 to 2 when AHB exceeds 120 MHz.
    static constexpr SeriesIndexSet Apb1Above120Group{18, 19, 20, 29, 30};
    // VCO window 500..1200 MHz instead of 500..1000 MHz.
    static constexpr SeriesIndexSet Vco1200Group{13, 14, 21, 22, 23};

    // Series without a USB clock.
    static constexpr SeriesIndexSet NoUsbGroup{9, 16};
    // Series with a USB switch and a choice between the PLL and the 48 MHz
    // HICK for USB (everything with USB except index 2, whose USB always runs
    // from the PLL).
    static constexpr SeriesIndexSet UsbSelectableGroup{4, 5, 7, 8, 13, 14, 15, 17, 18, 19, 20, 21, 22, 23, 24, 29, 30};
    // Series whose USB divider may go up to 7 (others stop at 4).
    static constexpr SeriesIndexSet WideUsbDividerGroup{13, 14};
    // Series with two clock outputs (clkout1/clkout2) instead of one.
    static constexpr SeriesIndexSet DualClockOutGroup{13, 14};
    // Series whose single clock-out offers the undivided PLL (code 10)
    // instead of PLL/2 and PLL/4 (codes 8, 9).
    static constexpr SeriesIndexSet ClockOutFullPllGroup = FlexibleSclkDividerGroup;
    // Series with three CAN controllers and a PLLU output for CAN.
    static constexpr SeriesIndexSet ThreeCanGroup{21, 22, 23};
    // Series with one CAN controller whose PLL source makes the PLL needed.
    static constexpr SeriesIndexSet SingleCanGroup{25, 26};
    // Series whose ADC can run from the PLL (adcClockSource 1).
    static constexpr SeriesIndexSet AdcFromPllGroup = HalfSclkGroup;
    // Series whose I2SF5 can run from the PLL's P output.
    static constexpr SeriesIndexSet I2sf5Group = PllFpFuGroup;

    // The per-series table: maximum system clock and HICK frequency.
    struct SeriesInfo {
        int index;
        int maxSclkMhz;
        double hickMhz;
    };

    static constexpr SeriesInfo seriesTable[] = {
        {2, 200, 8.0},   {4, 200, 48.0},  {5, 150, 48.0},  {7, 240, 48.0},
        {8, 240, 48.0},  {9, 120, 48.0},  {13, 288, 48.0}, {14, 288, 48.0},
        {15, 96, 48.0},  {16, 80, 48.0},  {17, 150, 48.0}, {18, 150, 48.0},
        {19, 216, 48.0}, {20, 216, 48.0}, {21, 192, 48.0}, {22, 192, 48.0},
        {23, 192, 48.0}, {24, 200, 48.0}, {25, 180, 48.0}, {26, 180, 48.0},
        {29, 150, 48.0}, {30, 216, 48.0},
    };

    // 0 for an index that names no series.
    static constexpr int maxSclkMhz(int index)
    {
        for (const SeriesInfo &info : seriesTable) {
            if (info.index == index)
                return info.maxSclkMhz;
        }
        return 0;
    }

    // 48 MHz for every index the table does not name otherwise.
    static constexpr double hickMhz(int index)
    {
        for (const SeriesInfo &info : seriesTable) {
            if (info.index == index)
                return info.hickMhz;
        }
        return 48.0;
    }
};

#endif // SERIESGROUPS_H
