#ifndef FLEXIBLECLASSES_H
#define FLEXIBLECLASSES_H

// Every page class of the flexible-PLL family, for the series registry.
#include "KytoH740PLL.h"
#include "KytoR610PLL.h"
#include "KytoR640PLL.h"
#include "KytoR740PLL.h"
#include "KytoR960PLL.h"

#endif // FLEXIBLECLASSES_H
