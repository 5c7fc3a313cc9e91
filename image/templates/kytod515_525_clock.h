/**
  ******************************************************************************
  * @file     kytod515_525_clock.h
  * @brief    system clock set-up of the KytoD515 and KytoD525 series
  ******************************************************************************
  */

#ifndef KYTOD515_525_CLOCK_H
#define KYTOD515_525_CLOCK_H

#ifdef __cplusplus
extern "C" {
#endif

#include "kytod515_525.h"

void system_clock_config(void);

#ifdef __cplusplus
}
#endif

#endif
