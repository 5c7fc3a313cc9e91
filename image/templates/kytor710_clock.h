/**
  ******************************************************************************
  * @file     kytor710_clock.h
  * @brief    system clock set-up of the KytoR710 series
  ******************************************************************************
  */

#ifndef KYTOR710_CLOCK_H
#define KYTOR710_CLOCK_H

#ifdef __cplusplus
extern "C" {
#endif

#include "kytor710.h"

void system_clock_config(void);

#ifdef __cplusplus
}
#endif

#endif
