#include "KytoR920PLL.h"

#include "KytoPLLConfig.h"

namespace {

// The R920 page is the R910 page of another series.
R9x0SeriesTable r920Table()
{
    R9x0SeriesTable t;
    t.seriesIndex = 22;
    return t;
}

} // namespace

KytoR920PLL::KytoR920PLL(KytoPLLConfig *parent)
    : KytoR9x0PLL(r920Table(), parent)
{
    buildUi();
    resetDefaults();
    connectSignals();
}

KytoR920PLL::~KytoR920PLL() = default;
