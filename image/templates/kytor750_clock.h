/**
  ******************************************************************************
  * @file     kytor750_clock.h
  * @brief    system clock set-up of the KytoR750 series
  ******************************************************************************
  */

#ifndef KYTOR750_CLOCK_H
#define KYTOR750_CLOCK_H

#ifdef __cplusplus
extern "C" {
#endif

#include "kytor750.h"

void system_clock_config(void);

#ifdef __cplusplus
}
#endif

#endif
