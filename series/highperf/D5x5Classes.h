#ifndef D5X5CLASSES_H
#define D5X5CLASSES_H

// Every page class of the D515/D525 family, for the series registry.
#include "KytoD515PLL.h"
#include "KytoD525PLL.h"

#endif // D5X5CLASSES_H
