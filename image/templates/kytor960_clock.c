/**
  ******************************************************************************
  * @file     kytor960_clock.c
  * @brief    system clock set-up of the KytoR960 series, written by the
  *           clock configuration tool
  ******************************************************************************
  */

#include "kytor960_clock.h"

/* Busy-wait of about count loop passes. It has external linkage so that no
   configuration which leaves it unused draws a warning, and the application
   may reuse it before its own timers run. */
void clock_delay(uint32_t count)
{
  volatile uint32_t n = count;

  while(n > 0U)
  {
    n--;
  }
}

/**
  * @brief  system clock config program
  * @note   the system clock is configured as follow:
  *         the clock configuration tool writes the chosen clock tree here
  * @param  none
  * @retval none
  */
void system_clock_config(void)
{
  /* start from the reset state of the clock controller */
  crm_reset();

  /* flash wait cycles for the target system clock, set before it rises */
[#flash psr]
  flash_psr_set(FLASH_WAIT_CYCLE_4);
[/#flash psr]
  /* core voltage for the target system clock */
  crm_periph_clock_enable(CRM_PWC_PERIPH_CLOCK, TRUE);
  pwc_ldo_output_voltage_set(PWC_LDO_OUTPUT_1V3);

[#hext bypass]
  crm_hext_bypass(TRUE);
[/#hext bypass]
[#enable hext]
  /* enable hext and wait till it is stable */
  crm_clock_source_enable(CRM_CLOCK_SOURCE_HEXT, TRUE);
  while(crm_hext_stable_wait() == ERROR)
  {
  }
[/#enable hext]
[#enable hick]
  /* enable hick and wait till it is stable */
  crm_clock_source_enable(CRM_CLOCK_SOURCE_HICK, TRUE);
  while(crm_flag_get(CRM_HICK_STABLE_FLAG) != SET)
  {
  }
[/#enable hick]
[#enable pll]
  /* pll factors */
  crm_pll_config(CRM_PLL_SOURCE_HEXT, 108, 1, CRM_PLL_FP_4);
  crm_pllu_div_set(CRM_PLL_FU_18);

  /* enable pll and wait till it is locked */
  crm_clock_source_enable(CRM_CLOCK_SOURCE_PLL, TRUE);
  while(crm_flag_get(CRM_PLL_STABLE_FLAG) != SET)
  {
  }
[/#enable pll]
  /* bus dividers */
  crm_ahb_div_set(CRM_AHB_DIV_1);
  crm_apb2_div_set(CRM_APB2_DIV_2);
  crm_apb1_div_set(CRM_APB1_DIV_2);

[#enable auto step mode]
  /* let the hardware raise the system clock in steps */
  crm_auto_step_mode_enable(TRUE);
[/#enable auto step mode]
[#pll sysclock]
  /* switch the system clock to the pll */
  crm_sysclk_switch(CRM_SCLK_PLL);
  while(crm_sysclk_switch_status_get() != CRM_SCLK_PLL)
  {
  }
[/#pll sysclock]
[#hext sysclock]
  /* switch the system clock to hext */
  crm_hext_sclk_div_set(CRM_HEXT_SCLK_DIV_1);
  crm_sysclk_switch(CRM_SCLK_HEXT);
  while(crm_sysclk_switch_status_get() != CRM_SCLK_HEXT)
  {
  }
[/#hext sysclock]
[#hick sysclock]
  /* divide hick first: the core already runs from it, so the 48 mhz
     selection below must never reach the flash undivided */
  crm_hick_sclk_div_set(CRM_HICK_SCLK_DIV_1);
[#hick48]
  /* hick reaches the system clock at 48 mhz instead of 8 mhz */
  crm_hick_sclk_frequency_select(CRM_HICK_SCLK_48MHZ);
[/#hick48]
  /* switch the system clock to hick */
  crm_sysclk_switch(CRM_SCLK_HICK);
  while(crm_sysclk_switch_status_get() != CRM_SCLK_HICK)
  {
  }
[/#hick sysclock]
[#disable auto step mode]
  crm_auto_step_mode_enable(FALSE);
[/#disable auto step mode]
[#pll usbclock]
  /* usb clock from the pllu output */
  crm_pllu_output_set(TRUE);
  crm_usb_clock_source_select(CRM_USB_CLOCK_SOURCE_PLLU);
[/#pll usbclock]
[#hick usbclock]
  /* usb clock from hick at 48 mhz */
  crm_usb_clock_source_select(CRM_USB_CLOCK_SOURCE_HICK);
[/#hick usbclock]
  /* update system_core_clock for the new configuration */
  system_core_clock_update();
}
