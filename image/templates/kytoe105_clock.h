/**
  ******************************************************************************
  * @file     kytoe105_clock.h
  * @brief    system clock set-up of the KytoE105 series
  ******************************************************************************
  */

#ifndef KYTOE105_CLOCK_H
#define KYTOE105_CLOCK_H

#ifdef __cplusplus
extern "C" {
#endif

#include "kytoe105.h"

void system_clock_config(void);

#ifdef __cplusplus
}
#endif

#endif
