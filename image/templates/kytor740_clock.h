/**
  ******************************************************************************
  * @file     kytor740_clock.h
  * @brief    system clock set-up of the KytoR740 series
  ******************************************************************************
  */

#ifndef KYTOR740_CLOCK_H
#define KYTOR740_CLOCK_H

#ifdef __cplusplus
extern "C" {
#endif

#include "kytor740.h"

void system_clock_config(void);

#ifdef __cplusplus
}
#endif

#endif
