/**
  ******************************************************************************
  * @file     kytor730_clock.h
  * @brief    system clock set-up of the KytoR730 series
  ******************************************************************************
  */

#ifndef KYTOR730_CLOCK_H
#define KYTOR730_CLOCK_H

#ifdef __cplusplus
extern "C" {
#endif

#include "kytor730.h"

void system_clock_config(void);

#ifdef __cplusplus
}
#endif

#endif
