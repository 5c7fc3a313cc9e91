/**
  ******************************************************************************
  * @file     kytor620_clock.h
  * @brief    system clock set-up of the KytoR620 series
  ******************************************************************************
  */

#ifndef KYTOR620_CLOCK_H
#define KYTOR620_CLOCK_H

#ifdef __cplusplus
extern "C" {
#endif

#include "kytor620.h"

void system_clock_config(void);

#ifdef __cplusplus
}
#endif

#endif
