/**
  ******************************************************************************
  * @file     kytor720_clock.h
  * @brief    system clock set-up of the KytoR720 series
  ******************************************************************************
  */

#ifndef KYTOR720_CLOCK_H
#define KYTOR720_CLOCK_H

#ifdef __cplusplus
extern "C" {
#endif

#include "kytor720.h"

void system_clock_config(void);

#ifdef __cplusplus
}
#endif

#endif
