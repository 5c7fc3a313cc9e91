/**
  ******************************************************************************
  * @file     kytor620a_650_clock.h
  * @brief    system clock set-up of the KytoR620A and KytoR650 series
  ******************************************************************************
  */

#ifndef KYTOR620A_650_CLOCK_H
#define KYTOR620A_650_CLOCK_H

#ifdef __cplusplus
extern "C" {
#endif

#include "kytor620a_650.h"

void system_clock_config(void);

#ifdef __cplusplus
}
#endif

#endif
