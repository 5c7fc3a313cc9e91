/**
  ******************************************************************************
  * @file     kytoh740_clock.h
  * @brief    system clock set-up of the KytoH740 series
  ******************************************************************************
  */

#ifndef KYTOH740_CLOCK_H
#define KYTOH740_CLOCK_H

#ifdef __cplusplus
extern "C" {
#endif

#include "kytoh740.h"

void system_clock_config(void);

#ifdef __cplusplus
}
#endif

#endif
