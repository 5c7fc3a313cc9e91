#include "KytoR740PLL.h"

#include "KytoPLLConfig.h"

namespace {

FlexibleSeriesTable seriesTable()
{
    FlexibleSeriesTable t = FlexibleSeriesTable::frFamily();
    t.seriesIndex = 18;
    t.templateStem = QStringLiteral("kytor740");
    return t;
}

} // namespace

KytoR740PLL::KytoR740PLL(KytoPLLConfig *parent)
    : KytoFlexiblePLL(seriesTable(), parent)
{
    buildUi();
    resetDefaults();
    connectSignals();
}

KytoR740PLL::~KytoR740PLL() = default;
