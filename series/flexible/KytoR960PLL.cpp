#include "KytoR960PLL.h"

#include "KytoPLLConfig.h"

namespace {

FlexibleSeriesTable seriesTable()
{
    FlexibleSeriesTable t = FlexibleSeriesTable::fpFuFamily();
    t.seriesIndex = 30;
    t.templateStem = QStringLiteral("kytor960");
    return t;
}

} // namespace

KytoR960PLL::KytoR960PLL(KytoPLLConfig *parent)
    : KytoFlexiblePLL(seriesTable(), parent)
{
    buildUi();
    resetDefaults();
    connectSignals();
}

KytoR960PLL::~KytoR960PLL() = default;
