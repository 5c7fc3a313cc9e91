#include "KytoNS720PLL.h"

#include "KytoPLLConfig.h"

namespace {

DualModeSeriesTable ns720Table()
{
    DualModeSeriesTable t;
    t.seriesIndex = 17;
    t.templateStem = QStringLiteral("kytons720");
    t.sclkMax = 150;
    t.apbMax = 75;
    t.defaultPllMult = 18;
    t.defaultPllNs = 72;
    t.defaultPllFr = 4;
    t.usb = DualModeUsb::Pll;
    t.defaultUsbDiv = 3.0;
    t.twinResetOrder = true;
    t.rtcHextFactor = 1.0 / 128;
    t.listCloseMovesFocus = false;
    t.lists[0] = QStringList{"SPI2", "USART2", "USART3", "UART5", "I2C1", "CAN1", "CMP"};
    t.lists[1] = QStringList{"TMR2", "TMR3", "TMR4", "TMR5"};
    t.lists[2] = QStringList{"USART1"};
    t.lists[3] = QStringList{"TMR1", "TMR9", "TMR10", "TMR11"};
    DualModePageLayout &l = t.layout;
    l.lickLabel = {90, 48};
    l.hickLabel = {90, 425};
    l.apb1Label = {1041, 351};
    l.apb1 = {1036, 371};
    l.apb2Label = {1041, 580};
    l.apb2 = {1036, 600};
    l.usbdivLabel = {717, 480};
    l.usbdiv = {707, 500};
    l.usbswitchLabel = {850, 480};
    l.usbswitch = {840, 500};
    l.readouts = DualModePageLayout::column(1178, 0, 0, 208);
    l.lists[3] = {1263, 596};
    return t;
}

} // namespace

KytoNS720PLL::KytoNS720PLL(KytoPLLConfig *parent)
    : KytoDualModePLL(ns720Table(), parent)
{
    buildUi();
    resetDefaults();
    connectSignals();
}

KytoNS720PLL::~KytoNS720PLL() = default;
