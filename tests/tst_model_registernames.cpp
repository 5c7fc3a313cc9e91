#include "ClockTreeModel.h"
#include "RegisterNameTables.h"
#include "tst_model_clocktreemodel_fields.h"

#include <QtTest>

#include <functional>

// The register-name tables and the mappers that turn model values into the
// firmware library's constant names.
class TestRegisterNames : public QObject
{
    Q_OBJECT

private slots:
    void tableShapes_data();
    void tableShapes();
    void mappers_data();
    void mappers();
    void pinNames_data();
    void pinNames();
};

void TestRegisterNames::tableShapes_data()
{
    QTest::addColumn<QStringList>("table");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");

    using T = RegisterNameTables;
    QTest::newRow("ertcHextDivNames") << T::ertcHextDivNames << 30 << "CRM_ERTC_CLOCK_HEXT_DIV_2" << "CRM_ERTC_CLOCK_HEXT_DIV_31";
    QTest::newRow("usbDivNames") << T::usbDivNames << 17 << "CRM_USB_DIV_1" << "CRM_USB_DIV_9";
    QTest::newRow("gpioPinNames") << T::gpioPinNames << 17 << "GPIO_PINS_0" << "GPIO_PINS_ALL";
    QTest::newRow("pllFpNames") << T::pllFpNames << 16 << "CRM_PLL_FP_1" << "CRM_PLL_FP_30";
    QTest::newRow("pllFuNames") << T::pllFuNames << 7 << "CRM_PLL_FU_11" << "CRM_PLL_FU_20";
    QTest::newRow("clkoutSourceNames") << T::clkoutSourceNames << 12 << "CRM_CLKOUT_NOCLK" << "CRM_CLKOUT_USBFS";
    QTest::newRow("canClockSourceNames") << T::canClockSourceNames << 4 << "CRM_CAN_CLOCK_SOURCE_HEXT" << "CRM_CAN_CLOCK_SOURCE_PLLU";
    QTest::newRow("pllSourceNames") << T::pllSourceNames << 3 << "CRM_PLL_SOURCE_HEXT" << "CRM_PLL_SOURCE_HICK";
    QTest::newRow("hextDivPrefix") << T::hextDivPrefix << 1 << "CRM_HEXT_DIV_" << "CRM_HEXT_DIV_";
    QTest::newRow("pllMultPrefix") << T::pllMultPrefix << 1 << "CRM_PLL_MULT_" << "CRM_PLL_MULT_";
    QTest::newRow("gpioPeriphClockNames") << T::gpioPeriphClockNames << 8 << "CRM_GPIOA_PERIPH_CLOCK" << "CRM_GPIOH_PERIPH_CLOCK";
    QTest::newRow("gpioPinSourceNames") << T::gpioPinSourceNames << 16 << "GPIO_PINS_SOURCE0" << "GPIO_PINS_SOURCE15";
}

void TestRegisterNames::tableShapes()
{
    QFETCH(QStringList, table);
    QFETCH(int, size);
    QFETCH(QString, first);
    QFETCH(QString, last);

    QCOMPARE(table.size(), size);
    QCOMPARE(table.first(), first);
    QCOMPARE(table.last(), last);
    QCOMPARE(table.removeDuplicates(), 0);
}

namespace {
using Mapper = std::function<QString(const ClockTreeModel &)>;

const QHash<QString, Mapper> &mapperTable()
{
    static const QHash<QString, Mapper> mappers = {
        {"adcClockSourceName", [](const ClockTreeModel &m) { return m.adcClockSourceName(); }},
        {"canClockSourceName(1)", [](const ClockTreeModel &m) { return m.canClockSourceName(1); }},
        {"canClockSourceName(2)", [](const ClockTreeModel &m) { return m.canClockSourceName(2); }},
        {"canClockSourceName(3)", [](const ClockTreeModel &m) { return m.canClockSourceName(3); }},
        {"clkout1SourceName", [](const ClockTreeModel &m) { return m.clkout1SourceName(); }},
        {"clkout2SourceName", [](const ClockTreeModel &m) { return m.clkout2SourceName(); }},
        {"clkoutSourceName", [](const ClockTreeModel &m) { return m.clkoutSourceName(); }},
        {"i2cClockSourceName", [](const ClockTreeModel &m) { return m.i2cClockSourceName(); }},
        {"i2sf5ClockSourceName", [](const ClockTreeModel &m) { return m.i2sf5ClockSourceName(); }},
        {"usart1ClockSourceName", [](const ClockTreeModel &m) { return m.usart1ClockSourceName(); }},
        {"usart2ClockSourceName", [](const ClockTreeModel &m) { return m.usart2ClockSourceName(); }},
        {"usart3ClockSourceName", [](const ClockTreeModel &m) { return m.usart3ClockSourceName(); }},
        {"adcDivName", [](const ClockTreeModel &m) { return m.adcDivName(); }},
        {"ahbDivName", [](const ClockTreeModel &m) { return m.ahbDivName(); }},
        {"apb1DivName", [](const ClockTreeModel &m) { return m.apb1DivName(); }},
        {"apb2DivName", [](const ClockTreeModel &m) { return m.apb2DivName(); }},
        {"apb3DivName", [](const ClockTreeModel &m) { return m.apb3DivName(); }},
        {"clkoutDiv1Name(clkoutDiv1)", [](const ClockTreeModel &m) { return m.clkoutDiv1Name(m.clkoutDiv1); }},
        {"clkoutDiv2Name(clkoutDiv2)", [](const ClockTreeModel &m) { return m.clkoutDiv2Name(m.clkoutDiv2); }},
        {"clkoutDivName(clkoutDiv)", [](const ClockTreeModel &m) { return m.clkoutDivName(m.clkoutDiv); }},
        {"hextSclkDivName", [](const ClockTreeModel &m) { return m.hextSclkDivName(); }},
        {"hickSclkDivName", [](const ClockTreeModel &m) { return m.hickSclkDivName(); }},
        {"rtcHextDivName", [](const ClockTreeModel &m) { return m.rtcHextDivName(); }},
        {"usbDivName", [](const ClockTreeModel &m) { return m.usbDivName(); }},
        {"pllSourceName", [](const ClockTreeModel &m) { return m.pllSourceName(); }},
        {"pllFpName", [](const ClockTreeModel &m) { return m.pllFpName(); }},
        {"pllFrName", [](const ClockTreeModel &m) { return m.pllFrName(); }},
        {"pllFuName", [](const ClockTreeModel &m) { return m.pllFuName(); }},
        {"pllMsText", [](const ClockTreeModel &m) { return m.pllMsText(); }},
        {"pllNsText", [](const ClockTreeModel &m) { return m.pllNsText(); }},
        {"pllMultName", [](const ClockTreeModel &m) { return m.pllMultName(); }},
        {"pllOutputRangeName", [](const ClockTreeModel &m) { return m.pllOutputRangeName(); }},
        {"hextDivName", [](const ClockTreeModel &m) { return m.hextDivName(); }},
        {"flashWaitCycleName", [](const ClockTreeModel &m) { return m.flashWaitCycleName(); }},
        {"flashClockDivName", [](const ClockTreeModel &m) { return m.flashClockDivName(); }},
        {"ldoOutputName", [](const ClockTreeModel &m) { return m.ldoOutputName(); }},
        {"clkoutPinName", [](const ClockTreeModel &m) { return m.clkoutPinName(); }},
        {"clkoutPinSourceName", [](const ClockTreeModel &m) { return m.clkoutPinSourceName(); }},
        {"clkoutGpioPortName", [](const ClockTreeModel &m) { return m.clkoutGpioPortName(); }},
        {"clkoutGpioClockName", [](const ClockTreeModel &m) { return m.clkoutGpioClockName(); }},
        {"clkoutMuxName", [](const ClockTreeModel &m) { return m.clkoutMuxName(); }},
        {"clkout1PinName", [](const ClockTreeModel &m) { return m.clkout1PinName(); }},
        {"clkout1PinSourceName", [](const ClockTreeModel &m) { return m.clkout1PinSourceName(); }},
        {"clkout1GpioPortName", [](const ClockTreeModel &m) { return m.clkout1GpioPortName(); }},
        {"clkout1GpioClockName", [](const ClockTreeModel &m) { return m.clkout1GpioClockName(); }},
        {"clkout1MuxName", [](const ClockTreeModel &m) { return m.clkout1MuxName(); }},
        {"clkoutIndexName(1)", [](const ClockTreeModel &m) { return m.clkoutIndexName(1); }},
        {"clkoutIndexName(2)", [](const ClockTreeModel &m) { return m.clkoutIndexName(2); }},
        {"clkoutIndexName(7)", [](const ClockTreeModel &m) { return m.clkoutIndexName(7); }},
    };
    return mappers;
}
} // namespace

void TestRegisterNames::mappers_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("mapper");
    QTest::addColumn<QString>("expected");

    // PLL in flexible use on index 7: SCLK from the PLL, ms/ns mode.
    const QString flex = QStringLiteral("sclkSource=1 pllFlexibleMode=1 ");
    const QString mult = QStringLiteral("sclkSource=1 pllFlexibleMode=0 ");
    const QString idle = QStringLiteral("sclkSource=2 usbDisabled=1 ");

    auto row = [](const char *name, int index, const QString &setup, const char *mapper, const char *expected) {
        QTest::newRow(name) << index << setup << QString::fromLatin1(mapper) << QString::fromLatin1(expected);
    };

    // sources
    row("adc source 1", 18, "adcClockSource=1", "adcClockSourceName", "CRM_ADC_CLOCK_SOURCE_PLLCLK");
    row("adc source 5 falls back", 18, "adcClockSource=5", "adcClockSourceName", "CRM_ADC_CLOCK_SOURCE_HCLK");
    row("can 1 on index 22", 22, "", "canClockSourceName(1)", "CRM_CAN_CLOCK_SOURCE_PLLU");
    row("can 1 on index 25", 25, "", "canClockSourceName(1)", "CRM_CAN_CLOCK_SOURCE_PLL");
    row("can 2", 21, "", "canClockSourceName(2)", "CRM_CAN_CLOCK_SOURCE_PCLK");
    row("can 3 falls back", 21, "", "canClockSourceName(3)", "CRM_CAN_CLOCK_SOURCE_HEXT");
    row("clkout1 source 3", 13, "clkout1Source=3", "clkout1SourceName", "CRM_CLKOUT1_PLL");
    row("clkout1 source 4 falls back", 13, "clkout1Source=4", "clkout1SourceName", "CRM_CLKOUT1_HICK");
    row("clkout2 source 7", 13, "clkout2Source=7", "clkout2SourceName", "CRM_CLKOUT2_LEXT");
    row("clkout2 source -1 falls back", 13, "clkout2Source=-1", "clkout2SourceName", "CRM_CLKOUT2_SCLK");
    row("clkout source 11", 20, "clkoutSource=11", "clkoutSourceName", "CRM_CLKOUT_USBFS");
    row("clkout source 12 falls back", 20, "clkoutSource=12", "clkoutSourceName", "CRM_CLKOUT_NOCLK");
    row("i2c source 3", 20, "i2c1ClockSource=3", "i2cClockSourceName", "CRM_I2C_CLOCK_SOURCE_HICK");
    row("i2sf5 source 3", 20, "i2sf5ClockSource=3", "i2sf5ClockSourceName", "CRM_I2SF5_CLOCK_SOURCE_EXTERNAL");
    row("usart1 source 4", 20, "usart1ClockSource=4", "usart1ClockSourceName", "CRM_USART_CLOCK_SOURCE_HICK");
    row("usart2 source 3", 20, "usart2ClockSource=3", "usart2ClockSourceName", "CRM_USART_CLOCK_SOURCE_LEXT");
    row("usart3 source 5 falls back", 20, "usart3ClockSource=5", "usart3ClockSourceName", "CRM_USART_CLOCK_SOURCE_PCLK");

    // dividers
    row("adc div 7 falls back", 7, "adcDiv=7", "adcDivName", "CRM_ADC_DIV_2");
    row("adc div 12", 7, "adcDiv=12", "adcDivName", "CRM_ADC_DIV_12");
    row("ahb div 512", 7, "ahbDiv=512", "ahbDivName", "CRM_AHB_DIV_512");
    row("ahb div 32 falls back", 7, "ahbDiv=32", "ahbDivName", "CRM_AHB_DIV_1");
    row("apb1 div 16", 7, "apb1Div=16", "apb1DivName", "CRM_APB1_DIV_16");
    row("apb2 div 6 falls back", 7, "apb2Div=6", "apb2DivName", "CRM_APB2_DIV_1");
    row("apb3 div 4", 21, "apb3Div=4", "apb3DivName", "CRM_APB3_DIV_4");
    row("clkout div1 5", 13, "clkoutDiv1=5", "clkoutDiv1Name(clkoutDiv1)", "CRM_CLKOUT_DIV1_5");
    row("clkout div1 6 falls back", 13, "clkoutDiv1=6", "clkoutDiv1Name(clkoutDiv1)", "CRM_CLKOUT_DIV1_1");
    row("clkout div2 64", 13, "clkoutDiv2=64", "clkoutDiv2Name(clkoutDiv2)", "CRM_CLKOUT_DIV2_64");
    row("clkout div 6 falls back", 7, "clkoutDiv=6", "clkoutDivName(clkoutDiv)", "CRM_CLKOUT_DIV_1");
    row("clkout div 256", 7, "clkoutDiv=256", "clkoutDivName(clkoutDiv)", "CRM_CLKOUT_DIV_256");
    row("hext sclk div 32", 20, "hextDiv=32", "hextSclkDivName", "CRM_HEXT_SCLK_DIV_32");
    row("hick sclk div 32 falls back", 20, "hickDiv=32", "hickSclkDivName", "CRM_HICK_SCLK_DIV_1");
    row("rtc div 2", 7, "rtcHextDiv=2", "rtcHextDivName", "CRM_ERTC_CLOCK_HEXT_DIV_2");
    row("rtc div 31", 7, "rtcHextDiv=31", "rtcHextDivName", "CRM_ERTC_CLOCK_HEXT_DIV_31");
    row("rtc div 0 clamped", 7, "rtcHextDiv=0", "rtcHextDivName", "CRM_ERTC_CLOCK_HEXT_DIV_2");
    row("rtc div 40 clamped", 7, "rtcHextDiv=40", "rtcHextDivName", "CRM_ERTC_CLOCK_HEXT_DIV_31");
    row("usb div 2.5", 7, "usbDiv=2.5", "usbDivName", "CRM_USB_DIV_2_5");
    row("usb div 9", 7, "usbDiv=9", "usbDivName", "CRM_USB_DIV_9");
    row("usb div 2.25 falls back", 7, "usbDiv=2.25", "usbDivName", "CRM_USB_DIV_1");
    row("usb off", 7, "usbDiv=2.5 usbDisabled=1", "usbDivName", "CRM_USB_DIV_1");
    row("usb from HICK", 7, "usbDiv=2.5 usbFromHick=1", "usbDivName", "CRM_USB_DIV_1");
    row("usb on index 16", 16, "usbDiv=2.5", "usbDivName", "CRM_USB_DIV_1");

    // PLL
    row("source unused PLL", 7, idle + "pllSource=1", "pllSourceName", "CRM_PLL_SOURCE_HEXT");
    row("source HICK", 7, flex + "pllSource=1", "pllSourceName", "CRM_PLL_SOURCE_HICK");
    row("source HEXT pre-divided", 7, flex + "pllHextDivEnabled=1", "pllSourceName", "CRM_PLL_SOURCE_HEXT_DIV");
    row("source direct group ignores the pre-divider", 20, flex + "pllHextDivEnabled=1", "pllSourceName", "CRM_PLL_SOURCE_HEXT");
    row("fp 30", 20, flex + "pllFp=30", "pllFpName", "CRM_PLL_FP_30");
    row("fp 5 falls back", 20, flex + "pllFp=5", "pllFpName", "CRM_PLL_FP_1");
    row("fr 16", 7, flex + "pllFr=16", "pllFrName", "CRM_PLL_FR_16");
    row("fr, PLL unused", 7, idle + "pllFr=16", "pllFrName", "CRM_PLL_FR_1");
    row("fr, multiplier mode", 7, mult + "pllFr=16", "pllFrName", "CRM_PLL_FR_1");
    row("fu 13", 20, flex + "pllFu=13", "pllFuName", "CRM_PLL_FU_13");
    row("fu 15 falls back", 20, flex + "pllFu=15", "pllFuName", "CRM_PLL_FU_11");
    row("ms text", 7, flex + "pllMs=3", "pllMsText", "3");
    row("ms text, PLL unused", 7, idle + "pllMs=3", "pllMsText", "1");
    row("ns text", 7, flex + "pllNs=250", "pllNsText", "250");
    row("ns text, multiplier mode", 7, mult + "pllNs=250", "pllNsText", "31");
    row("mult 25", 7, mult + "pllMult=25", "pllMultName", "CRM_PLL_MULT_25");
    row("mult, PLL unused", 7, "pllFlexibleMode=0 sclkSource=2 usbDisabled=1 pllMult=25", "pllMultName", "");
    row("mult, flexible mode", 7, flex + "pllMult=25", "pllMultName", "");
    row("output range at 72", 7, flex + "pllMhz=72", "pllOutputRangeName", "CRM_PLL_OUTPUT_RANGE_LE72MHZ");
    row("output range above 72", 7, flex + "pllMhz=72.001", "pllOutputRangeName", "CRM_PLL_OUTPUT_RANGE_GT72MHZ");
    row("output range, PLL unused", 7, idle + "pllMhz=100", "pllOutputRangeName", "");
    row("hext div 3", 7, flex + "pllHextDivEnabled=1 hextDiv=3", "hextDivName", "CRM_HEXT_DIV_3");
    row("hext div unused", 7, flex + "pllHextDivEnabled=0 hextDiv=3", "hextDivName", "");

    // flash and LDO
    row("wait at 32", 7, "sclkMhz=32", "flashWaitCycleName", "FLASH_WAIT_CYCLE_0");
    row("wait at 32.5", 7, "sclkMhz=32.5", "flashWaitCycleName", "FLASH_WAIT_CYCLE_1");
    row("wait at 216", 7, "sclkMhz=216", "flashWaitCycleName", "FLASH_WAIT_CYCLE_6");
    row("wait above 216", 7, "sclkMhz=240", "flashWaitCycleName", "FLASH_WAIT_CYCLE_7");
    row("flash clock at 208", 7, "sclkMhz=208", "flashClockDivName", "FLASH_CLOCK_DIV_2");
    row("flash clock above 208", 7, "sclkMhz=208.5", "flashClockDivName", "FLASH_CLOCK_DIV_3");
    row("ldo 25 at 150", 25, "sclkMhz=150", "ldoOutputName", "PWC_LDO_OUTPUT_1V2");
    row("ldo 25 at 180", 25, "sclkMhz=180", "ldoOutputName", "PWC_LDO_OUTPUT_1V3");
    row("ldo 25 at 190", 25, "sclkMhz=190", "ldoOutputName", "PWC_LDO_OUTPUT_1V2");
    row("ldo 2", 2, "sclkMhz=200", "ldoOutputName", "");
    row("ldo 13 at 240", 13, "sclkMhz=240", "ldoOutputName", "PWC_LDO_OUTPUT_1V2");
    row("ldo 13 at 288", 13, "sclkMhz=288", "ldoOutputName", "PWC_LDO_OUTPUT_1V3");
    row("ldo 13 at 144", 13, "sclkMhz=144", "ldoOutputName", "PWC_LDO_OUTPUT_1V1");
    row("ldo 16 above 32", 16, "sclkMhz=33", "ldoOutputName", "PWC_LDO_OUTPUT_1V2");
    row("ldo 29 at 120", 29, "sclkMhz=120", "ldoOutputName", "PWC_LDO_OUTPUT_1V2");
    row("ldo 30 at 216", 30, "sclkMhz=216", "ldoOutputName", "PWC_LDO_OUTPUT_1V3");
    row("ldo 23 at 108", 23, "sclkMhz=108", "ldoOutputName", "PWC_LDO_OUTPUT_1V1");
    row("ldo 23 at 161", 23, "sclkMhz=161", "ldoOutputName", "PWC_LDO_OUTPUT_1V3");

    // clock-out pins
    row("pin PA9", 20, "clkoutPin=2", "clkoutPinName", "GPIO_PINS_9");
    row("pin PC9", 20, "clkoutPin=4", "clkoutPinName", "GPIO_PINS_9");
    row("pin 7 falls back", 20, "clkoutPin=7", "clkoutPinName", "GPIO_PINS_0");
    row("pin source PB13", 20, "clkoutPin=3", "clkoutPinSourceName", "GPIO_PINS_SOURCE13");
    row("pin source -1 falls back", 20, "clkoutPin=-1", "clkoutPinSourceName", "GPIO_PINS_SOURCE0");
    row("port PF2", 20, "clkoutPin=5", "clkoutGpioPortName", "GPIOF");
    row("port PA9", 20, "clkoutPin=2", "clkoutGpioPortName", "GPIOA");
    row("clock PE4", 20, "clkoutPin=6", "clkoutGpioClockName", "CRM_GPIOE_PERIPH_CLOCK");
    row("clock PC9", 20, "clkoutPin=4", "clkoutGpioClockName", "CRM_GPIOC_PERIPH_CLOCK");
    row("mux pin 2, index 15", 15, "clkoutPin=2", "clkoutMuxName", "GPIO_MUX_5");
    row("mux pin 3, index 16", 16, "clkoutPin=3", "clkoutMuxName", "GPIO_MUX_3");
    row("mux pin 2, index 9", 9, "clkoutPin=2", "clkoutMuxName", "GPIO_MUX_5");
    row("mux pin 3, index 9", 9, "clkoutPin=3", "clkoutMuxName", "GPIO_MUX_0");
    row("mux pin 2, index 20", 20, "clkoutPin=2", "clkoutMuxName", "GPIO_MUX_0");
    row("clkout1 PE4", 13, "clkout1Pin=2", "clkout1PinName", "GPIO_PINS_4");
    row("clkout1 PA8 source", 13, "clkout1Pin=1", "clkout1PinSourceName", "GPIO_PINS_SOURCE8");
    row("clkout1 PE4 port", 13, "clkout1Pin=2", "clkout1GpioPortName", "GPIOE");
    row("clkout1 PA8 clock", 13, "clkout1Pin=1", "clkout1GpioClockName", "CRM_GPIOA_PERIPH_CLOCK");
    row("clkout1 mux", 13, "clkout1Pin=2", "clkout1MuxName", "GPIO_MUX_0");
    row("clkout index 1", 13, "", "clkoutIndexName(1)", "CRM_CLKOUT_INDEX_1");
    row("clkout index 2", 13, "", "clkoutIndexName(2)", "CRM_CLKOUT_INDEX_2");
    row("clkout index 7 falls back", 13, "", "clkoutIndexName(7)", "CRM_CLKOUT_INDEX_1");
}

void TestRegisterNames::mappers()
{
    QFETCH(int, index);
    QFETCH(QString, setup);
    QFETCH(QString, mapper);
    QFETCH(QString, expected);

    ClockTreeModel m(index);
    ModelFields::apply(m, setup);
    const Mapper map = mapperTable().value(mapper);
    QVERIFY2(map, qPrintable(mapper));
    const ClockTreeModel before = m;
    QCOMPARE(map(m), expected);
    QCOMPARE(ModelFields::dump(m), ModelFields::dump(before));
}

void TestRegisterNames::pinNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pin");
    QTest::addColumn<bool>("roundTrip");

    QTest::newRow("PA8") << "PA8" << 1 << true;
    QTest::newRow("PA9") << "PA9" << 2 << true;
    QTest::newRow("PB13") << "PB13" << 3 << true;
    QTest::newRow("PC9") << "PC9" << 4 << true;
    QTest::newRow("PF2") << "PF2" << 5 << true;
    QTest::newRow("PE4") << "PE4" << 6 << true;
    QTest::newRow("lower case") << "pa8" << 0 << false;
    QTest::newRow("padded") << " PA8" << 0 << false;
    QTest::newRow("empty") << "" << 0 << false;
    QTest::newRow("NONE") << "NONE" << 0 << true;
}

void TestRegisterNames::pinNames()
{
    QFETCH(QString, name);
    QFETCH(int, pin);
    QFETCH(bool, roundTrip);

    QCOMPARE(ClockTreeModel::pinIndexFromName(name), pin);
    if (roundTrip)
        QCOMPARE(ClockTreeModel::pinNameFromIndex(pin), name);
    for (int outside : {-1, 0, 7, 100})
        QCOMPARE(ClockTreeModel::pinNameFromIndex(outside), QStringLiteral("NONE"));
}

QTEST_APPLESS_MAIN(TestRegisterNames)

#include "tst_model_registernames.moc"
