/**
  ******************************************************************************
  * @file     kytoh620a_clock.h
  * @brief    system clock set-up of the KytoH620A series
  ******************************************************************************
  */

#ifndef KYTOH620A_CLOCK_H
#define KYTOH620A_CLOCK_H

#ifdef __cplusplus
extern "C" {
#endif

#include "kytoh620a.h"

void system_clock_config(void);

#ifdef __cplusplus
}
#endif

#endif
