#include "KytoR650PLL.h"

#include "KytoPLLConfig.h"

namespace {

MultiplierSeriesTable r650Table()
{
    MultiplierSeriesTable t;
    t.seriesIndex = 8;
    t.templateStem = QStringLiteral("kytor620a_650");
    t.hasHextDivCombo = true;
    t.hasHick48Branches = true;
    t.apbMax = 120;
    t.defaultPllMultIndex = 28;
    t.adcQuestion = QT_TRANSLATE_NOOP("KytoMultiplierPLL", "The maximum ADC clock is 28 MHz. The currently configured ADC clock is wrong.  please confirm whether to continue?");
    t.apb1PeripheralList = QStringList{"SPI2", "SPI3", "SPI4", "USART2", "USART3", "UART4", "UART5",
                                       "I2C1", "I2C2", "CAN1", "CAN2", "DAC"};
    t.apb1TimerList = QStringList{"TMR2", "TMR3", "TMR4", "TMR5", "TMR6", "TMR7", "TMR12", "TMR13", "TMR14"};
    t.apb2PeripheralList = QStringList{"I2C3", "SPI1", "USART1", "USART6", "UART7", "UART8"};
    t.apb2TimerList = QStringList{"TMR1", "TMR8", "TMR9", "TMR10", "TMR11"};

    MultiplierPageLayout &l = t.layout;
    l = MultiplierPageLayout::tenSourceLayout();
    l.sclkLabel = {793, 325};
    l.sclk = {783, 345};
    l.sclkRange = {798, 374};
    // The read-out column sits higher to make room for the emac read-out.
    l.readouts = {
        {"i2s (MHz)", 62, ReadoutKind::Sclk},
        {"systick(MHz)", 113, ReadoutKind::Systick},
        {"sdio (MHz)", 155, ReadoutKind::Ahb},
        {"dma (MHz)", 201, ReadoutKind::Ahb},
        {"xmc (MHz)", 243, ReadoutKind::Ahb},
        {"emac (MHz)", 283, ReadoutKind::Ahb},
        {"gpio (MHz)", 324, ReadoutKind::Ahb},
        {"apb1 peripheral (MHz)", 363, ReadoutKind::Apb1},
        {"apb1 tmr (MHz)", 447, ReadoutKind::Apb1Timer},
        {QString(), 506, ReadoutKind::Adc},
        {"apb2 peripheral (MHz)", 594, ReadoutKind::Apb2},
        {"apb2 tmr (MHz)", 679, ReadoutKind::Apb2Timer},
    };
    l.adcLabel = {1265, 509};
    l.listButtonY = {388, 472, 619, 704};
    l.listY = {408, 492, 639, 565};
    l.adcDivLabel = {1119, 490};
    l.adcDiv = {1115, 505};
    l.adcSwitch = {1074, 540};
    l.apb1Label = {1041, 343};
    l.apb1 = {1036, 363};
    l.apb2Label = {1041, 573};
    l.apb2 = {1036, 593};
    l.systickBox = {1092, 111};
    l.apb1TimerBox = {1092, 403};
    l.apb2TimerBox = {1092, 641};
    l.clkoutRadioX = 338;
    l.clkoutRadioY = {564, 585, 605, 627, 649, 669, 690, 710, 731, 753};
    l.clkoutNameY = {559, 580, 600, 622, 644, 664, 685, 705, 726, 748};
    l.clkoutNameX = 395;
    l.clkoutFreqX = 435;
    l.clkoutFreqXAfterAdc = 445;
    return t;
}

} // namespace

KytoR650PLL::KytoR650PLL(KytoPLLConfig *parent)
    : KytoMultiplierPLL(r650Table(), parent)
{
    buildUi();
    resetDefaults();
    connectSignals();
}

KytoR650PLL::~KytoR650PLL() = default;
