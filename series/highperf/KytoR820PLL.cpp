#include "KytoR820PLL.h"

#include "KytoPLLConfig.h"

namespace {

// R820's drawing moves some nodes by a pixel or two, packs the read-out
// column closer and adds the EMAC read-out.
R8x0SeriesTable r820Table()
{
    R8x0SeriesTable t;
    t.seriesIndex = 14;
    R8x0PageLayout &l = t.layout;
    l.wdt = {507, 9};
    l.rtcSwitch = {400, 103};
    l.ertc = {509, 102};
    l.ertcLabel = {594, 105};
    l.rtcSelLabel = {341, 32};
    l.rtcDiv = {240, 148};
    l.rtcDivLabel = {250, 133};
    l.pllRcs = {{343, 256}, {343, 316}};
    l.pllRcsLabel = {330, 220};
    l.pllMs = {395, 283};
    l.pllMsLabel = {410, 263};
    l.pllMsRange = {405, 314};
    l.pllNs = {482, 283};
    l.pllNsLabel = {497, 263};
    l.pllNsRange = {487, 314};
    l.pllFr = {570, 283};
    l.pllFrLabel = {585, 263};
    l.apb1 = {1035, 430};
    l.apb1Label = {1040, 410};
    l.apb1MaxLabel = {1090, 420};
    l.usbDiv = {710, 409};
    l.usbDivLabel = {720, 434};
    l.hickToUsbLabel = {770, 490};
    l.clockout1Div1 = {383, 516};
    l.clockout1Div1Label = {384, 496};
    l.clockout1Div2 = {256, 516};
    l.clockout1Div2Label = {257, 496};
    l.clkout1Pin = {125, 516};
    l.clkout2RadioY = {626, 648, 669, 690, 711, 732, 753, 773};
    l.systickBox = {1092, 77};
    l.apb1TimerBox = {1092, 475};
    l.apb2TimerBox = {1092, 660};
    l.readoutX = 1176;
    l.readouts = {
        {QStringLiteral("i2s (MHz)"), 41, R8x0ReadoutKind::Sclk},
        {QStringLiteral("systick(MHz)"), 77, R8x0ReadoutKind::Systick},
        {QStringLiteral("sdio (MHz)"), 113, R8x0ReadoutKind::Ahb},
        {QStringLiteral("dma (MHz)"), 150, R8x0ReadoutKind::Ahb},
        {QStringLiteral("xmc (MHz)"), 186, R8x0ReadoutKind::Ahb},
        {QStringLiteral("gpio (MHz)"), 222, R8x0ReadoutKind::Ahb},
        {QStringLiteral("dvp (MHz)"), 258, R8x0ReadoutKind::Ahb},
        {QStringLiteral("qspi (MHz)"), 296, R8x0ReadoutKind::Ahb},
        {QStringLiteral("emac (MHz)"), 332, R8x0ReadoutKind::Ahb},
        {QStringLiteral("adc (MHz)"), 370, R8x0ReadoutKind::Adc},
        {QStringLiteral("apb1 peripheral (MHz)"), 431, R8x0ReadoutKind::Apb1},
        {QStringLiteral("apb1 tmr (MHz)"), 515, R8x0ReadoutKind::Apb1Timer},
        {QStringLiteral("apb2 peripheral (MHz)"), 613, R8x0ReadoutKind::Apb2},
        {QStringLiteral("apb2 tmr (MHz)"), 698, R8x0ReadoutKind::Apb2Timer},
    };
    l.listX = 1261;
    l.listButtonY = {456, 540, 638, 723};
    l.listY = {476, 560, 658, 563};
    return t;
}

} // namespace

KytoR820PLL::KytoR820PLL(KytoPLLConfig *parent)
    : KytoR8x0PLL(r820Table(), parent)
{
    buildUi();
    resetDefaults();
    connectSignals();
}

KytoR820PLL::~KytoR820PLL() = default;
