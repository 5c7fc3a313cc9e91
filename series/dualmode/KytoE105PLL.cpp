#include "KytoE105PLL.h"

#include "KytoPLLConfig.h"

namespace {

DualModeSeriesTable e105Table()
{
    using K = DualModeReadoutKind;
    DualModeSeriesTable t;
    t.seriesIndex = 16;
    t.templateStem = QStringLiteral("kytoe105");
    t.sclkMax = 80;
    t.apbMax = 80;
    t.defaultPllMult = 10;
    t.defaultPllNs = 80;
    t.defaultPllFr = 8;
    t.usb = DualModeUsb::None;
    t.hasKernelClocks = true;
    t.rtcHextFactor = 1.0 / 32;
    t.hickAlways48 = true;
    t.adcDivisors = {2, 3, 4, 5, 6, 8, 12, 16};
    t.pins = QStringList{"none", "PA8", "PA9", "PB13"};
    t.outsetSclkFrame = false;
    t.lists[0] = QStringList{"SPI2", "USART3", "USART4", "I2C2", "CAN1"};
    t.lists[1] = QStringList{"TMR3", "TMR6", "TMR14"};
    t.lists[2] = QStringList{"SCFG", "ADC1", "SPI1"};
    t.lists[3] = QStringList{"TMR1", "TMR15", "TMR16", "TMR17"};
    DualModePageLayout &l = t.layout;
    l.lickLabel = {90, 48};
    l.apb1Label = {1041, 196};
    l.apb1 = {1036, 216};
    l.apb2Label = {1041, 401};
    l.apb2 = {1036, 421};
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
    l.adcdivLabel = {1117, 320};
    l.adcdiv = {1113, 337};
    l.adcSwitch = {1073, 370};
    l.systickBox = {1093, 77};
    l.apb1TimerBox = {1091, 252};
    l.apb2TimerBox = {1093, 465};
    l.readouts = {
        {"i2s", "i2s (MHz)", {1180, 36}, K::Sclk},
        {"systick", "systick(MHz)", {1180, 79}, K::Systick},
        {"dma", "dma (MHz)", {1180, 122}, K::Ahb},
        {"gpio", "gpio (MHz)", {1180, 169}, K::Ahb},
        {"apb1peripheral", "apb1 peripheral (MHz)", {1180, 217}, K::Apb1},
        {"apb1tmr", "apb1 tmr (MHz)", {1180, 280}, K::Apb1Timer},
        {"adc", QString(), {1180, 334}, K::Adc},
        {"apb2peripheral", "apb2 peripheral (MHz)", {1180, 421}, K::Apb2},
        {"apb2tmr", "apb2 tmr (MHz)", {1182, 501}, K::Apb2Timer},
    };
    l.adcLabel = {1265, 337};
    l.listButtons = {{1265, 237}, {1265, 300}, {1265, 441}, {1265, 521}};
    l.lists = {{1265, 257}, {1265, 320}, {1265, 461}, {1265, 541}};
    l.kernelClocks = {
        {"usart1", "usart1 clock sel", {980, 500}, {531, 547, 563, 579}, {530, 546, 562, 578},
         {1057, 551}, {1153, 548}, {1238, 551}},
        {"usart2", "usart2 clock sel", {980, 606}, {638, 654, 670, 686}, {636, 652, 668, 684},
         {1057, 657}, {1153, 655}, {1238, 658}},
        {"i2c1", "i2c1 clock sel", {980, 712}, {743, 759, 775}, {742, 758, 774},
         {1057, 755}, {1153, 753}, {1238, 756}},
    };
    return t;
}

} // namespace

KytoE105PLL::KytoE105PLL(KytoPLLConfig *parent)
    : KytoDualModePLL(e105Table(), parent)
{
    buildUi();
    resetDefaults();
    connectSignals();
}

KytoE105PLL::~KytoE105PLL() = default;
