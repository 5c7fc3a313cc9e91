#include "KytoR910PLL.h"

#include "KytoPLLConfig.h"

KytoR910PLL::KytoR910PLL(KytoPLLConfig *parent)
    : KytoR9x0PLL(R9x0SeriesTable(), parent)
{
    buildUi();
    resetDefaults();
    connectSignals();
}

KytoR910PLL::~KytoR910PLL() = default;
