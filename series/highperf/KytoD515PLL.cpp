#include "KytoD515PLL.h"

KytoD515PLL::KytoD515PLL(QWidget *parent)
    : KytoD5x5PLL(25, parent)
{
    buildUi();
    resetDefaults();
    connectSignals();
}

KytoD515PLL::~KytoD515PLL() = default;
