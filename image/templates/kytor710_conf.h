/**
  ******************************************************************************
  * @file     kytor710_conf.h
  * @brief    firmware library configuration of the KytoR710 series:
  *           library modules in use and oscillator values
  ******************************************************************************
  */

#ifndef KYTOR710_CONF_H
#define KYTOR710_CONF_H

/* library modules built into the project */
#define CRM_MODULE_ENABLED
#define GPIO_MODULE_ENABLED
#define FLASH_MODULE_ENABLED
#define PWC_MODULE_ENABLED
#define MISC_MODULE_ENABLED
#define ADC_MODULE_ENABLED
#define USART_MODULE_ENABLED
#define I2C_MODULE_ENABLED
#define RTC_MODULE_ENABLED

/* oscillator values in hz; the clock configuration tool writes the hext value */
#define HEXT_VALUE               ((uint32_t)8000000) /*!< value of the high speed external crystal in hz */
#define HEXT_STARTUP_TIMEOUT     ((uint16_t)0x3000)  /*!< time out for hext start up */
#define HICK_VALUE               ((uint32_t)48000000)  /*!< value of the high speed internal clock in hz */
#define LEXT_VALUE               ((uint32_t)32768)  /*!< value of the low speed external crystal in hz */

#endif
