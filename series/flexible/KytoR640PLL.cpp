#include "KytoR640PLL.h"

#include "KytoPLLConfig.h"

namespace {

FlexibleSeriesTable seriesTable()
{
    FlexibleSeriesTable t = FlexibleSeriesTable::fpFuFamily();
    t.seriesIndex = 19;
    t.templateStem = QStringLiteral("kytor610_640");
    t.hasUsbHsPhy = true;
    t.hextDefaultText = QStringLiteral("12");
    t.hextDefault = 12.0;
    t.pllNsDefault = 72;
    return t;
}

} // namespace

KytoR640PLL::KytoR640PLL(KytoPLLConfig *parent)
    : KytoFlexiblePLL(seriesTable(), parent)
{
    buildUi();
    resetDefaults();
    connectSignals();
}

KytoR640PLL::~KytoR640PLL() = default;
