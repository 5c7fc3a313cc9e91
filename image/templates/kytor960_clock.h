/**
  ******************************************************************************
  * @file     kytor960_clock.h
  * @brief    system clock set-up of the KytoR960 series
  ******************************************************************************
  */

#ifndef KYTOR960_CLOCK_H
#define KYTOR960_CLOCK_H

#ifdef __cplusplus
extern "C" {
#endif

#include "kytor960.h"

void system_clock_config(void);

#ifdef __cplusplus
}
#endif

#endif
