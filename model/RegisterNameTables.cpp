#include "RegisterNameTables.h"

const QStringList RegisterNameTables::adcDivNames = {
    "CRM_ADC_DIV_2", "CRM_ADC_DIV_3", "CRM_ADC_DIV_4", "CRM_ADC_DIV_5", "CRM_ADC_DIV_6",
    "CRM_ADC_DIV_8", "CRM_ADC_DIV_12", "CRM_ADC_DIV_16",
};

const QStringList RegisterNameTables::adcClockSourceNames = {
    "CRM_ADC_CLOCK_SOURCE_HCLK", "CRM_ADC_CLOCK_SOURCE_PLLCLK",
};

const QStringList RegisterNameTables::ahbDivNames = {
    "CRM_AHB_DIV_1", "CRM_AHB_DIV_2", "CRM_AHB_DIV_4", "CRM_AHB_DIV_8", "CRM_AHB_DIV_16",
    "CRM_AHB_DIV_64", "CRM_AHB_DIV_128", "CRM_AHB_DIV_256", "CRM_AHB_DIV_512",
};

const QStringList RegisterNameTables::apb1DivNames = {
    "CRM_APB1_DIV_1", "CRM_APB1_DIV_2", "CRM_APB1_DIV_4", "CRM_APB1_DIV_8", "CRM_APB1_DIV_16",
};

const QStringList RegisterNameTables::apb2DivNames = {
    "CRM_APB2_DIV_1", "CRM_APB2_DIV_2", "CRM_APB2_DIV_4", "CRM_APB2_DIV_8", "CRM_APB2_DIV_16",
};

const QStringList RegisterNameTables::apb3DivNames = {
    "CRM_APB3_DIV_1", "CRM_APB3_DIV_2", "CRM_APB3_DIV_4", "CRM_APB3_DIV_8", "CRM_APB3_DIV_16",
};

const QStringList RegisterNameTables::canClockSourceNames = {
    "CRM_CAN_CLOCK_SOURCE_HEXT", "CRM_CAN_CLOCK_SOURCE_PLL", "CRM_CAN_CLOCK_SOURCE_PCLK",
    "CRM_CAN_CLOCK_SOURCE_PLLU",
};

const QStringList RegisterNameTables::clkout1SourceNames = {
    "CRM_CLKOUT1_HICK", "CRM_CLKOUT1_LEXT", "CRM_CLKOUT1_HEXT", "CRM_CLKOUT1_PLL",
};

const QStringList RegisterNameTables::clkout2SourceNames = {
    "CRM_CLKOUT2_SCLK", "CRM_CLKOUT2_HEXT", "CRM_CLKOUT2_PLL", "CRM_CLKOUT2_USB",
    "CRM_CLKOUT2_HICK", "CRM_CLKOUT2_ADC", "CRM_CLKOUT2_LICK", "CRM_CLKOUT2_LEXT",
};

const QStringList RegisterNameTables::clkoutDiv1Names = {
    "CRM_CLKOUT_DIV1_1", "CRM_CLKOUT_DIV1_2", "CRM_CLKOUT_DIV1_3", "CRM_CLKOUT_DIV1_4",
    "CRM_CLKOUT_DIV1_5",
};

const QStringList RegisterNameTables::clkoutDiv2Names = {
    "CRM_CLKOUT_DIV2_1", "CRM_CLKOUT_DIV2_2", "CRM_CLKOUT_DIV2_4", "CRM_CLKOUT_DIV2_8",
    "CRM_CLKOUT_DIV2_16", "CRM_CLKOUT_DIV2_64", "CRM_CLKOUT_DIV2_128", "CRM_CLKOUT_DIV2_256",
    "CRM_CLKOUT_DIV2_512",
};

const QStringList RegisterNameTables::clkoutDivNames = {
    "CRM_CLKOUT_DIV_1", "CRM_CLKOUT_DIV_2", "CRM_CLKOUT_DIV_4", "CRM_CLKOUT_DIV_8",
    "CRM_CLKOUT_DIV_16", "CRM_CLKOUT_DIV_64", "CRM_CLKOUT_DIV_128", "CRM_CLKOUT_DIV_256",
    "CRM_CLKOUT_DIV_512",
};

const QStringList RegisterNameTables::clkoutSourceNames = {
    "CRM_CLKOUT_NOCLK", "CRM_CLKOUT_LICK", "CRM_CLKOUT_LEXT", "CRM_CLKOUT_HICK",
    "CRM_CLKOUT_HEXT", "CRM_CLKOUT_SCLK", "CRM_CLKOUT_USB", "CRM_CLKOUT_ADC",
    "CRM_CLKOUT_PLL_DIV_2", "CRM_CLKOUT_PLL_DIV_4", "CRM_CLKOUT_PLL", "CRM_CLKOUT_USBFS",
};

const QStringList RegisterNameTables::clkoutIndexNamesB = {
    "CRM_CLKOUT_INDEX_1", "CRM_CLKOUT_INDEX_2",
};

const QStringList RegisterNameTables::ertcHextDivNames = {
    "CRM_ERTC_CLOCK_HEXT_DIV_2", "CRM_ERTC_CLOCK_HEXT_DIV_3", "CRM_ERTC_CLOCK_HEXT_DIV_4",
    "CRM_ERTC_CLOCK_HEXT_DIV_5", "CRM_ERTC_CLOCK_HEXT_DIV_6", "CRM_ERTC_CLOCK_HEXT_DIV_7",
    "CRM_ERTC_CLOCK_HEXT_DIV_8", "CRM_ERTC_CLOCK_HEXT_DIV_9", "CRM_ERTC_CLOCK_HEXT_DIV_10",
    "CRM_ERTC_CLOCK_HEXT_DIV_11", "CRM_ERTC_CLOCK_HEXT_DIV_12", "CRM_ERTC_CLOCK_HEXT_DIV_13",
    "CRM_ERTC_CLOCK_HEXT_DIV_14", "CRM_ERTC_CLOCK_HEXT_DIV_15", "CRM_ERTC_CLOCK_HEXT_DIV_16",
    "CRM_ERTC_CLOCK_HEXT_DIV_17", "CRM_ERTC_CLOCK_HEXT_DIV_18", "CRM_ERTC_CLOCK_HEXT_DIV_19",
    "CRM_ERTC_CLOCK_HEXT_DIV_20", "CRM_ERTC_CLOCK_HEXT_DIV_21", "CRM_ERTC_CLOCK_HEXT_DIV_22",
    "CRM_ERTC_CLOCK_HEXT_DIV_23", "CRM_ERTC_CLOCK_HEXT_DIV_24", "CRM_ERTC_CLOCK_HEXT_DIV_25",
    "CRM_ERTC_CLOCK_HEXT_DIV_26", "CRM_ERTC_CLOCK_HEXT_DIV_27", "CRM_ERTC_CLOCK_HEXT_DIV_28",
    "CRM_ERTC_CLOCK_HEXT_DIV_29", "CRM_ERTC_CLOCK_HEXT_DIV_30", "CRM_ERTC_CLOCK_HEXT_DIV_31",
};

const QStringList RegisterNameTables::flashClockDivNames = {
    "FLASH_CLOCK_DIV_2", "FLASH_CLOCK_DIV_3",
};

const QStringList RegisterNameTables::flashWaitCycleNames = {
    "FLASH_WAIT_CYCLE_0", "FLASH_WAIT_CYCLE_1", "FLASH_WAIT_CYCLE_2", "FLASH_WAIT_CYCLE_3",
    "FLASH_WAIT_CYCLE_4", "FLASH_WAIT_CYCLE_5", "FLASH_WAIT_CYCLE_6", "FLASH_WAIT_CYCLE_7",
};

const QStringList RegisterNameTables::hextSclkDivNames = {
    "CRM_HEXT_SCLK_DIV_1", "CRM_HEXT_SCLK_DIV_2", "CRM_HEXT_SCLK_DIV_4", "CRM_HEXT_SCLK_DIV_8",
    "CRM_HEXT_SCLK_DIV_16", "CRM_HEXT_SCLK_DIV_32",
};

const QStringList RegisterNameTables::hickSclkDivNames = {
    "CRM_HICK_SCLK_DIV_1", "CRM_HICK_SCLK_DIV_2", "CRM_HICK_SCLK_DIV_4", "CRM_HICK_SCLK_DIV_8",
    "CRM_HICK_SCLK_DIV_16",
};

const QStringList RegisterNameTables::i2cClockSourceNames = {
    "CRM_I2C_CLOCK_SOURCE_PCLK", "CRM_I2C_CLOCK_SOURCE_SCLK", "CRM_I2C_CLOCK_SOURCE_HICK48",
    "CRM_I2C_CLOCK_SOURCE_HICK",
};

const QStringList RegisterNameTables::i2sf5ClockSourceNames = {
    "CRM_I2SF5_CLOCK_SOURCE_PLLP", "CRM_I2SF5_CLOCK_SOURCE_SCLK", "CRM_I2SF5_CLOCK_SOURCE_HICK",
    "CRM_I2SF5_CLOCK_SOURCE_EXTERNAL",
};

const QStringList RegisterNameTables::ldoOutputNames = {
    "PWC_LDO_OUTPUT_1V3", "PWC_LDO_OUTPUT_1V2", "PWC_LDO_OUTPUT_1V1",
};

const QStringList RegisterNameTables::usartClockSourceNames = {
    "CRM_USART_CLOCK_SOURCE_PCLK", "CRM_USART_CLOCK_SOURCE_SCLK",
    "CRM_USART_CLOCK_SOURCE_HICK48", "CRM_USART_CLOCK_SOURCE_LEXT",
    "CRM_USART_CLOCK_SOURCE_HICK",
};

const QStringList RegisterNameTables::usbDivNames = {
    "CRM_USB_DIV_1", "CRM_USB_DIV_1_5", "CRM_USB_DIV_2", "CRM_USB_DIV_2_5", "CRM_USB_DIV_3",
    "CRM_USB_DIV_3_5", "CRM_USB_DIV_4", "CRM_USB_DIV_4_5", "CRM_USB_DIV_5", "CRM_USB_DIV_5_5",
    "CRM_USB_DIV_6", "CRM_USB_DIV_6_5", "CRM_USB_DIV_7", "CRM_USB_DIV_7_5", "CRM_USB_DIV_8",
    "CRM_USB_DIV_8_5", "CRM_USB_DIV_9",
};

const QStringList RegisterNameTables::gpioPinNames = {
    "GPIO_PINS_0", "GPIO_PINS_1", "GPIO_PINS_2", "GPIO_PINS_3", "GPIO_PINS_4", "GPIO_PINS_5",
    "GPIO_PINS_6", "GPIO_PINS_7", "GPIO_PINS_8", "GPIO_PINS_9", "GPIO_PINS_10", "GPIO_PINS_11",
    "GPIO_PINS_12", "GPIO_PINS_13", "GPIO_PINS_14", "GPIO_PINS_15", "GPIO_PINS_ALL",
};

const QStringList RegisterNameTables::gpioPeriphClockNames = {
    "CRM_GPIOA_PERIPH_CLOCK", "CRM_GPIOB_PERIPH_CLOCK", "CRM_GPIOC_PERIPH_CLOCK",
    "CRM_GPIOD_PERIPH_CLOCK", "CRM_GPIOE_PERIPH_CLOCK", "CRM_GPIOF_PERIPH_CLOCK",
    "CRM_GPIOG_PERIPH_CLOCK", "CRM_GPIOH_PERIPH_CLOCK",
};

const QStringList RegisterNameTables::gpioPortNames = {
    "GPIOA", "GPIOB", "GPIOC", "GPIOD", "GPIOE", "GPIOF", "GPIOG", "GPIOH",
};

const QStringList RegisterNameTables::gpioMuxNames = {
    "GPIO_MUX_0", "GPIO_MUX_1", "GPIO_MUX_2", "GPIO_MUX_3", "GPIO_MUX_4", "GPIO_MUX_5",
    "GPIO_MUX_6", "GPIO_MUX_7", "GPIO_MUX_8", "GPIO_MUX_9", "GPIO_MUX_10", "GPIO_MUX_11",
    "GPIO_MUX_12", "GPIO_MUX_13", "GPIO_MUX_14", "GPIO_MUX_15",
};

const QStringList RegisterNameTables::gpioPinSourceNames = {
    "GPIO_PINS_SOURCE0", "GPIO_PINS_SOURCE1", "GPIO_PINS_SOURCE2", "GPIO_PINS_SOURCE3",
    "GPIO_PINS_SOURCE4", "GPIO_PINS_SOURCE5", "GPIO_PINS_SOURCE6", "GPIO_PINS_SOURCE7",
    "GPIO_PINS_SOURCE8", "GPIO_PINS_SOURCE9", "GPIO_PINS_SOURCE10", "GPIO_PINS_SOURCE11",
    "GPIO_PINS_SOURCE12", "GPIO_PINS_SOURCE13", "GPIO_PINS_SOURCE14", "GPIO_PINS_SOURCE15",
};

const QStringList RegisterNameTables::hextDivPrefix = {
    "CRM_HEXT_DIV_",
};

const QStringList RegisterNameTables::pllFpNames = {
    "CRM_PLL_FP_1", "CRM_PLL_FP_2", "CRM_PLL_FP_4", "CRM_PLL_FP_6", "CRM_PLL_FP_8",
    "CRM_PLL_FP_10", "CRM_PLL_FP_12", "CRM_PLL_FP_14", "CRM_PLL_FP_16", "CRM_PLL_FP_18",
    "CRM_PLL_FP_20", "CRM_PLL_FP_22", "CRM_PLL_FP_24", "CRM_PLL_FP_26", "CRM_PLL_FP_28",
    "CRM_PLL_FP_30",
};

const QStringList RegisterNameTables::pllFrNames = {
    "CRM_PLL_FR_1", "CRM_PLL_FR_2", "CRM_PLL_FR_4", "CRM_PLL_FR_8", "CRM_PLL_FR_16",
    "CRM_PLL_FR_32",
};

const QStringList RegisterNameTables::pllFuNames = {
    "CRM_PLL_FU_11", "CRM_PLL_FU_13", "CRM_PLL_FU_12", "CRM_PLL_FU_14", "CRM_PLL_FU_16",
    "CRM_PLL_FU_18", "CRM_PLL_FU_20",
};

const QStringList RegisterNameTables::pllMultPrefix = {
    "CRM_PLL_MULT_",
};

const QStringList RegisterNameTables::pllOutputRangeNames = {
    "CRM_PLL_OUTPUT_RANGE_LE72MHZ", "CRM_PLL_OUTPUT_RANGE_GT72MHZ",
};

const QStringList RegisterNameTables::pllSourceNames = {
    "CRM_PLL_SOURCE_HEXT", "CRM_PLL_SOURCE_HEXT_DIV", "CRM_PLL_SOURCE_HICK",
};
