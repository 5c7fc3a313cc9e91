#ifndef R9X0CLASSES_H
#define R9X0CLASSES_H

// Every page class of the R910/R920/R930 family, for the series registry.
#include "KytoR910PLL.h"
#include "KytoR920PLL.h"
#include "KytoR930PLL.h"

#endif // R9X0CLASSES_H
