// The template mark-up engine, driven through the generator's processors on
// tiny inline texts: keep and drop rules, call rewriting and the HEXT_VALUE
// define.

#include "ClockTreeModel.h"
#include "SourceGenerator.h"
#include "TemplateMarkup.h"

#include <QtTest>

#include <functional>

namespace {

struct MarkupCase {
    const char *name;
    int series;
    std::function<void(ClockTreeModel &)> setup;
    SourceGenerator::Processor processor;
    QString input;
    bool ok;
    QString output;   // ignored when !ok: a failing processor leaves the text alone
};

using S = SourceGenerator;

void nothing(ClockTreeModel &) {}

const QString twoAhbSteps = QStringLiteral(
    "  crm_ahb_div_set(CRM_AHB_DIV_8);\n"
    "  switch_clock();\n"
    "  crm_ahb_div_set(CRM_AHB_DIV_2);\n"
    "  crm_ahb_div_set(CRM_AHB_DIV_1)\n"
    "done();\n");

const QString r620Sysclock = QStringLiteral(
    "[#pll sysclock]\n"
    "[#sysclock < 168]\n"
    "  direct();\n"
    "[/#sysclock < 168]\n"
    "[#sysclock >= 168]\n"
    "  stepwise();\n"
    "[/#sysclock >= 168]\n"
    "[/#pll sysclock]\n"
    "after();\n");

const QString hextDefine = QStringLiteral(
    "#define HEXT_VALUE               ((uint32_t)8000000) /* crystal in Hz */\n");
const QString hext12Define = QStringLiteral("#define  HEXT_VALUE\t((uint32_t)12000000)\n");

// The configuration comment block as a template holds it, and the lines
// that every configuration gets around the generated ones.
const QString commentTemplate = QStringLiteral(
    "/**\n"
    "  * @brief  system clock config program\n"
    "  * @note   written by the generator\n"
    "  * @param  none\n"
    "  * @retval none\n"
    "  */\n"
    "void system_clock_config(void)\n");

QString expectedComment(const QString &lines)
{
    return QStringLiteral("/**\n"
                          "  * @brief  system clock config program\n"
                          "  * @note   the system clock is configured as follow:\n")
           + lines
           + QStringLiteral("  * @param  none\n"
                            "  * @retval none\n"
                            "  */\n"
                            "void system_clock_config(void)\n");
}

const QList<MarkupCase> &markupCases()
{
    static const QList<MarkupCase> cases{
        {"keep leaves one empty line, whatever followed", 4, [](ClockTreeModel &m) { m.sclkSource = 2; },
         &S::fillEnableHick,
         "a\n[#enable hick]\n  hick_on();\n  wait();\n[/#enable hick]\n\n\n\nb\n", true,
         "a\n  hick_on();\n  wait();\n\nb\n"},
        {"keep with a single line end after the mark", 4, [](ClockTreeModel &m) { m.sclkSource = 2; },
         &S::fillEnableHick, "a\n[#enable hick]\n  hick_on();\n[/#enable hick]\nb\n", true,
         "a\n  hick_on();\n\nb\n"},
        {"keep without the extra line end", 4, [](ClockTreeModel &m) { m.rtcSource = 0; }, &S::fillRtcLick,
         "x\n[#rtc lick]\n  lick();\n[/#rtc lick]\n\n\ny\n", true, "x\n  lick();\ny\n"},
        {"drop leaves nothing, not even blank lines", 4, [](ClockTreeModel &m) { m.hextBypass = false; },
         &S::fillHextBypass, "a\n[#hext bypass]\n  bypass();\n[/#hext bypass]\n\n\nb\n", true, "a\nb\n"},
        {"missing section", 4, nothing, &S::fillHextBypass, "a\nb\n", false, {}},
        {"misspelled section", 4, nothing, &S::fillHextBypass,
         "[#hext  bypass]\n  bypass();\n[/#hext  bypass]\n", false, {}},
        {"empty section counts as missing", 4, nothing, &S::fillHextBypass,
         "a\n[#hext bypass]\n[/#hext bypass]\nb\n", false, {}},
        {"closing mark without its line end counts as missing", 4, nothing, &S::fillHextBypass,
         "[#hext bypass]\n  bypass();\n[/#hext bypass]", false, {}},
        {"a name used twice spans first opening to last closing mark", 4, nothing, &S::fillHextBypass,
         "[#hext bypass]\none();\n[/#hext bypass]\nmiddle();\n[#hext bypass]\ntwo();\n[/#hext bypass]\nend();\n",
         true, "end();\n"},
        {"marks are case-sensitive", 4, nothing, &S::fillHextBypass,
         "[#HEXT bypass]\n  bypass();\n[/#HEXT bypass]\n", false, {}},
        {"a body is copied literally, back-references included", 4, [](ClockTreeModel &m) { m.sclkSource = 2; },
         &S::fillEnableHick, "[#enable hick]\n  puts(\"\\1 $1 \\\\0\");\n[/#enable hick]\n", true,
         "  puts(\"\\1 $1 \\\\0\");\n\n"},
        {"name with < kept below 168 MHz", 2, [](ClockTreeModel &m) { m.sclkSource = 1; m.sclkMhz = 167.999; },
         &S::fillPllSysclock, r620Sysclock, true, "  direct();\n\n\nafter();\n"},
        {"name with >= kept at exactly 168 MHz", 2, [](ClockTreeModel &m) { m.sclkSource = 1; m.sclkMhz = 168.0; },
         &S::fillPllSysclock, r620Sysclock, true, "  stepwise();\n\n\nafter();\n"},
        {"nested sections required when the parent is kept", 2,
         [](ClockTreeModel &m) { m.sclkSource = 1; m.sclkMhz = 200.0; }, &S::fillPllSysclock,
         "[#pll sysclock]\n  direct();\n[/#pll sysclock]\n", false, {}},
        {"nested sections not needed when the parent goes", 2, [](ClockTreeModel &m) { m.sclkSource = 2; },
         &S::fillPllSysclock, "[#pll sysclock]\n  direct();\n[/#pll sysclock]\nafter();\n", true, "after();\n"},
        {"auto step dropped at exactly 108 MHz", 4, [](ClockTreeModel &m) { m.sclkMhz = 108.0; },
         &S::fillAutoStepMode,
         "[#enable auto step mode]\n  on();\n[/#enable auto step mode]\nmid();\n"
         "[#disable auto step mode]\n  off();\n[/#disable auto step mode]\n",
         true, "mid();\n"},
        {"auto step kept above 108 MHz", 4, [](ClockTreeModel &m) { m.sclkMhz = 108.001; }, &S::fillAutoStepMode,
         "[#enable auto step mode]\n  on();\n[/#enable auto step mode]\nmid();\n"
         "[#disable auto step mode]\n  off();\n[/#disable auto step mode]\n",
         true, "  on();\n\nmid();\n  off();\n\n"},
        {"a call without ; gets one", 4, [](ClockTreeModel &m) { m.apb1Div = 4; }, &S::fillApb1Div,
         "  crm_apb1_div_set(CRM_APB1_DIV_1)\n", true, "  crm_apb1_div_set(CRM_APB1_DIV_4);\n"},
        {"every occurrence rewritten", 4, [](ClockTreeModel &m) { m.apb2Div = 16; }, &S::fillApb2Div,
         "crm_apb2_div_set(CRM_APB2_DIV_1);\nx();\ncrm_apb2_div_set( CRM_APB2_DIV_2);\n", true,
         "crm_apb2_div_set(CRM_APB2_DIV_16);\nx();\ncrm_apb2_div_set(CRM_APB2_DIV_16);\n"},
        {"a wrong arity counts as absent", 4, nothing, &S::fillApb1Div,
         "  crm_apb1_div_set(CRM_APB1_DIV_1, 2);\n", false, {}},
        {"an expression argument counts as absent", 4, nothing, &S::fillApb1Div,
         "  crm_apb1_div_set((crm_apb1_div_type)1);\n", false, {}},
        {"missing blank after a comma counts as absent", 2,
         [](ClockTreeModel &m) { m.sclkSource = 1; m.pllFlexibleMode = 0; m.pllMult = 25; },
         &S::fillPllNormal, "crm_pll_config(CRM_PLL_SOURCE_HEXT,CRM_PLL_MULT_2, CRM_PLL_OUTPUT_RANGE_LE72MHZ);\n",
         false, {}},
        {"only the last crm_ahb_div_set is rewritten", 4, [](ClockTreeModel &m) { m.ahbDiv = 4; }, &S::fillAhbDiv,
         twoAhbSteps, true,
         "  crm_ahb_div_set(CRM_AHB_DIV_8);\n  switch_clock();\n  crm_ahb_div_set(CRM_AHB_DIV_2);\n"
         "  crm_ahb_div_set(CRM_AHB_DIV_4);\ndone();\n"},
        {"no crm_ahb_div_set", 4, nothing, &S::fillAhbDiv, "crm_apb1_div_set(CRM_APB1_DIV_1);\n", false, {}},
        {"HEXT_VALUE 12.0", 4, [](ClockTreeModel &m) { m.hextMhz = 12.0; }, &S::fillHextValueDefine, hextDefine,
         true, "#define HEXT_VALUE               ((uint32_t)12000000) /* crystal in Hz */\n"},
        {"HEXT_VALUE 8.5", 4, [](ClockTreeModel &m) { m.hextMhz = 8.5; }, &S::fillHextValueDefine, hextDefine,
         true, "#define HEXT_VALUE               ((uint32_t)8500000) /* crystal in Hz */\n"},
        {"HEXT_VALUE 7.9999999 rounds to six decimals first", 4, [](ClockTreeModel &m) { m.hextMhz = 7.9999999; },
         &S::fillHextValueDefine, hextDefine, true,
         "#define HEXT_VALUE               ((uint32_t)8000000) /* crystal in Hz */\n"},
        {"HEXT_VALUE 1.001 keeps its last Hz", 4, [](ClockTreeModel &m) { m.hextMhz = 1.001; },
         &S::fillHextValueDefine, hextDefine, true,
         "#define HEXT_VALUE               ((uint32_t)1001000) /* crystal in Hz */\n"},
        {"HEXT_VALUE of a 12 MHz template, series 19", 19, [](ClockTreeModel &m) { m.hextMhz = 25.0; },
         &S::fillHextValueDefine, hext12Define, true, "#define  HEXT_VALUE\t((uint32_t)25000000)\n"},
        {"HEXT_VALUE of a 12 MHz template, series 20", 20, [](ClockTreeModel &m) { m.hextMhz = 8.0; },
         &S::fillHextValueDefine, hext12Define, true, "#define  HEXT_VALUE\t((uint32_t)8000000)\n"},
        {"HEXT_VALUE of a 12 MHz template, series 30", 30, [](ClockTreeModel &m) { m.hextMhz = 12.0; },
         &S::fillHextValueDefine, hext12Define, true, "#define  HEXT_VALUE\t((uint32_t)12000000)\n"},
        {"series 30 does not recognise the 8 MHz default", 30, nothing, &S::fillHextValueDefine, hextDefine,
         false, {}},
        {"series 2 does not recognise the 12 MHz default", 2, nothing, &S::fillHextValueDefine, hext12Define,
         false, {}},
        {"init call removed with the next line's indent", 4, [](ClockTreeModel &m) { m.clkoutPin = 0; m.rtcEnabled = true; m.adcEnabled = true; },
         &S::removeUnusedInitCalls,
         "  mx_lick_init();\n  mx_lext_init();\n  mx_clkout_init();\n\n  mx_rtc_clock_init();\n  mx_adc_clock_init();\n\n"
         "  while(1)\n",
         true, "  mx_lick_init();\n  mx_rtc_clock_init();\n  mx_adc_clock_init();\n\n  while(1)\n"},
        {"last init call removed before the loop", 4, [](ClockTreeModel &m) { m.clkoutPin = 1; m.rtcEnabled = true; },
         &S::removeUnusedInitCalls,
         "  mx_lick_init();\n  mx_lext_init();\n  mx_clkout_init();\n  mx_rtc_clock_init();\n  mx_adc_clock_init();\n\n"
         "  while(1)\n",
         true, "  mx_lick_init();\n  mx_clkout_init();\n  mx_rtc_clock_init();\n  while(1)\n"},
        {"a kept init call must still be there", 4, [](ClockTreeModel &m) { m.clkoutPin = 1; },
         &S::removeUnusedInitCalls,
         "  mx_lick_init();\n  mx_lext_init();\n  mx_rtc_clock_init();\n  mx_adc_clock_init();\n  while(1)\n", false, {}},
        {"comment, multiplier PLL from HEXT above 72 MHz", 2,
         [](ClockTreeModel &m) {
             m.pllFlexibleMode = 0;
             m.sclkSource = 1;
             m.pllMult = 25;
             m.usbDisabled = 1;
             m.recompute();
         },
         &S::fillClockConfigComment, commentTemplate, true,
         expectedComment(QStringLiteral("  *         system clock (sclk)   = hext * pll_mult\n"
                                        "  *         system clock source   = HEXT_VALUE\n"
                                        "  *         - hext                = 8000000\n"
                                        "  *         - sclk                = 200000000\n"
                                        "  *         - ahbdiv              = 1\n"
                                        "  *         - ahbclk              = 200000000\n"
                                        "  *         - apb1div             = 2\n"
                                        "  *         - apb1clk             = 100000000\n"
                                        "  *         - apb2div             = 2\n"
                                        "  *         - apb2clk             = 100000000\n"
                                        "  *         - pll_mult            = 25\n"
                                        "  *         - pll_range           = GT72MHZ (greater than 72 mhz)\n"))},
        {"comment, multiplier PLL from HICK at exactly 72 MHz", 7,
         [](ClockTreeModel &m) {
             m.pllFlexibleMode = 0;
             m.sclkSource = 1;
             m.pllSource = 1;
             m.pllMult = 18;
             m.usbDisabled = 1;
             m.ahbDiv = 2;
             m.recompute();
         },
         &S::fillClockConfigComment, commentTemplate, true,
         expectedComment(QStringLiteral("  *         system clock (sclk)   = hick / 12 * pll_mult\n"
                                        "  *         system clock source   = HICK_VALUE\n"
                                        "  *         - sclk                = 72000000\n"
                                        "  *         - ahbdiv              = 2\n"
                                        "  *         - ahbclk              = 36000000\n"
                                        "  *         - apb1div             = 1\n"
                                        "  *         - apb1clk             = 36000000\n"
                                        "  *         - apb2div             = 1\n"
                                        "  *         - apb2clk             = 36000000\n"
                                        "  *         - pll_mult            = 18\n"
                                        "  *         - pll_range           = LE72MHZ (less than 72 mhz or equal to 72 mhz)\n"))},
        {"comment, HICK 48 through its divider, PLL idle", 20,
         [](ClockTreeModel &m) {
             m.sclkSource = 2;
             m.sclkHick48 = 1;
             m.hickDiv = 2;
             m.usbDisabled = 1;
             m.recompute();
         },
         &S::fillClockConfigComment, commentTemplate, true,
         expectedComment(QStringLiteral("  *         system clock (sclk)   = (hick 48 / 2)\n"
                                        "  *         system clock source   = hick\n"
                                        "  *         - sclk                = 24000000\n"
                                        "  *         - ahbdiv              = 1\n"
                                        "  *         - ahbclk              = 24000000\n"
                                        "  *         - apb1div             = 1\n"
                                        "  *         - apb1clk             = 24000000\n"
                                        "  *         - apb2div             = 1\n"
                                        "  *         - apb2clk             = 24000000\n"))},
        {"comment block missing", 2, nothing, &S::fillClockConfigComment,
         "/**\n  * @brief  system clock config\n  * @retval none\n  */\n", false, {}},
        {"series 30 has no ADC init call to remove", 30, nothing, &S::removeUnusedInitCalls,
         "  mx_lick_init();\n  mx_lext_init();\n  mx_clkout_init();\n  mx_rtc_clock_init();\n  mx_i2sf5_clock_init();\n"
         "  while(1)\n",
         true,
         "  while(1)\n"},
    };
    return cases;
}

} // namespace

class TestSourceGeneratorMarkup : public QObject
{
    Q_OBJECT

private slots:
    void processors_data();
    void processors();
    void sectionPatternIsGreedyAcrossLines();
    void lastCallRewriteKeepsEarlierShapes();
    void clockValuesInWholeHertz_data();
    void clockValuesInWholeHertz();
};

void TestSourceGeneratorMarkup::processors_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < markupCases().size(); ++i)
        QTest::newRow(markupCases().at(i).name) << i;
}

void TestSourceGeneratorMarkup::processors()
{
    QFETCH(int, row);
    const MarkupCase &c = markupCases().at(row);
    ClockTreeModel model(c.series);
    c.setup(model);
    SourceGenerator generator(model);

    QString text = c.input;
    const bool ok = (generator.*c.processor)(text);
    QCOMPARE(ok, c.ok);
    if (ok)
        QCOMPARE(text, c.output);
    else
        QCOMPARE(text, c.input);
}

void TestSourceGeneratorMarkup::sectionPatternIsGreedyAcrossLines()
{
    QString body;
    const QString text = QStringLiteral("[#a]\nx\n[#b]\ny\n[/#b]\n[/#a]\n\nz\n");
    QVERIFY(TemplateMarkup::findSection(text, QStringLiteral("a"), &body));
    QCOMPARE(body, QStringLiteral("x\n[#b]\ny\n[/#b]\n"));

    // A nested section is found inside its parent's body only.
    QString edited = body;
    QVERIFY(TemplateMarkup::dropSection(edited, QStringLiteral("b")));
    QCOMPARE(edited, QStringLiteral("x\n"));

    // An indented mark still matches; its indent stays in front of the body.
    const QString indented = QStringLiteral("  [#a]\nx\n[/#a]\n");
    QString kept = indented;
    QVERIFY(TemplateMarkup::keepSection(kept, QStringLiteral("a")));
    QCOMPARE(kept, QStringLiteral("  x\n\n"));
}

void TestSourceGeneratorMarkup::lastCallRewriteKeepsEarlierShapes()
{
    QString text = QStringLiteral("f(A);\nf(B)\nf(C);\n");
    QVERIFY(TemplateMarkup::rewriteLastCall(text, QStringLiteral("f"), QStringLiteral("(\\s*\\w+)"),
                                            {QStringLiteral("Z")}));
    QCOMPARE(text, QStringLiteral("f(A);\nf(B)\nf(Z);\n"));
}

void TestSourceGeneratorMarkup::clockValuesInWholeHertz_data()
{
    QTest::addColumn<double>("mhz");
    QTest::addColumn<qint64>("hz");
    QTest::newRow("191.9999 MHz") << 191.9999 << qint64(191999900);
    QTest::newRow("37.5 MHz") << 37.5 << qint64(37500000);
    QTest::newRow("33.3333 MHz") << 33.3333 << qint64(33333300);
    QTest::newRow("1.001 MHz, no Hz lost") << 1.001 << qint64(1001000);
    QTest::newRow("12.3456789 MHz, rounded") << 12.3456789 << qint64(12345679);
    QTest::newRow("191.99999999997 MHz") << 191.99999999997 << qint64(192000000);
    // HEXT 8 /32 /512 and HICK 8 /16 /512 /16: under a kHz, still a clock.
    QTest::newRow("8 MHz / 32 / 512") << 8.0 / 32 / 512 << qint64(488);
    QTest::newRow("0.5 MHz / 512 / 16") << 0.5 / 512 / 16 << qint64(61);
    QTest::newRow("0") << 0.0 << qint64(0);
    // No frequency, and no overflow on the way to Hz.
    QTest::newRow("nan") << qQNaN() << qint64(0);
    QTest::newRow("inf") << qInf() << qint64(0);
    QTest::newRow("-inf") << -qInf() << qint64(0);
    QTest::newRow("1e308") << 1e308 << qint64(0);
}

void TestSourceGeneratorMarkup::clockValuesInWholeHertz()
{
    QFETCH(double, mhz);
    QFETCH(qint64, hz);
    QCOMPARE(SourceGenerator::clockHz(mhz), hz);
}

QTEST_MAIN(TestSourceGeneratorMarkup)
#include "tst_model_sourcegenerator.moc"
