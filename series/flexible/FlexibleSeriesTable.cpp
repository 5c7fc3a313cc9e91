#include "FlexibleSeriesTable.h"

FlexibleSeriesTable FlexibleSeriesTable::fpFuFamily()
{
    FlexibleSeriesTable t;
    t.family = FlexibleFamily::FpFu;
    t.hextDefaultText = QStringLiteral("8");
    t.hextDefault = 8.0;
    t.pllNsDefault = 108;
    t.sclkMax = 216;
    t.apb1PeripheralList = QStringList{"SPI2", "SPI3", "USART2", "USART3", "USART4", "USART5",
                                       "USART7", "USART8", "I2C1", "I2C2", "I2C3", "CAN1"};
    t.apb1TimerList = QStringList{"TMR2", "TMR3", "TMR4", "TMR6", "TMR7", "TMR13", "TMR14"};
    t.apb2PeripheralList = QStringList{"ACC", "I2SF5", "SPI1", "SCFG", "ADC1", "USART1", "USART6"};
    t.apb2TimerList = QStringList{"TMR1", "TMR9", "TMR10", "TMR11"};
    return t;
}

FlexibleSeriesTable FlexibleSeriesTable::frFamily()
{
    FlexibleSeriesTable t;
    t.family = FlexibleFamily::Fr;
    t.hextDefaultText = QStringLiteral("8");
    t.hextDefault = 8.0;
    t.pllNsDefault = 75;
    t.sclkMax = 150;
    t.apb1PeripheralList = QStringList{"SPI2", "SPI3", "USART2", "USART3", "UART4", "UART5", "UART7",
                                       "UART8", "I2C1", "I2C2", "I2C3", "CAN1", "CAN2", "DAC"};
    t.apb1TimerList = QStringList{"TMR2", "TMR3", "TMR4", "TMR5", "TMR6", "TMR7", "TMR12", "TMR13", "TMR14"};
    t.apb2PeripheralList = QStringList{"SPI1", "USART1", "USART6", "SCFG"};
    t.apb2TimerList = QStringList{"TMR1", "TMR9", "TMR10", "TMR11"};
    t.layout = FlexiblePageLayout::frFamily();
    return t;
}
