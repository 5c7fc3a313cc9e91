#include "KytoD525PLL.h"

KytoD525PLL::KytoD525PLL(QWidget *parent)
    : KytoD5x5PLL(26, parent)
{
    buildUi();
    resetDefaults();
    connectSignals();
}

KytoD525PLL::~KytoD525PLL() = default;
