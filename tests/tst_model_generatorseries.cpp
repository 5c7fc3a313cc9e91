// Generated code of single series from the real templates, for the states
// where one series' rules differ from the rest: stepwise start-up, auto step,
// PLLU for CAN, dual-mode PLL, HEXT pre-divider, USART/LEXT coupling, CAN
// lines, clock-out pins and the configuration comment.

#include "ClockTreeModel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

QString stemOf(int series)
{
    switch (series) {
    case 2: return QStringLiteral("kytor620");
    case 4: return QStringLiteral("kytor710");
    case 5: return QStringLiteral("kytor720");
    case 7:
    case 8: return QStringLiteral("kytor620a_650");
    case 9: return QStringLiteral("kytor730");
    case 13:
    case 14: return QStringLiteral("kytor810_820");
    case 15: return QStringLiteral("kytor750");
    case 16: return QStringLiteral("kytoe105");
    case 17: return QStringLiteral("kytons720");
    case 18: return QStringLiteral("kytor740");
    case 19:
    case 20: return QStringLiteral("kytor610_640");
    case 21:
    case 22:
    case 23: return QStringLiteral("kytor9x0");
    case 24: return QStringLiteral("kytoh620a");
    case 25:
    case 26: return QStringLiteral("kytod515_525");
    case 29: return QStringLiteral("kytoh740");
    case 30: return QStringLiteral("kytor960");
    default: return QStringLiteral("kytor620");
    }
}

struct Generated {
    bool ok = false;
    QString clock;   // stem_clock.c, LF line ends
    QString main;
};

QString readLf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

Generated generate(ClockTreeModel &model, const QString &stem)
{
    Generated out;
    QTemporaryDir dir;
    QDir root(dir.path());
    if (!root.mkpath(QStringLiteral("inc")) || !root.mkpath(QStringLiteral("src")))
        return out;
    model.interactiveGenerate = 0;
    out.ok = model.writeSourceFiles(dir.path() + QStringLiteral("/inc"), dir.path() + QStringLiteral("/src"), stem);
    out.clock = readLf(dir.path() + QStringLiteral("/src/") + stem + QStringLiteral("_clock.c"));
    out.main = readLf(dir.path() + QStringLiteral("/src/main.c"));
    return out;
}

QString resourceLf(const QString &name)
{
    return readLf(QStringLiteral(":/image/") + name);
}

struct SeriesCase {
    const char *name;
    int series;
    std::function<void(ClockTreeModel &)> setup;
    QStringList clockHas;
    QStringList clockLacks;
    QStringList mainHas;
    QStringList mainLacks;
};

void pllSysclock(ClockTreeModel &m)
{
    m.sclkSource = 1;
    m.pllSource = 0;
    m.recompute();
}

const QList<SeriesCase> &seriesCases()
{
    static const QList<SeriesCase> cases{
        {"series 2 at exactly 168 MHz starts stepwise", 2,
         [](ClockTreeModel &m) {
             m.pllFlexibleMode = 0;
             m.pllMult = 21;
             pllSysclock(m);
             m.sclkMhz = 168.0;
             m.ahbDiv = 4;
         },
         {"  crm_ahb_div_set(CRM_AHB_DIV_8);\n  crm_sysclk_switch(CRM_SCLK_PLL);",
          "clock_delay(2000U);\n  crm_ahb_div_set(CRM_AHB_DIV_2);\n  clock_delay(2000U);\n"
          "  crm_ahb_div_set(CRM_AHB_DIV_4);\n",
          "  /* bus dividers */\n  crm_ahb_div_set(CRM_AHB_DIV_1);\n"},
         {},
         {},
         {}},
        {"series 2 at 167.999 MHz switches directly", 2,
         [](ClockTreeModel &m) {
             m.pllFlexibleMode = 0;
             m.pllMult = 21;
             pllSysclock(m);
             m.sclkMhz = 167.999;
             m.ahbDiv = 4;
         },
         {"  /* bus dividers */\n  crm_ahb_div_set(CRM_AHB_DIV_4);\n", "crm_sysclk_switch(CRM_SCLK_PLL);"},
         {"CRM_AHB_DIV_8", "clock_delay(2000U);"},
         {},
         {}},
        {"auto step off at exactly 108 MHz", 4,
         [](ClockTreeModel &m) {
             m.pllFlexibleMode = 0;
             m.pllMult = 27;
             pllSysclock(m);
             m.sclkMhz = 108.0;
         },
         {},
         {"crm_auto_step_mode_enable"},
         {},
         {}},
        {"auto step on above 108 MHz", 4,
         [](ClockTreeModel &m) {
             m.pllFlexibleMode = 0;
             m.pllMult = 27;
             pllSysclock(m);
             m.sclkMhz = 108.5;
         },
         {"crm_auto_step_mode_enable(TRUE);", "crm_auto_step_mode_enable(FALSE);"},
         {},
         {},
         {}},
        {"series 21, USB off, CAN1 from PLLU", 21,
         [](ClockTreeModel &m) {
             m.usbDisabled = 1;
             m.can1Enabled = true;
             m.can1ClockSource = 1;
             m.pllFu = 20;
             pllSysclock(m);
         },
         {"crm_pllu_output_set(TRUE);", "crm_pllu_div_set(CRM_PLL_FU_20);"},
         {"CRM_USB_CLOCK_SOURCE_PLLU", "CRM_PLL_FU_18"},
         {"crm_can_clock_select(CRM_CAN1, CRM_CAN_CLOCK_SOURCE_PLLU);", "  mx_can_clock_init();\n"},
         {"CRM_CAN2", "CRM_CAN3"}},
        {"series 19 formula line, PLL from HEXT without divider", 19,
         [](ClockTreeModel &m) {
             m.pllMs = 1;
             m.pllNs = 108;
             m.pllFp = 4;
             pllSysclock(m);
         },
         {"  *         system clock (sclk)   = (hext * pll_ns)/(pll_ms * pll_fp)\n"
          "  *         system clock source   = HEXT_VALUE\n",
          "  *         - pll_ns              = 108\n  *         - pll_ms              = 1\n"
          "  *         - pll_fp              = 4\n",
          "crm_pll_config(CRM_PLL_SOURCE_HEXT, 108, 1, CRM_PLL_FP_4);"},
         {"pll_fr"},
         {},
         {}},
        {"191.9999 MHz is written to the Hz", 21,
         [](ClockTreeModel &m) {
             pllSysclock(m);
             m.sclkMhz = 191.9999;
         },
         {"  *         - sclk                = 191999900\n"},
         {},
         {},
         {}},
        {"comment, series 18 PLL output halved", 18,
         [](ClockTreeModel &m) { pllSysclock(m); },
         {"  *         system clock (sclk)   = (hext * pll_ns)/(pll_ms * pll_fr) / 2\n"},
         {},
         {},
         {}},
        {"comment, series 13 PLL from HICK", 13,
         [](ClockTreeModel &m) {
             m.pllSource = 1;
             m.sclkSource = 1;
             m.recompute();
         },
         {"  *         system clock (sclk)   = (hick / 6 * pll_ns)/(pll_ms * pll_fr)\n"
          "  *         system clock source   = HICK_VALUE\n",
          "crm_pll_config(CRM_PLL_SOURCE_HICK, "},
         {"- hext "},
         {},
         {}},
        {"comment, series 18 HICK 48 through its divider", 18,
         [](ClockTreeModel &m) {
             m.sclkSource = 2;
             m.sclkHick48 = 1;
             m.hickDiv = 2;
             m.usbDisabled = 1;
             m.recompute();
         },
         {"  *         system clock (sclk)   = (hick 48 / 2)\n  *         system clock source   = hick\n",
          // The core already runs from HICK: the divider must be in place
          // before 48 MHz is selected.
          "  crm_hick_sclk_div_set(CRM_HICK_SCLK_DIV_2);\n"
          "  /* hick reaches the system clock at 48 mhz instead of 8 mhz */\n"
          "  crm_hick_sclk_frequency_select(CRM_HICK_SCLK_48MHZ);\n\n"},
         {"- hext ", "- pll_", "crm_pll_config", "CRM_SCLK_PLL", "CRM_SCLK_HEXT"},
         {},
         {}},
        {"comment, series 9 multiplier mode wait states", 9,
         [](ClockTreeModel &m) {
             m.pllFlexibleMode = 0;
             m.pllMult = 12;
             pllSysclock(m);
             m.sclkMhz = 96.5;
         },
         {"  *         - pll_mult            = 12\n  *         - flash_wtcyc         = 3 cycle\n  * @param  none\n",
          "flash_psr_set(FLASH_WAIT_CYCLE_3);"},
         {"pll_range"},
         {},
         {}},
        {"dual-mode PLL, multiplier", 5,
         [](ClockTreeModel &m) {
             m.pllFlexibleMode = 0;
             m.pllMult = 18;
             pllSysclock(m);
         },
         {"  crm_pll_config(CRM_PLL_SOURCE_HEXT, CRM_PLL_MULT_18);\n",
          "  *         system clock (sclk)   = hext * pll_mult\n", "  *         - pll_mult            = 18\n"},
         {"crm_pll_config2", "pll_range"},
         {},
         {}},
        {"dual-mode PLL, flexible", 5,
         [](ClockTreeModel &m) {
             m.pllFlexibleMode = 1;
             m.pllMs = 2;
             m.pllNs = 100;
             m.pllFr = 2;
             pllSysclock(m);
         },
         {"  crm_pll_config2(CRM_PLL_SOURCE_HEXT, 100, 2, CRM_PLL_FR_2);\n",
          "  *         system clock (sclk)   = (hext * pll_ns)/(pll_ms * pll_fr)\n"},
         {"CRM_PLL_MULT_", "crm_pll_config("},
         {},
         {}},
        {"series 7 HEXT pre-divider", 7,
         [](ClockTreeModel &m) {
             m.pllFlexibleMode = 0;
             m.pllHextDivEnabled = 1;
             m.hextDiv = 3;
             m.pllMult = 10;
             m.hextMhz = 12.0;
             pllSysclock(m);
         },
         {"  crm_hext_clock_div_set(CRM_HEXT_DIV_3);\n",
          "crm_pll_config(CRM_PLL_SOURCE_HEXT_DIV, CRM_PLL_MULT_10, CRM_PLL_OUTPUT_RANGE_LE72MHZ);",
          "  *         system clock (sclk)   = hext / 3 * pll_mult\n", "  *         - hext                = 12000000\n"},
         {},
         {},
         {}},
        {"series 7 without the pre-divider", 7,
         [](ClockTreeModel &m) {
             m.pllFlexibleMode = 0;
             m.pllHextDivEnabled = 0;
             m.pllMult = 10;
             pllSysclock(m);
         },
         {"crm_pll_config(CRM_PLL_SOURCE_HEXT, CRM_PLL_MULT_10, CRM_PLL_OUTPUT_RANGE_GT72MHZ);"},
         {"crm_hext_clock_div_set"},
         {},
         {}},
        {"series 18, USARTs off with USART3 on LEXT", 18,
         [](ClockTreeModel &m) { m.usart3ClockSource = 3; },
         {},
         {},
         {},
         {"mx_usart_clock_init", "crm_usart_clock_select", "CRM_CLOCK_SOURCE_LEXT"}},
        {"series 18, USART3 on LEXT with bypass", 18,
         [](ClockTreeModel &m) {
             m.usart3Enabled = true;
             m.usart3ClockSource = 3;
             m.lextBypass = true;
         },
         {},
         {},
         {"  crm_lext_bypass(TRUE);\n\n  crm_clock_source_enable(CRM_CLOCK_SOURCE_LEXT, TRUE);",
          "void mx_usart_clock_init(void)\n{\n  crm_usart_clock_select(CRM_USART3, CRM_USART_CLOCK_SOURCE_LEXT);\n}\n",
          "  mx_lext_init();\n  mx_usart_clock_init();\n"},
         {"CRM_USART1", "CRM_USART2"}},
        {"series 16 with USART3 alone keeps the function, not the call", 16,
         [](ClockTreeModel &m) { m.usart3Enabled = true; },
         {},
         {},
         {"void mx_usart_clock_init(void)"},
         {"mx_usart_clock_init();", "crm_usart_clock_select"}},
        {"RTC on LEXT without bypass", 2,
         [](ClockTreeModel &m) {
             m.rtcEnabled = true;
             m.rtcSource = 1;
             m.lextBypass = false;
         },
         {},
         {},
         {"  pwc_battery_powered_domain_access(TRUE);\n  crm_clock_source_enable(CRM_CLOCK_SOURCE_LEXT, TRUE);",
          "  crm_rtc_clock_select(CRM_RTC_CLOCK_LEXT);\n  crm_rtc_clock_enable(TRUE);\n",
          "  mx_lext_init();\n  mx_rtc_clock_init();\n"},
         {"crm_lext_bypass", "CRM_CLOCK_SOURCE_LICK", "CRM_CLOCK_SOURCE_HEXT", "mx_lick_init"}},
        {"RTC on HEXT with bypass, series 21 divider", 21,
         [](ClockTreeModel &m) {
             m.rtcEnabled = true;
             m.rtcSource = 2;
             m.rtcHextDiv = 25;
             m.hextBypass = true;
         },
         {},
         {},
         {"  crm_hext_bypass(TRUE);\n\n  crm_clock_source_enable(CRM_CLOCK_SOURCE_HEXT, TRUE);",
          "  crm_ertc_clock_select(CRM_ERTC_CLOCK_HEXT_DIV_25);\n  crm_ertc_clock_enable(TRUE);\n"},
         {"CRM_CLOCK_SOURCE_LEXT", "CRM_CLOCK_SOURCE_LICK"}},
        {"series 25, CAN on HEXT alone starts HEXT", 25,
         [](ClockTreeModel &m) {
             m.sclkSource = 2;
             m.can1Enabled = true;
             m.can1ClockSource = 0;
             m.recompute();
         },
         {"  crm_clock_source_enable(CRM_CLOCK_SOURCE_HEXT, TRUE);\n  while(crm_hext_stable_wait() == ERROR)"},
         {},
         {"  crm_can_clock_select(CRM_CAN1, CRM_CAN_CLOCK_SOURCE_HEXT);\n"},
         {}},
        {"series 21 with CAN2 off", 21,
         [](ClockTreeModel &m) {
             m.can1Enabled = true;
             m.can1ClockSource = 2;
             m.can3Enabled = true;
             m.can3ClockSource = 0;
         },
         {},
         {},
         {"  crm_can_clock_select(CRM_CAN1, CRM_CAN_CLOCK_SOURCE_PCLK);\n"
          "  crm_can_clock_select(CRM_CAN3, CRM_CAN_CLOCK_SOURCE_HEXT);\n",
          "  mx_can_clock_init();\n"},
         {"CRM_CAN2"}},
        {"clock-out on pin 0", 4,
         [](ClockTreeModel &m) {
             m.clkoutPin = 0;
             m.rtcEnabled = true;
         },
         {},
         {},
         {"  nvic_priority_group_config(NVIC_PRIORITY_GROUP_4);\n\n  mx_lick_init();\n  mx_rtc_clock_init();\n"
          "  while(1)\n"},
         {"mx_clkout_init", "crm_clock_out_set"}},
        // A clock output on a low-speed oscillator has it started first,
        // once, however many features use it.
        {"series 20 clock-out and RTC on LEXT", 20,
         [](ClockTreeModel &m) {
             m.clkoutPin = 1;
             m.clkoutSource = 2;
             m.rtcEnabled = true;
             m.rtcSource = 1;
         },
         {},
         {},
         {"  mx_lext_init();\n  mx_clkout_init();\n  mx_rtc_clock_init();\n", "crm_clock_out_set(CRM_CLKOUT_LEXT);",
          "  crm_ertc_clock_select(CRM_ERTC_CLOCK_LEXT);\n  crm_ertc_clock_enable(TRUE);\n"},
         {"mx_lick_init"}},
        {"series 13 clock-out 2 on LICK", 13,
         [](ClockTreeModel &m) {
             m.clkout1Pin = 0;
             m.clkout2Pin = 1;
             m.clkout2Source = 6;
         },
         {},
         {},
         {"void mx_lick_init(void)\n{\n  crm_clock_source_enable(CRM_CLOCK_SOURCE_LICK, TRUE);",
          "  mx_lick_init();\n  mx_clkout2_init();\n", "crm_clock_out2_set(CRM_CLKOUT2_LICK);"},
         {"mx_lext_init", "mx_rtc_clock_init"}},
        {"clock-out on PB13 of series 16", 16,
         [](ClockTreeModel &m) {
             m.clkoutPin = 3;
             m.clkoutSource = 5;
             m.clkoutDiv = 16;
         },
         {},
         {},
         {"crm_periph_clock_enable(CRM_GPIOB_PERIPH_CLOCK, TRUE);", "gpio_init_struct.gpio_pins = GPIO_PINS_13;",
          "gpio_init(GPIOB, &gpio_init_struct);", "gpio_pin_mux_config(GPIOB, GPIO_PINS_SOURCE13, GPIO_MUX_3);",
          "crm_clock_out_set(CRM_CLKOUT_SCLK);", "crm_clkout_div_set(CRM_CLKOUT_DIV_16);", "  mx_clkout_init();\n"},
         {}},
        {"series 13 clock-out 1 on PE4", 13,
         [](ClockTreeModel &m) {
             m.clkout1Pin = 2;
             m.clkout1Source = 3;
             m.clkout1Div1 = 2;
             m.clkout1Div2 = 4;
             m.clkout2Pin = 0;
         },
         {},
         {},
         {"crm_periph_clock_enable(CRM_GPIOE_PERIPH_CLOCK, TRUE);", "gpio_init_struct.gpio_pins = GPIO_PINS_4;",
          "gpio_init(GPIOE, &gpio_init_struct);", "gpio_pin_mux_config(GPIOE, GPIO_PINS_SOURCE4, GPIO_MUX_0);",
          "crm_clock_out1_set(CRM_CLKOUT1_PLL);",
          "crm_clkout_div_set(CRM_CLKOUT_INDEX_1, CRM_CLKOUT_DIV1_2, CRM_CLKOUT_DIV2_4);", "  mx_clkout1_init();\n"},
         {"mx_clkout2_init", "CRM_GPIOC_PERIPH_CLOCK"}},
    };
    return cases;
}

} // namespace

class TestGeneratorSeries : public QObject
{
    Q_OBJECT

private slots:
    void edgeCases_data();
    void edgeCases();
    void series22LikeItsNeighbours();
    void unknownIndexWritesTemplatesUnchanged();
};

void TestGeneratorSeries::edgeCases_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < seriesCases().size(); ++i)
        QTest::newRow(seriesCases().at(i).name) << i;
}

void TestGeneratorSeries::edgeCases()
{
    QFETCH(int, row);
    const SeriesCase &c = seriesCases().at(row);
    ClockTreeModel model(c.series);
    c.setup(model);

    const Generated out = generate(model, stemOf(c.series));
    QVERIFY(out.ok);
    for (const QString *text : {&out.clock, &out.main}) {
        QVERIFY2(!text->contains(QLatin1String("[#")) && !text->contains(QLatin1String("[/#")), qPrintable(*text));
    }
    for (const QString &s : c.clockHas)
        QVERIFY2(out.clock.contains(s), qPrintable(QStringLiteral("clock source lacks:\n") + s));
    for (const QString &s : c.clockLacks)
        QVERIFY2(!out.clock.contains(s), qPrintable(QStringLiteral("clock source has:\n") + s));
    for (const QString &s : c.mainHas)
        QVERIFY2(out.main.contains(s), qPrintable(QStringLiteral("main program lacks:\n") + s));
    for (const QString &s : c.mainLacks)
        QVERIFY2(!out.main.contains(s), qPrintable(QStringLiteral("main program has:\n") + s));
}

void TestGeneratorSeries::series22LikeItsNeighbours()
{
    auto configure = [](ClockTreeModel &m) {
        m.usbDisabled = 0;
        m.usbFromHick = 0;
        m.can1Enabled = true;
        m.can1ClockSource = 1;
        m.can2Enabled = true;
        m.can2ClockSource = 1;
        m.clkoutPin = 4;
        m.clkoutSource = 10;
        m.i2sf5Enabled = true;
        m.apb3Div = 4;
        pllSysclock(m);
    };
    QList<Generated> outputs;
    for (int series : {21, 22, 23}) {
        ClockTreeModel model(series);
        configure(model);
        outputs.append(generate(model, QStringLiteral("kytor9x0")));
        QVERIFY(outputs.last().ok);
    }
    QCOMPARE(outputs.at(1).clock, outputs.at(0).clock);
    QCOMPARE(outputs.at(1).main, outputs.at(0).main);
    QCOMPARE(outputs.at(1).clock, outputs.at(2).clock);
    QCOMPARE(outputs.at(1).main, outputs.at(2).main);
    QVERIFY(outputs.at(1).main.contains(QLatin1String("crm_can_clock_select(CRM_CAN2, CRM_CAN_CLOCK_SOURCE_PLLU);")));
    QVERIFY(outputs.at(1).clock.contains(QLatin1String("crm_apb3_div_set(CRM_APB3_DIV_4);")));
}

void TestGeneratorSeries::unknownIndexWritesTemplatesUnchanged()
{
    ClockTreeModel model(3);
    const Generated out = generate(model, QStringLiteral("kytor620"));
    QVERIFY(out.ok);
    QCOMPARE(out.clock, resourceLf(QStringLiteral("kytor620_clock.c")));
    QCOMPARE(out.main, resourceLf(QStringLiteral("kytor620_main.c")));
}

QTEST_MAIN(TestGeneratorSeries)
#include "tst_model_generatorseries.moc"
