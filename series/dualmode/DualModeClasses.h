#ifndef DUALMODECLASSES_H
#define DUALMODECLASSES_H

// Every page class of the dual-mode PLL family, for the series registry.
#include "KytoE105PLL.h"
#include "KytoNS720PLL.h"
#include "KytoR720PLL.h"
#include "KytoR730PLL.h"
#include "KytoR750PLL.h"

#endif // DUALMODECLASSES_H
