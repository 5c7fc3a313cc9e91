/**
  ******************************************************************************
  * @file     kytons720_clock.h
  * @brief    system clock set-up of the KytoNS720 series
  ******************************************************************************
  */

#ifndef KYTONS720_CLOCK_H
#define KYTONS720_CLOCK_H

#ifdef __cplusplus
extern "C" {
#endif

#include "kytons720.h"

void system_clock_config(void);

#ifdef __cplusplus
}
#endif

#endif
