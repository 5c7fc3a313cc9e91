#include "KytoR730PLL.h"

#include "KytoPLLConfig.h"

namespace {

DualModeSeriesTable r730Table()
{
    DualModeSeriesTable t;
    t.seriesIndex = 9;
    t.templateStem = QStringLiteral("kytor730");
    t.sclkMax = 120;
    t.apbMax = 120;
    t.defaultPllMult = 15;
    t.defaultPllNs = 120;
    t.defaultPllFr = 8;
    t.usb = DualModeUsb::None;
    t.rtcHextFactor = 1.0 / 32;
    t.outsetSclkFrame = false;
    t.lists[0] = QStringList{"SPI2", "USART2", "I2C1", "I2C2"};
    t.lists[1] = QStringList{"TMR3", "TMR6", "TMR14"};
    t.lists[2] = QStringList{"SPI1", "USART1", "SCFG", "CMP"};
    t.lists[3] = QStringList{"TMR1", "TMR15", "TMR16", "TMR17"};
    DualModePageLayout &l = t.layout;
    l.clockoutdivLabel = {235, 634};
    l.clockoutdiv = {233, 654};
    l.pinLabel = {140, 634};
    l.pin = {133, 654};
    l.clkoutRadioY = {565, 584, 604, 626, 648, 668, 689, 709, 730};
    l.clkoutNameY = {560, 581, 601, 623, 645, 665, 686, 706, 727};
    l.clkoutTitle = {326, 766};
    l.sclkLabel = {793, 327};
    l.sclkRange = {798, 376};
    l.sclk = {783, 347};
    l.readouts = DualModePageLayout::column(1178, 82, 0, 210);
    l.lists[3] = {1263, 596};
    return t;
}

} // namespace

KytoR730PLL::KytoR730PLL(KytoPLLConfig *parent)
    : KytoDualModePLL(r730Table(), parent)
{
    buildUi();
    resetDefaults();
    connectSignals();
}

KytoR730PLL::~KytoR730PLL() = default;
