#include "KytoR750PLL.h"

#include "KytoPLLConfig.h"

namespace {

DualModeSeriesTable r750Table()
{
    DualModeSeriesTable t;
    t.seriesIndex = 15;
    t.templateStem = QStringLiteral("kytor750");
    t.sclkMax = 96;
    t.apbMax = 96;
    t.defaultPllMult = 12;
    t.defaultPllNs = 96;
    t.defaultPllFr = 8;
    t.usb = DualModeUsb::PllOrHick;
    t.defaultUsbDiv = 2.0;
    t.rtcHextFactor = 1.0 / 128;
    t.outsetSclkFrame = false;
    t.lists[0] = QStringList{"SPI2", "SPI3", "USART2", "USART3", "USART4", "I2C1", "I2C2", "CAN1"};
    t.lists[1] = QStringList{"TMR2", "TMR3", "TMR6", "TMR7", "TMR13", "TMR14"};
    t.lists[2] = QStringList{"SPI1", "USART1", "SCFG"};
    t.lists[3] = QStringList{"TMR1", "TMR15", "TMR16", "TMR17"};
    DualModePageLayout &l = t.layout;
    l.sclkselect = {{740, 297}, {740, 355}, {740, 412}};
    l.ahbLabel = {936, 327};
    l.ahb = {926, 347};
    l.usbdivLabel = {717, 465};
    l.usbdiv = {707, 481};
    l.clockoutdivLabel = {235, 634};
    l.clockoutdiv = {233, 654};
    l.pinLabel = {140, 634};
    l.pin = {133, 654};
    l.clkoutRadioY = {565, 586, 606, 628, 650, 670, 691, 711, 732, 754};
    l.sclkLabel = {793, 327};
    l.sclkRange = {798, 376};
    l.sclk = {783, 347};
    l.adcdivLabel = {1119, 498};
    l.adcdiv = {1115, 514};
    l.adcSwitch = {1075, 550};
    l.systickBox = {1092, 142};
    l.apb1TimerBox = {1092, 412};
    l.apb2TimerBox = {1092, 650};
    l.readouts = DualModePageLayout::column(1180, 82, 0, 210);
    l.adcLabel = {1265, 516};
    l.listButtons = {{1265, 397}, {1265, 481}, {1265, 627}, {1265, 712}};
    l.lists = {{1265, 417}, {1265, 501}, {1265, 647}, {1265, 596}};
    return t;
}

} // namespace

KytoR750PLL::KytoR750PLL(KytoPLLConfig *parent)
    : KytoDualModePLL(r750Table(), parent)
{
    buildUi();
    resetDefaults();
    connectSignals();
}

KytoR750PLL::~KytoR750PLL() = default;
