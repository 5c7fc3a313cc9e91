#include "KytoR810PLL.h"

#include "KytoPLLConfig.h"

KytoR810PLL::KytoR810PLL(KytoPLLConfig *parent)
    : KytoR8x0PLL(R8x0SeriesTable{13, R8x0PageLayout()}, parent)
{
    buildUi();
    resetDefaults();
    connectSignals();
}

KytoR810PLL::~KytoR810PLL() = default;
