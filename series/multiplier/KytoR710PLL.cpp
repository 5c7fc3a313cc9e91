#include "KytoR710PLL.h"

#include "KytoPLLConfig.h"

namespace {

MultiplierSeriesTable r710Table()
{
    MultiplierSeriesTable t;
    t.seriesIndex = 4;
    t.templateStem = QStringLiteral("kytor710");
    t.hasHextDivCombo = false;
    t.hasHick48Branches = true;
    t.apbMax = 100;
    t.defaultPllMultIndex = 23;
    t.adcQuestion = QT_TRANSLATE_NOOP("KytoMultiplierPLL", "The maximum ADC clock is 28 MHz. The currently configured ADC clock is wrong, please confirm whether to continue?");
    t.apb1PeripheralList = QStringList{"SPI2", "USART2", "USART3", "UART4", "UART5", "I2C1", "I2C2", "CAN1", "CAN2"};
    t.apb1TimerList = QStringList{"TMR2", "TMR3", "TMR4", "TMR5"};
    t.apb2PeripheralList = QStringList{"SPI1", "USART1"};
    t.apb2TimerList = QStringList{"TMR1", "TMR8", "TMR9", "TMR10", "TMR11"};
    t.layout = MultiplierPageLayout::tenSourceLayout();
    t.layout.readouts = {
        {"i2s (MHz)", 93, ReadoutKind::Sclk},
        {"systick(MHz)", 144, ReadoutKind::Systick},
        {"sdio (MHz)", 188, ReadoutKind::Ahb},
        {"dma (MHz)", 233, ReadoutKind::Ahb},
        {"gpio (MHz)", 274, ReadoutKind::Ahb},
        {"apb1 peripheral (MHz)", 372, ReadoutKind::Apb1},
        {"apb1 tmr (MHz)", 456, ReadoutKind::Apb1Timer},
        {QString(), 513, ReadoutKind::Adc},
        {"apb2 peripheral (MHz)", 602, ReadoutKind::Apb2},
        {"apb2 tmr (MHz)", 687, ReadoutKind::Apb2Timer},
    };
    return t;
}

} // namespace

KytoR710PLL::KytoR710PLL(KytoPLLConfig *parent)
    : KytoMultiplierPLL(r710Table(), parent)
{
    buildUi();
    resetDefaults();
    connectSignals();
}

KytoR710PLL::~KytoR710PLL() = default;
