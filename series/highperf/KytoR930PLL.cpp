#include "KytoR930PLL.h"

#include "KytoPLLConfig.h"

namespace {

// The R930 adds the emac read-out, which moves the APB area down.
R9x0SeriesTable r930Table()
{
    R9x0SeriesTable t;
    t.seriesIndex = 23;
    t.readouts = {
        {"i2s (MHz)", 40, R9x0ReadoutKind::Sclk},
        {"systick(MHz)", 77, R9x0ReadoutKind::Systick},
        {"sdio (MHz)", 113, R9x0ReadoutKind::Ahb},
        {"dma (MHz)", 150, R9x0ReadoutKind::Ahb},
        {"xmc (MHz)", 186, R9x0ReadoutKind::Ahb},
        {"gpio (MHz)", 223, R9x0ReadoutKind::Ahb},
        {"aes (MHz)", 259, R9x0ReadoutKind::Ahb},
        {"trng (MHz)", 296, R9x0ReadoutKind::Ahb},
        {"qspi (MHz)", 333, R9x0ReadoutKind::Ahb},
        {"emac (MHz)", 370, R9x0ReadoutKind::Ahb},
        {"adc (MHz)", 408, R9x0ReadoutKind::Ahb},
        {"apb1 peripheral (MHz)", 446, R9x0ReadoutKind::Apb1},
        {"apb1 tmr (MHz)", 508, R9x0ReadoutKind::Apb1Timer},
        {"apb2 peripheral (MHz)", 560, R9x0ReadoutKind::Apb2},
        {"apb2 tmr (MHz)", 619, R9x0ReadoutKind::Apb2Timer},
        {"apb3 peripheral (MHz)", 662, R9x0ReadoutKind::Apb3},
    };
    t.apb1 = {{1041, 430}, {1092, 440}, {1034, 447}, 3};
    t.apb2 = {{1041, 540}, {1092, 550}, {1034, 557}, 2};
    t.apb3 = {{1042, 644}, {1092, 654}, {1034, 661}, 1};
    t.apb1TimerBoxY = 478;
    t.apb2TimerBoxY = 592;
    t.listButtonY = {471, 533, 585, 644};
    t.listY = {491, 553, 605, 664};
    t.listSpacing = {2, 4, 4, 2};
    return t;
}

} // namespace

KytoR930PLL::KytoR930PLL(KytoPLLConfig *parent)
    : KytoR9x0PLL(r930Table(), parent)
{
    buildUi();
    resetDefaults();
    connectSignals();
}

KytoR930PLL::~KytoR930PLL() = default;
