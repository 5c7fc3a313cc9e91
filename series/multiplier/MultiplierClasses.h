#ifndef MULTIPLIERCLASSES_H
#define MULTIPLIERCLASSES_H

// Every page class of the multiplier-PLL family, for the series registry.
#include "KytoH620APLL.h"
#include "KytoR620APLL.h"
#include "KytoR620PLL.h"
#include "KytoR650PLL.h"
#include "KytoR710PLL.h"

#endif // MULTIPLIERCLASSES_H
