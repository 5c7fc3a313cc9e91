/**
  ******************************************************************************
  * @file     main.c
  * @brief    main program of the KytoR730 series: system clock, then the
  *           clocks of the on-chip features chosen on the clock tree
  ******************************************************************************
  */

#include "kytor730_clock.h"

[#lick function]
/* lick, started here once for every feature that uses it */
void mx_lick_init(void)
{
  crm_clock_source_enable(CRM_CLOCK_SOURCE_LICK, TRUE);
  while(crm_flag_get(CRM_LICK_STABLE_FLAG) != SET)
  {
  }
}
[/#lick function]

[#lext function]
/* lext in the battery powered domain, started here once for every feature
   that uses it */
void mx_lext_init(void)
{
  crm_periph_clock_enable(CRM_PWC_PERIPH_CLOCK, TRUE);
  pwc_battery_powered_domain_access(TRUE);
[#lext bypass]
  crm_lext_bypass(TRUE);
[/#lext bypass]
  crm_clock_source_enable(CRM_CLOCK_SOURCE_LEXT, TRUE);
  while(crm_flag_get(CRM_LEXT_STABLE_FLAG) != SET)
  {
  }
}
[/#lext function]

[#clkout function]
/* clock output on its pin */
void mx_clkout_init(void)
{
  gpio_init_type gpio_init_struct;

  crm_periph_clock_enable(CRM_GPIOA_PERIPH_CLOCK, TRUE);

  gpio_default_para_init(&gpio_init_struct);
  gpio_init_struct.gpio_drive_strength = GPIO_DRIVE_STRENGTH_STRONGER;
  gpio_init_struct.gpio_out_type = GPIO_OUTPUT_PUSH_PULL;
  gpio_init_struct.gpio_mode = GPIO_MODE_MUX;
  gpio_init_struct.gpio_pull = GPIO_PULL_NONE;
  gpio_init_struct.gpio_pins = GPIO_PINS_8;
  gpio_init(GPIOA, &gpio_init_struct);
  gpio_pin_mux_config(GPIOA, GPIO_PINS_SOURCE8, GPIO_MUX_0);

  crm_clock_out_set(CRM_CLKOUT_SCLK);
  crm_clkout_div_set(CRM_CLKOUT_DIV_1);
}
[/#clkout function]

[#rtc function]
/* rtc clock: source selection in the battery powered domain */
void mx_rtc_clock_init(void)
{
  crm_periph_clock_enable(CRM_PWC_PERIPH_CLOCK, TRUE);
  pwc_battery_powered_domain_access(TRUE);

[#rtc lick]
  crm_rtc_clock_select(CRM_RTC_CLOCK_LICK);
[/#rtc lick]
[#rtc lext]
  crm_rtc_clock_select(CRM_RTC_CLOCK_LEXT);
[/#rtc lext]
[#rtc hext]
  /* hext may serve the rtc alone, so start it here */
[#hext bypass]
  crm_hext_bypass(TRUE);
[/#hext bypass]
  crm_clock_source_enable(CRM_CLOCK_SOURCE_HEXT, TRUE);
  while(crm_hext_stable_wait() == ERROR)
  {
  }
  crm_rtc_clock_select(CRM_RTC_CLOCK_HEXT_DIV_32);
[/#rtc hext]
  crm_rtc_clock_enable(TRUE);
}
[/#rtc function]

[#adc function]
/* adc clock */
void mx_adc_clock_init(void)
{
  crm_adc_clock_div_set(CRM_ADC_DIV_2);
  crm_periph_clock_enable(CRM_ADC1_PERIPH_CLOCK, TRUE);
}
[/#adc function]

int main(void)
{
  system_clock_config();

  nvic_priority_group_config(NVIC_PRIORITY_GROUP_4);

  mx_lick_init();
  mx_lext_init();
  mx_clkout_init();
  mx_rtc_clock_init();
  mx_adc_clock_init();

  while(1)
  {
  }
}
