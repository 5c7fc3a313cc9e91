#include "KytoH740PLL.h"

#include "KytoPLLConfig.h"

namespace {

FlexibleSeriesTable seriesTable()
{
    FlexibleSeriesTable t = FlexibleSeriesTable::frFamily();
    t.seriesIndex = 29;
    t.templateStem = QStringLiteral("kytoh740");
    return t;
}

} // namespace

KytoH740PLL::KytoH740PLL(KytoPLLConfig *parent)
    : KytoFlexiblePLL(seriesTable(), parent)
{
    buildUi();
    resetDefaults();
    connectSignals();
}

KytoH740PLL::~KytoH740PLL() = default;
