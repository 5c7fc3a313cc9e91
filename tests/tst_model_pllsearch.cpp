#include "ClockTreeModel.h"
#include "tst_model_clocktreemodel_fields.h"

#include <QtTest>

// PLL factor windows, the searches with their tie order, the recompute
// operations that run them, and the checks of typed factors.
class TestPllSearch : public QObject
{
    Q_OBJECT

private slots:
    void validMsRange_data();
    void validMsRange();
    void validNsRange_data();
    void validNsRange();
    void searchPllForSclk_data();
    void searchPllForSclk();
    void searchPllForUsb_data();
    void searchPllForUsb();
    void recomputeFromPll_data();
    void recomputeFromPll();
    void fitStaysWithinLimit_data();
    void fitStaysWithinLimit();
    void recomputeUsb_data();
    void recomputeUsb();
    void fixPllMs_data();
    void fixPllMs();
    void fixPllNs_data();
    void fixPllNs();
};

void TestPllSearch::validMsRange_data()
{
    QTest::addColumn<double>("in");
    QTest::addColumn<int>("minMs");
    QTest::addColumn<int>("maxMs");

    QTest::newRow("8 MHz") << 8.0 << 1 << 4;
    QTest::newRow("4 MHz") << 4.0 << 1 << 2;
    QTest::newRow("12 MHz") << 12.0 << 1 << 6;
    QTest::newRow("48 MHz, 16 and 2 inclusive") << 48.0 << 3 << 15;
    QTest::newRow("1 MHz, nothing qualifies") << 1.0 << 1 << 15;
    QTest::newRow("0 MHz, nothing qualifies") << 0.0 << 1 << 15;
}

void TestPllSearch::validMsRange()
{
    QFETCH(double, in);
    QFETCH(int, minMs);
    QFETCH(int, maxMs);

    const ClockTreeModel m(7);
    int maxOut = -1;
    int minOut = -1;
    m.validMsRange(in, maxOut, minOut);
    QCOMPARE(minOut, minMs);
    QCOMPARE(maxOut, maxMs);
}

void TestPllSearch::validNsRange_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<double>("in");
    QTest::addColumn<double>("ms");
    QTest::addColumn<int>("minNs");
    QTest::addColumn<int>("maxNs");

    QTest::newRow("8 MHz, ms 1") << 7 << "" << 8.0 << 1.0 << 63 << 125;
    QTest::newRow("VCO up to 1200, index 13") << 13 << "" << 8.0 << 1.0 << 63 << 150;
    QTest::newRow("960 while USB runs from the PLL, index 20") << 20 << "" << 8.0 << 1.0 << 63 << 120;
    QTest::newRow("1000 with USB off, index 20") << 20 << "usbDisabled=1" << 8.0 << 1.0 << 63 << 125;
    QTest::newRow("1000 with USB from HICK, index 20") << 20 << "usbFromHick=1" << 8.0 << 1.0 << 63 << 125;
    QTest::newRow("960 overrides 1200, index 22") << 22 << "" << 8.0 << 1.0 << 63 << 120;
    QTest::newRow("1200 with USB off, index 22") << 22 << "usbDisabled=1" << 8.0 << 1.0 << 63 << 150;
    QTest::newRow("USB no matter outside fp/fu, index 7") << 7 << "usbDisabled=0" << 8.0 << 3.0 << 188 << 375;
    QTest::newRow("nothing qualifies") << 7 << "" << 0.5 << 1.0 << 31 << 500;
}

void TestPllSearch::validNsRange()
{
    QFETCH(int, index);
    QFETCH(QString, setup);
    QFETCH(double, in);
    QFETCH(double, ms);
    QFETCH(int, minNs);
    QFETCH(int, maxNs);

    ClockTreeModel m(index);
    ModelFields::apply(m, setup);
    int maxOut = -1;
    int minOut = -1;
    m.validNsRange(in, ms, maxOut, minOut);
    QCOMPARE(minOut, minNs);
    QCOMPARE(maxOut, maxNs);
}

void TestPllSearch::searchPllForSclk_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<double>("in");
    QTest::addColumn<QString>("expected");

    QTest::newRow("index 30, 216 exact through fp")
        << 30 << "sclkMhz=216" << 8.0 << "pllMs=1 pllNs=108 pllFp=4 pllFr=0 pllMhz=216 sclkMhz=216";
    QTest::newRow("index 5, 62.5: divider 16 before 8")
        << 5 << "sclkMhz=62.5" << 8.0 << "pllMs=1 pllNs=125 pllFr=16 pllFp=0 pllMhz=62.5 sclkMhz=62.5";
    QTest::newRow("index 18 aims at twice SCLK")
        << 18 << "sclkMhz=100" << 8.0 << "pllMs=1 pllNs=100 pllFr=4 pllFp=0 pllMhz=200 sclkMhz=100";
    QTest::newRow("index 20 capped at 216")
        << 20 << "sclkMhz=300" << 8.0 << "pllMs=1 pllNs=108 pllFp=4 pllFr=0 pllMhz=216 sclkMhz=216";
    QTest::newRow("index 7, 4 MHz HICK reference")
        << 7 << "sclkMhz=240" << 4.0 << "pllMs=1 pllNs=240 pllFr=4 pllMhz=240 sclkMhz=240";
    QTest::newRow("inexact target keeps the nearest, index 7")
        << 7 << "sclkMhz=100.3" << 8.0 << "pllMs=3 pllNs=301 pllFr=8";
    QTest::newRow("no series: target 0, lowest output")
        << 0 << "sclkMhz=100" << 8.0 << "pllMs=2 pllNs=125 pllFr=32 pllMhz=15.625 sclkMhz=15.625";
}

void TestPllSearch::searchPllForSclk()
{
    QFETCH(int, index);
    QFETCH(QString, setup);
    QFETCH(double, in);
    QFETCH(QString, expected);

    ClockTreeModel m(index);
    ModelFields::apply(m, setup);
    m.searchPllForSclk(in);
    VERIFY_MODEL_FIELDS(m, expected);
}

void TestPllSearch::searchPllForUsb_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<double>("in");
    QTest::addColumn<QString>("expected");

    QTest::newRow("index 20, SCLK from the PLL at 216")
        << 20 << "pllFu=18 sclkSource=1 sclkMhz=216" << 8.0
        << "pllMs=1 pllNs=108 pllFp=4 pllFr=0 pllMhz=216 sclkMhz=216";
    QTest::newRow("index 20, SCLK from HICK aims at 192")
        << 20 << "pllFu=18 sclkSource=2 sclkMhz=8" << 8.0
        << "pllMs=1 pllNs=108 pllFp=4 pllFr=0 pllMhz=216 sclkMhz=8";
    QTest::newRow("index 20, fu 20 at SCLK 100 picks the nearest fp")
        << 20 << "pllFu=20 sclkSource=1 sclkMhz=100" << 8.0
        << "pllMs=1 pllNs=120 pllFp=10 pllMhz=96 sclkMhz=96";
    QTest::newRow("index 13, usbDiv 1")
        << 13 << "usbDiv=1 sclkSource=2" << 8.0 << "pllMs=1 pllNs=96 pllFr=16 pllFp=0 pllMhz=48";
    QTest::newRow("index 7, usbDiv 1.5")
        << 7 << "usbDiv=1.5 sclkSource=2" << 8.0 << "pllMs=1 pllNs=72 pllFr=8 pllFp=0 pllMhz=72";
    QTest::newRow("index 18, SCLK from the PLL is half")
        << 18 << "usbDiv=5 sclkSource=1 sclkMhz=120" << 8.0 << "pllMs=1 pllNs=120 pllFr=4 pllMhz=240 sclkMhz=120";
}

void TestPllSearch::searchPllForUsb()
{
    QFETCH(int, index);
    QFETCH(QString, setup);
    QFETCH(double, in);
    QFETCH(QString, expected);

    ClockTreeModel m(index);
    ModelFields::apply(m, setup);
    m.searchPllForUsb(in);
    VERIFY_MODEL_FIELDS(m, expected);
}

void TestPllSearch::recomputeFromPll_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("expected");

    // USB divider choice after the fit (multiplier PLL on index 7, 8 MHz HEXT)
    const QString mult7 = QStringLiteral("pllFlexibleMode=0 sclkSource=1 ");
    QTest::newRow("index 7 at 144: usbDiv 3")
        << 7 << mult7 + "sclkMhz=144" << "pllMult=18 sclkMhz=144 usbDiv=3 usbMhz=48";
    QTest::newRow("index 7 at 72: usbDiv 1.5")
        << 7 << mult7 + "sclkMhz=72" << "pllMult=9 usbDiv=1.5 usbMhz=48";
    QTest::newRow("index 7 at 240: 5 clamped to 4")
        << 7 << mult7 + "sclkMhz=240" << "pllMult=30 usbDiv=4 usbMhz=60";
    QTest::newRow("index 7 typed 100 snaps to 104, divider stays")
        << 7 << mult7 + "sclkMhz=100 usbDiv=2.5" << "pllMult=13 sclkMhz=104 pllMhz=104 usbDiv=2.5 usbMhz=41.6";
    QTest::newRow("index 7, stale divider still clamped")
        << 7 << mult7 + "sclkMhz=100 usbDiv=6" << "usbDiv=4 usbMhz=26";
    QTest::newRow("index 7, USB off: divider untouched")
        << 7 << mult7 + "sclkMhz=144 usbDisabled=1 usbDiv=1 usbMhz=5" << "usbDiv=1 usbMhz=5";
    QTest::newRow("index 2, USB from HICK flag: divider untouched")
        << 2 << mult7 + "sclkMhz=144 usbFromHick=1 usbDiv=1.5 usbMhz=5" << "usbDiv=1.5 usbMhz=5";
    QTest::newRow("index 9 has no USB")
        << 9 << mult7 + "sclkMhz=96 usbDiv=1 usbMhz=5" << "pllMult=12 usbDiv=1 usbMhz=5";
    QTest::newRow("index 13 allows up to 7")
        << 13 << "sclkSource=1 sclkMhz=288" << "pllMs=1 pllNs=144 pllFr=4 sclkMhz=288 usbDiv=6 usbMhz=48";
    QTest::newRow("index 18 at 120: usbDiv 5")
        << 18 << "sclkSource=1 sclkMhz=120" << "pllMhz=240 sclkMhz=120 usbDiv=5 usbMhz=48";
    QTest::newRow("index 18 low divider clamped to 2")
        << 18 << "sclkSource=1 sclkMhz=24 usbDiv=1" << "sclkMhz=24 usbDiv=2 usbMhz=24";
    QTest::newRow("index 20 at 216: pllFu 18")
        << 20 << "sclkSource=1 sclkMhz=216" << "pllFp=4 pllFu=18 usbMhz=48";
    QTest::newRow("index 20 at 180: 15 becomes 16")
        << 20 << "sclkSource=1 sclkMhz=180" << "pllFp=4 pllFu=16 usbMhz=45";

    // multiplier fit
    QTest::newRow("typed 201 gives 200") << 7 << mult7 + "sclkMhz=201" << "pllMult=25 sclkMhz=200 pllMhz=200";
    QTest::newRow("typed 1000 clamps to 64") << 7 << mult7 + "sclkMhz=1000" << "pllMult=64 sclkMhz=512 pllMhz=512";
    QTest::newRow("typed 4 clamps to 2") << 7 << mult7 + "sclkMhz=4" << "pllMult=2 sclkMhz=16";
    // A target within the limit never rounds up past it (index 5: 150 MHz).
    QTest::newRow("index 5 typed 150 takes x18, not x19")
        << 5 << mult7 + "sclkMhz=150" << "pllMult=18 sclkMhz=144 pllMhz=144";
    QTest::newRow("index 5 typed 150 on 4 MHz takes x37, not x38")
        << 5 << mult7 + "pllHextDivEnabled=1 hextDiv=2 sclkMhz=150" << "pllMult=37 sclkMhz=148 pllMhz=148";
    QTest::newRow("index 5 reaching 150 exactly keeps it")
        << 5 << mult7 + "hextMhz=10 sclkMhz=150" << "pllMult=15 sclkMhz=150";
    QTest::newRow("index 2 on 11 MHz typed 200 takes x18, not x19")
        << 2 << mult7 + "hextMhz=11 sclkMhz=200" << "pllMult=18 sclkMhz=198";
    // The factor is fitted in whole kHz; the clock is what it makes of the
    // exact input, as a recompute of the same factor gives.
    QTest::newRow("HEXT 12.0005: x10 fitted in whole kHz, 120.005 made")
        << 7 << mult7 + "hextMhz=12.0005 sclkMhz=120" << "pllMult=10 sclkMhz=120.005 pllMhz=120.005";
    QTest::newRow("8/3 MHz typed 101.333: x38 again, 101.333 again")
        << 7 << mult7 + "pllHextDivEnabled=1 hextDiv=3 sclkMhz=101.333333333333" << "pllMult=38 sclkMhz=101.333333333333";
    QTest::newRow("zero reference: multiplier 2, PLL 0")
        << 7 << mult7 + "hextMhz=0 sclkMhz=100" << "pllMult=2 pllMhz=0 sclkMhz=0 ahbMhz=0";
    QTest::newRow("sub-kHz reference: multiplier 2")
        << 7 << mult7 + "hextMhz=0.0004 sclkMhz=100" << "pllMult=2 pllMhz=0.0008 sclkMhz=0.0008";

    // the buses follow the fit
    QTest::newRow("buses and raise after the fit, index 2")
        << 2 << "pllFlexibleMode=0 sclkSource=1 sclkMhz=200 adcEnabled=1 adcDiv=4"
        << "sclkMhz=200 apb1Div=2 apb2Div=2 apb2Mhz=100 apb2TimerMhz=200 adcMhz=25";
    QTest::newRow("SCLK not from the PLL: no search")
        << 7 << "sclkSource=2 sclkMhz=8 pllMs=3 pllNs=100 pllFr=2 usbDisabled=1"
        << "pllMs=3 pllNs=100 pllFr=2 sclkMhz=8 ahbMhz=8";
}

void TestPllSearch::recomputeFromPll()
{
    QFETCH(int, index);
    QFETCH(QString, setup);
    QFETCH(QString, expected);

    ClockTreeModel m(index);
    ModelFields::apply(m, setup);
    m.recomputeFromPll();
    VERIFY_MODEL_FIELDS(m, expected);
}

// A wanted SCLK within the series' limit never gives more than the limit:
// where the nearest factors overshoot it, the nearest at or below it are
// taken. Each crystal here has a nearest fit just above the limit.
void TestPllSearch::fitStaysWithinLimit_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("usbSearch");
    QTest::addColumn<QString>("expected");

    const QString fromPll = QStringLiteral("sclkSource=1 ");
    QTest::newRow("index 5, 13 MHz, 150 (nearest 150.042)")
        << 5 << fromPll + "hextMhz=13 sclkMhz=150" << false << "pllMs=1 pllNs=46 pllFr=4 sclkMhz=149.5";
    QTest::newRow("index 5, 13 MHz, 149.99 (nearest 150.042)")
        << 5 << fromPll + "hextMhz=13 sclkMhz=149.99" << false << "pllMs=1 pllNs=46 pllFr=4 sclkMhz=149.5";
    QTest::newRow("index 17, 13 MHz, 150")
        << 17 << fromPll + "hextMhz=13 sclkMhz=150" << false << "pllMs=1 pllNs=46 pllFr=4 sclkMhz=149.5";
    QTest::newRow("index 9, 4.9 MHz, 120 (nearest 120.05)")
        << 9 << fromPll + "hextMhz=4.9 sclkMhz=120" << false << "pllMs=2 pllNs=391 pllFr=8 sclkMhz=119.74375";
    QTest::newRow("index 15, 4.6 MHz, 96 (nearest 96.025)")
        << 15 << fromPll + "hextMhz=4.6 sclkMhz=96" << false << "pllMs=2 pllNs=333 pllFr=8 sclkMhz=95.7375";
    QTest::newRow("index 16, 5.1 MHz, 80 (nearest 80.006)")
        << 16 << fromPll + "hextMhz=5.1 sclkMhz=80" << false << "pllMs=1 pllNs=125 pllFr=8 sclkMhz=79.6875";
    QTest::newRow("index 18 halves: 13 MHz, 150")
        << 18 << fromPll + "hextMhz=13 sclkMhz=150" << false << "pllMs=1 pllNs=46 pllFr=2 pllMhz=299 sclkMhz=149.5";
    QTest::newRow("index 29 halves: 4.5 MHz, 150 (nearest 150.188)")
        << 29 << fromPll + "hextMhz=4.5 sclkMhz=150" << false << "pllMs=1 pllNs=133 pllFr=2 sclkMhz=149.625";
    QTest::newRow("index 19, 5 MHz, 216 (nearest 216.25)")
        << 19 << fromPll + "hextMhz=5 sclkMhz=216" << false << "pllMs=2 pllNs=345 pllFp=4 sclkMhz=215.625";
    QTest::newRow("index 20, 5 MHz, 216")
        << 20 << fromPll + "hextMhz=5 sclkMhz=216" << false << "pllMs=2 pllNs=345 pllFp=4 sclkMhz=215.625";
    QTest::newRow("index 30, 5 MHz, typed 300 is fitted to 216")
        << 30 << fromPll + "hextMhz=5 sclkMhz=300" << false << "pllMs=2 pllNs=345 pllFp=4 sclkMhz=215.625";
    QTest::newRow("index 13, 5 MHz, 288 (nearest 288.125)")
        << 13 << fromPll + "hextMhz=5 sclkMhz=288" << false << "pllMs=1 pllNs=230 pllFr=4 sclkMhz=287.5";
    QTest::newRow("index 22, 4.6 MHz, 192 (nearest 192.05)")
        << 22 << fromPll + "hextMhz=4.6 sclkMhz=192" << false << "pllMs=2 pllNs=333 pllFp=4 sclkMhz=191.475";
    QTest::newRow("index 25, 5.2 MHz, 180 (nearest 180.05)")
        << 25 << fromPll + "hextMhz=5.2 sclkMhz=180" << false << "pllMs=1 pllNs=138 pllFr=4 sclkMhz=179.4";
    // The multiplier's x60 is 240 MHz in whole kHz, 240.03 on the exact input.
    QTest::newRow("index 7 multiplier, 4.0005 MHz, 240")
        << 7 << fromPll + "pllFlexibleMode=0 hextMhz=4.0005 sclkMhz=240" << false << "pllMult=59 sclkMhz=236.0295";
    // The nearest fit stays the answer wherever it is within the limit.
    QTest::newRow("index 5, 13 MHz, 100.03 keeps 100.1 above it")
        << 5 << fromPll + "hextMhz=13 sclkMhz=100.03" << false << "pllMs=5 pllNs=308 pllFr=8 sclkMhz=100.1";
    // The USB search fixes the VCO for 48 MHz and picks the output divider
    // for SCLK: there too the divider that overshoots is passed over.
    QTest::newRow("index 20, 5 MHz, USB VCO 865: fp 6, not 4 (216.25)")
        << 20 << fromPll + "hextMhz=5 sclkMhz=216 pllFu=18" << true
        << "pllMs=1 pllNs=173 pllFp=6 sclkMhz=144.166666666667";
}

void TestPllSearch::fitStaysWithinLimit()
{
    QFETCH(int, index);
    QFETCH(QString, setup);
    QFETCH(bool, usbSearch);
    QFETCH(QString, expected);

    ClockTreeModel m(index);
    ModelFields::apply(m, setup);
    if (usbSearch)
        m.searchPllForUsb(m.pllInputFrequency());
    else
        m.recomputeFromPll();
    QVERIFY2(m.sclkMhz <= m.maxSclk(), qPrintable(QString::number(m.sclkMhz, 'f', 6)));
    VERIFY_MODEL_FIELDS(m, expected);
}

void TestPllSearch::recomputeUsb_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("expected");

    QTest::newRow("multiplier, usbDiv 1.5")
        << 7 << "pllFlexibleMode=0 sclkSource=2 sclkMhz=8 usbDiv=1.5" << "pllMult=9 pllMhz=72 usbMhz=48 sclkMhz=8";
    QTest::newRow("multiplier, 8/3 MHz: x18 made of the exact input")
        << 7 << "pllFlexibleMode=0 sclkSource=2 pllHextDivEnabled=1 hextDiv=3 usbDiv=1"
        << "pllMult=18 pllMhz=48 usbMhz=48";
    QTest::newRow("multiplier, zero reference")
        << 7 << "pllFlexibleMode=0 hextMhz=0 usbDiv=1" << "pllMult=2 pllMhz=0 usbMhz=0";
    QTest::newRow("index 13, flexible")
        << 13 << "sclkSource=2 usbDiv=1" << "pllMs=1 pllNs=96 pllFr=16 pllMhz=48 usbMhz=48";
    QTest::newRow("index 20, fp/fu")
        << 20 << "sclkSource=2 pllFu=18" << "pllMs=1 pllNs=108 pllFp=4 pllMhz=216 usbMhz=48";
    QTest::newRow("index 9 skipped")
        << 9 << "pllFlexibleMode=0 pllMult=5 usbMhz=3" << "pllMult=5 usbMhz=3 pllMhz=0";
    QTest::newRow("USB from HICK skipped")
        << 7 << "usbFromHick=1 usbMhz=48" << "pllMs=2 pllNs=192 pllFr=8 usbMhz=48 pllMhz=0";
    QTest::newRow("index 2 USB off skipped")
        << 2 << "pllFlexibleMode=0 pllMult=5 usbDisabled=1" << "pllMult=5 pllMhz=0";
    QTest::newRow("index 2 ignores usbFromHick")
        << 2 << "pllFlexibleMode=0 usbFromHick=1 usbDiv=1" << "pllMult=6 pllMhz=48 usbMhz=48";
}

void TestPllSearch::recomputeUsb()
{
    QFETCH(int, index);
    QFETCH(QString, setup);
    QFETCH(QString, expected);

    ClockTreeModel m(index);
    ModelFields::apply(m, setup);
    m.recomputeUsb();
    VERIFY_MODEL_FIELDS(m, expected);
}

void TestPllSearch::fixPllMs_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("ms");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("suggested");

    QTest::newRow("4 MHz, ms 3 too large") << 7 << "pllSource=1" << 3 << false << 2;
    QTest::newRow("48 MHz, ms 2 too small") << 7 << "hextMhz=48" << 2 << false << 3;
    QTest::newRow("8 MHz, ms 4 admissible") << 7 << "" << 4 << true << 1;
    QTest::newRow("16 MHz bound inclusive") << 7 << "hextMhz=16" << 1 << true << 1;
    QTest::newRow("1 MHz: nothing found") << 7 << "hextMhz=1" << 1 << false << 1;
    QTest::newRow("ms 0 outside the range") << 7 << "" << 0 << false << 1;
    QTest::newRow("ms 20 outside the range") << 7 << "" << 20 << false << 1;
    QTest::newRow("ms 20 admissible by its ratio") << 7 << "hextMhz=48" << 20 << true << 1;
}

void TestPllSearch::fixPllMs()
{
    QFETCH(int, index);
    QFETCH(QString, setup);
    QFETCH(int, ms);
    QFETCH(bool, ok);
    QFETCH(int, suggested);

    ClockTreeModel m(index);
    ModelFields::apply(m, setup);
    int out = -1;
    QCOMPARE(m.fixPllMs(ms, out), ok);
    QCOMPARE(out, suggested);
}

void TestPllSearch::fixPllNs_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("ns");
    QTest::addColumn<int>("ms");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("suggested");

    QTest::newRow("ns 50 too small") << 7 << 50 << 1 << false << 63;
    QTest::newRow("ns 130 above 1000") << 7 << 130 << 1 << false << 125;
    QTest::newRow("ns 130 within 1200, index 13") << 13 << 130 << 1 << true << 31;
    QTest::newRow("ns 150 within 1200, index 22") << 22 << 150 << 1 << true << 31;
    QTest::newRow("960 rule not applied, index 20") << 20 << 124 << 1 << true << 31;
    QTest::newRow("ms 3 window") << 7 << 100 << 3 << false << 188;
    QTest::newRow("ns 600 outside the range") << 7 << 600 << 1 << false << 31;
    QTest::newRow("ms 0") << 7 << 100 << 0 << false << 31;
}

void TestPllSearch::fixPllNs()
{
    QFETCH(int, index);
    QFETCH(int, ns);
    QFETCH(int, ms);
    QFETCH(bool, ok);
    QFETCH(int, suggested);

    const ClockTreeModel m(index);
    int out = -1;
    QCOMPARE(m.fixPllNs(ns, ms, out), ok);
    QCOMPARE(out, suggested);
}

QTEST_APPLESS_MAIN(TestPllSearch)

#include "tst_model_pllsearch.moc"
