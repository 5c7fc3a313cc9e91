/**
  ******************************************************************************
  * @file     kytor9x0_clock.h
  * @brief    system clock set-up of the KytoR910, KytoR920 and KytoR930 series
  ******************************************************************************
  */

#ifndef KYTOR9X0_CLOCK_H
#define KYTOR9X0_CLOCK_H

#ifdef __cplusplus
extern "C" {
#endif

#include "kytor9x0.h"

void system_clock_config(void);

#ifdef __cplusplus
}
#endif

#endif
