/**
  ******************************************************************************
  * @file     kytor610_640_clock.h
  * @brief    system clock set-up of the KytoR610 and KytoR640 series
  ******************************************************************************
  */

#ifndef KYTOR610_640_CLOCK_H
#define KYTOR610_640_CLOCK_H

#ifdef __cplusplus
extern "C" {
#endif

#include "kytor610_640.h"

void system_clock_config(void);

#ifdef __cplusplus
}
#endif

#endif
