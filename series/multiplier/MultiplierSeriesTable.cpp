#include "MultiplierSeriesTable.h"

MultiplierPageLayout MultiplierPageLayout::tenSourceLayout()
{
    MultiplierPageLayout l;
    l.usbDivLabel = {717, 465};
    l.usbDiv = {707, 481};
    l.usbSwitchLabel = {850, 482};
    l.usbSwitch = {840, 502};
    l.usbFreq = {930, 525};
    l.clkoutRadioY = {565, 586, 606, 628, 650, 670, 691, 711, 732, 754};
    l.clkoutNameY = {560, 581, 601, 623, 645, 665, 686, 706, 727, 749};
    l.listY = {417, 501, 647, 574};
    return l;
}

QStringList MultiplierSeriesTable::designLoadOrder() const
{
    QStringList keys{QStringLiteral("lextbypass"), QStringLiteral("rtcsel"), QStringLiteral("rtcswitch"),
                     QStringLiteral("hext"), QStringLiteral("hextbypass")};
    if (hasHextDivCombo)
        keys << QStringLiteral("hextdiv");
    keys << QStringLiteral("pllhextdiv") << QStringLiteral("pllrcs") << QStringLiteral("pllmult")
         << QStringLiteral("sclkselect") << QStringLiteral("ahbdiv") << QStringLiteral("apb1div")
         << QStringLiteral("apb2div");
    if (hasHick48Branches)
        keys << QStringLiteral("hicktousb");
    keys << QStringLiteral("usbdiv") << QStringLiteral("tousbswitch");
    if (hasHick48Branches)
        keys << QStringLiteral("hicktosclk");
    keys << QStringLiteral("adcswitch") << QStringLiteral("adcdiv") << QStringLiteral("clkoutpinselect");
    if (hasHick48Branches)
        keys << QStringLiteral("clkoutdiv");
    keys << QStringLiteral("clkout");
    return keys;
}
