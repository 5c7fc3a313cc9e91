// The one place that names the series page classes: one case per class,
// from series index to its operations. A new page adds its class to its
// family's <Family>Classes.h and one case here (a new family includes its
// <Family>Classes.h once); the container and the main window need nothing.
#include "KytoPLLConfig.h"

#include "dualmode/DualModeClasses.h"
#include "flexible/FlexibleClasses.h"
#include "highperf/D5x5Classes.h"
#include "highperf/R8x0Classes.h"
#include "highperf/R9x0Classes.h"
#include "multiplier/MultiplierClasses.h"

KytoPLLConfig::SeriesOperations KytoPLLConfig::registeredOperations(int index)
{
    switch (index) {
    case 2: return operationsOf<KytoR620PLL>();
    case 4: return operationsOf<KytoR710PLL>();
    case 5: return operationsOf<KytoR720PLL>();
    case 7: return operationsOf<KytoR620APLL>();
    case 8: return operationsOf<KytoR650PLL>();
    case 9: return operationsOf<KytoR730PLL>();
    case 13: return operationsOf<KytoR810PLL>();
    case 14: return operationsOf<KytoR820PLL>();
    case 15: return operationsOf<KytoR750PLL>();
    case 16: return operationsOf<KytoE105PLL>();
    case 17: return operationsOf<KytoNS720PLL>();
    case 18: return operationsOf<KytoR740PLL>();
    case 19: return operationsOf<KytoR640PLL>();
    case 20: return operationsOf<KytoR610PLL>();
    case 21: return operationsOf<KytoR910PLL>();
    case 22: return operationsOf<KytoR920PLL>();
    case 23: return operationsOf<KytoR930PLL>();
    case 24: return operationsOf<KytoH620APLL>();
    case 25: return operationsOf<KytoD515PLL>();
    case 26: return operationsOf<KytoD525PLL>();
    case 29: return operationsOf<KytoH740PLL>();
    case 30: return operationsOf<KytoR960PLL>();
    default: return SeriesOperations();
    }
}
