#include "KytoR610PLL.h"

#include "KytoPLLConfig.h"

namespace {

FlexibleSeriesTable seriesTable()
{
    FlexibleSeriesTable t = FlexibleSeriesTable::fpFuFamily();
    t.seriesIndex = 20;
    t.templateStem = QStringLiteral("kytor610_640");
    return t;
}

} // namespace

KytoR610PLL::KytoR610PLL(KytoPLLConfig *parent)
    : KytoFlexiblePLL(seriesTable(), parent)
{
    buildUi();
    resetDefaults();
    connectSignals();
}

KytoR610PLL::~KytoR610PLL() = default;
