#include "KytoR720PLL.h"

#include "KytoPLLConfig.h"

namespace {

DualModeSeriesTable r720Table()
{
    DualModeSeriesTable t;
    t.seriesIndex = 5;
    t.templateStem = QStringLiteral("kytor720");
    t.sclkMax = 150;
    t.apbMax = 75;
    t.defaultPllMult = 18;
    t.defaultPllNs = 72;
    t.defaultPllFr = 4;
    t.usb = DualModeUsb::Pll;
    t.defaultUsbDiv = 3.0;
    t.twinResetOrder = true;
    t.rtcHextFactor = 1.0 / 128;
    t.lists[0] = QStringList{"SPI2", "USART2", "USART3", "UART4", "UART5", "I2C1", "I2C2", "CAN1", "CMP"};
    t.lists[1] = QStringList{"TMR2", "TMR3", "TMR4", "TMR5"};
    t.lists[2] = QStringList{"SPI1", "USART1"};
    t.lists[3] = QStringList{"TMR1", "TMR9", "TMR10", "TMR11"};
    t.layout.readouts = DualModePageLayout::column(1178, 93, 188, 233);
    return t;
}

} // namespace

KytoR720PLL::KytoR720PLL(KytoPLLConfig *parent)
    : KytoDualModePLL(r720Table(), parent)
{
    buildUi();
    resetDefaults();
    connectSignals();
}

KytoR720PLL::~KytoR720PLL() = default;
