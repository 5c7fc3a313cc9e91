/**
  ******************************************************************************
  * @file     kytor810_820_clock.h
  * @brief    system clock set-up of the KytoR810 and KytoR820 series
  ******************************************************************************
  */

#ifndef KYTOR810_820_CLOCK_H
#define KYTOR810_820_CLOCK_H

#ifdef __cplusplus
extern "C" {
#endif

#include "kytor810_820.h"

void system_clock_config(void);

#ifdef __cplusplus
}
#endif

#endif
