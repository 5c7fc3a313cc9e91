#ifndef R8X0CLASSES_H
#define R8X0CLASSES_H

// Every page class of the R810/R820 family, for the series registry.
#include "KytoR810PLL.h"
#include "KytoR820PLL.h"

#endif // R8X0CLASSES_H
