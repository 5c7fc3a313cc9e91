#include "ClockTreeModel.h"
#include "tst_model_clocktreemodel_fields.h"

#include <QtTest>

// Construction defaults, the frequency computation and the predicates that
// tell which oscillators and PLL a configuration needs.
class TestClockTreeModel : public QObject
{
    Q_OBJECT

private slots:
    void constructionDefaults_data();
    void constructionDefaults();
    void everyIndexComputesWithoutFault();
    void indices21To23AreAlike();

    void pllInputFrequency_data();
    void pllInputFrequency();
    void recompute_data();
    void recompute();
    void predicates_data();
    void predicates();
};

void TestClockTreeModel::constructionDefaults_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("maxSclk");
    QTest::addColumn<double>("hickMhz");

    QTest::newRow("index 2, the 8 MHz HICK") << 2 << 200 << 8.0;
    QTest::newRow("index 7") << 7 << 240 << 48.0;
    QTest::newRow("index 13") << 13 << 288 << 48.0;
    QTest::newRow("index 16") << 16 << 80 << 48.0;
    QTest::newRow("index 22") << 22 << 192 << 48.0;
    QTest::newRow("index 30") << 30 << 216 << 48.0;
    QTest::newRow("index 0 names no series") << 0 << 0 << 48.0;
    QTest::newRow("index 3 names no series") << 3 << 0 << 48.0;
    QTest::newRow("index 27 names no series") << 27 << 0 << 48.0;
    QTest::newRow("negative index") << -1 << 0 << 48.0;
    QTest::newRow("index beyond the table") << 1000 << 0 << 48.0;
}

void TestClockTreeModel::constructionDefaults()
{
    QFETCH(int, index);
    QFETCH(int, maxSclk);
    QFETCH(double, hickMhz);

    const ClockTreeModel m(index);
    QCOMPARE(m.seriesIndex, index);
    QCOMPARE(m.maxSclk(), maxSclk);
    QCOMPARE(m.hickMhz, hickMhz);
    VERIFY_MODEL_FIELDS(m,
        "applyToAllConflicts=0 lextKhz=32.768 hextMhz=8 sclkSource=2 "
        "pllMs=2 pllNs=192 pllFr=8 pllFp=2 pllFu=18 pllFlexibleMode=1 "
        "ahbDiv=1 apb1Div=1 apb2Div=1 apb3Div=1 usbDiv=1 usbDisabled=0 adcDiv=2 "
        "can1ClockSource=2 clkoutPin=0 clkoutSource=0 apb1TimerMult=1 apb2TimerMult=1 "
        "pllMhz=0 sclkMhz=0 usbMhz=0");
    // Fields the series set themselves start neutral: no switch on, no
    // divisor or multiplier of zero.
    VERIFY_MODEL_FIELDS(m,
        "rtcHextDiv=2 hextDiv=1 hickDiv=1 usbFromHick=0 sclkHick48=0 "
        "clkout1Pin=0 clkout2Pin=0 clkoutDiv1=1 clkoutDiv2=1 "
        "can2Enabled=0 can3Enabled=0 can2ClockSource=0 can3ClockSource=0 pllMult=2");
}

// Every index, valid or not, runs every operation and mapper on the
// construction defaults and on a busy configuration without reading out of
// bounds or producing a non-finite frequency.
void TestClockTreeModel::everyIndexComputesWithoutFault()
{
    const QStringList setups = {
        QString(),
        QStringLiteral("sclkSource=1 clkoutPin=6 clkoutSource=10 adcEnabled=1 adcClockSource=1 "
                       "i2sf5Enabled=1 can1Enabled=1 can1ClockSource=1 can2Enabled=1 can2ClockSource=2 "
                       "clkout1Pin=2 clkout1Source=3 clkout2Pin=1 clkout2Source=2 sclkMhz=150"),
        QStringLiteral("sclkSource=0 pllFlexibleMode=0 pllMult=9 pllSource=1 usbDiv=1.5 sclkMhz=72"),
        QStringLiteral("sclkSource=2 usbFromHick=1 sclkHick48=1 pllHextDivEnabled=1 hextDiv=2 "
                       "clkoutPin=-3 clkout1Pin=7 rtcHextDiv=99"),
    };
    for (int index = -2; index <= 33; ++index) {
        for (const QString &setup : setups) {
            ClockTreeModel m(index);
            ModelFields::apply(m, setup);
            m.recompute();
            m.recomputeFromPll();
            m.recomputeUsb();
            int suggested = 0;
            m.fixPllMs(m.pllMs, suggested);
            m.fixPllNs(m.pllNs, m.pllMs, suggested);
            const QStringList names = {
                m.adcClockSourceName(), m.canClockSourceName(m.can1ClockSource),
                m.clkout1SourceName(), m.clkout2SourceName(), m.clkoutSourceName(),
                m.i2cClockSourceName(), m.i2sf5ClockSourceName(), m.usart1ClockSourceName(),
                m.adcDivName(), m.ahbDivName(), m.apb1DivName(), m.apb2DivName(), m.apb3DivName(),
                m.clkoutDiv1Name(m.clkoutDiv1), m.clkoutDiv2Name(m.clkoutDiv2),
                m.clkoutDivName(m.clkoutDiv), m.hextSclkDivName(), m.hickSclkDivName(),
                m.rtcHextDivName(), m.usbDivName(), m.pllSourceName(), m.pllFpName(),
                m.pllFrName(), m.pllFuName(), m.pllMsText(), m.pllNsText(),
                m.flashWaitCycleName(), m.flashClockDivName(), m.clkoutPinName(),
                m.clkoutPinSourceName(), m.clkoutGpioPortName(), m.clkoutGpioClockName(),
                m.clkoutMuxName(), m.clkout1PinName(), m.clkout1PinSourceName(),
                m.clkout1GpioPortName(), m.clkout1GpioClockName(), m.clkout1MuxName(),
            };
            for (const QString &name : names)
                QVERIFY2(!name.isEmpty(), qPrintable(QStringLiteral("index %1").arg(index)));
            for (const char *f : {"sclkMhz", "pllMhz", "ahbMhz", "apb1Mhz", "apb2Mhz", "usbMhz"}) {
                QVERIFY2(std::isfinite(ModelFields::fieldValue(m, QLatin1String(f))),
                         qPrintable(QStringLiteral("index %1, %2, setup '%3'").arg(index).arg(f).arg(setup)));
            }
        }

        // Zero divisors break the series' invariants; the frequencies are
        // then meaningless, but nothing may crash or convert an infinity.
        for (const char *zeros : {"sclkSource=1 pllFlexibleMode=1 pllMs=0 pllFr=0 pllFp=0 pllFu=0 usbDiv=0",
                                  "sclkSource=1 pllFlexibleMode=0 pllHextDivEnabled=1 hextDiv=0 ahbDiv=0 apb1Div=0 adcDiv=0 adcEnabled=1",
                                  "sclkSource=0 hextDiv=0 hickDiv=0 hextMhz=1e300 usbDiv=0"}) {
            ClockTreeModel m(index);
            ModelFields::apply(m, QLatin1String(zeros));
            m.recompute();
            m.recomputeFromPll();
            m.recomputeUsb();
            m.recompute();
            int suggested = 0;
            m.fixPllMs(0, suggested);
            m.fixPllNs(0, 0, suggested);
            QVERIFY(!m.usbDivName().isEmpty());
            QVERIFY(!m.flashWaitCycleName().isEmpty());
        }
    }
}

void TestClockTreeModel::indices21To23AreAlike()
{
    const QStringList setups = {
        QStringLiteral("sclkSource=1 sclkMhz=180"),
        QStringLiteral("sclkSource=2 sclkHick48=1 hickDiv=2 usbDisabled=1 can3Enabled=1 can3ClockSource=1"),
        QStringLiteral("sclkSource=0 hextMhz=12 hextDiv=2 pllSource=1 clkoutPin=3 clkoutSource=10 pllFu=20"),
    };
    for (const QString &setup : setups) {
        QList<QStringList> dumps;
        QList<QStringList> names;
        for (int index : {21, 22, 23}) {
            ClockTreeModel m(index);
            ModelFields::apply(m, setup);
            m.recompute();
            m.recomputeFromPll();
            m.recomputeUsb();
            dumps << ModelFields::dump(m, {QStringLiteral("seriesIndex")});
            names << QStringList{m.canClockSourceName(1), m.pllSourceName(), m.ldoOutputName(),
                                 m.pllFpName(), m.pllFuName(), m.usbDivName(), m.clkoutMuxName(),
                                 QString::number(m.isPllUsed()), QString::number(m.isHextUsed()),
                                 QString::number(m.isHickUsed()), QString::number(m.maxSclk())};
        }
        QCOMPARE(dumps.at(1), dumps.at(0));
        QCOMPARE(dumps.at(2), dumps.at(0));
        QCOMPARE(names.at(1), names.at(0));
        QCOMPARE(names.at(2), names.at(0));
    }
}

void TestClockTreeModel::pllInputFrequency_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<double>("expected");

    QTest::newRow("HEXT, index 7") << 7 << "hextMhz=12" << 12.0;
    QTest::newRow("HEXT pre-divided, index 7") << 7 << "hextMhz=12 pllHextDivEnabled=1 hextDiv=3" << 4.0;
    QTest::newRow("HEXT pre-divider ignored, index 13") << 13 << "hextMhz=12 pllHextDivEnabled=1 hextDiv=3" << 12.0;
    QTest::newRow("HEXT pre-divider ignored, index 20") << 20 << "hextMhz=12 pllHextDivEnabled=1 hextDiv=3" << 12.0;
    QTest::newRow("HEXT pre-divider off, index 2") << 2 << "hextMhz=12 pllHextDivEnabled=0 hextDiv=3" << 12.0;
    QTest::newRow("HICK, index 2 (8 MHz HICK halved)") << 2 << "pllSource=1" << 4.0;
    QTest::newRow("HICK, index 7 (48/6/2)") << 7 << "pllSource=1" << 4.0;
    QTest::newRow("HICK, index 13 (48/6)") << 13 << "pllSource=1" << 8.0;
    QTest::newRow("HICK, index 25 (48/6)") << 25 << "pllSource=1" << 8.0;
    QTest::newRow("any nonzero source is HICK") << 7 << "pllSource=2" << 4.0;
    QTest::newRow("HICK, no series") << 0 << "pllSource=1" << 4.0;
}

void TestClockTreeModel::pllInputFrequency()
{
    QFETCH(int, index);
    QFETCH(QString, setup);
    QFETCH(double, expected);

    ClockTreeModel m(index);
    ModelFields::apply(m, setup);
    QCOMPARE(m.pllInputFrequency(), expected);
}

void TestClockTreeModel::recompute_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("expected");

    // SCLK paths
    QTest::newRow("HEXT through hextDiv, index 20")
        << 20 << "sclkSource=0 hextMhz=8 hextDiv=2 usbDisabled=1" << "sclkMhz=4 ahbMhz=4";
    QTest::newRow("HEXT undivided, index 2")
        << 2 << "sclkSource=0 hextMhz=8 hextDiv=2 usbDisabled=1" << "sclkMhz=8";
    QTest::newRow("HICK/6, index 7") << 7 << "sclkSource=2 sclkHick48=0" << "sclkMhz=8";
    QTest::newRow("HICK 48, index 7") << 7 << "sclkSource=2 sclkHick48=1" << "sclkMhz=48";
    QTest::newRow("HICK 8 whatever sclkHick48, index 2") << 2 << "sclkSource=2 sclkHick48=1" << "sclkMhz=8";
    QTest::newRow("HICK through hickDiv, index 20") << 20 << "sclkSource=2 sclkHick48=1 hickDiv=4" << "sclkMhz=12";
    QTest::newRow("HICK without hickDiv, index 7") << 7 << "sclkSource=2 sclkHick48=1 hickDiv=4" << "sclkMhz=48";
    QTest::newRow("PLL halved, index 18")
        << 18 << "sclkSource=1 pllMs=1 pllNs=120 pllFr=4" << "pllMhz=240 sclkMhz=120";
    QTest::newRow("PLL through fp, fr not read, index 20")
        << 20 << "sclkSource=1 pllMs=1 pllNs=108 pllFp=4 pllFr=0" << "pllMhz=216 sclkMhz=216 usbMhz=48";
    QTest::newRow("PLL through fr, fp not read, index 5")
        << 5 << "sclkSource=1 pllMs=2 pllNs=150 pllFr=4 pllFp=0 usbDiv=2.5" << "pllMhz=150 sclkMhz=150 usbMhz=60";
    QTest::newRow("multiplier output, index 2")
        << 2 << "sclkSource=1 pllFlexibleMode=0 pllMult=25" << "pllMhz=200 sclkMhz=200";
    QTest::newRow("PLL computed when only USB needs it, index 7")
        << 7 << "sclkSource=2 pllFlexibleMode=0 pllMult=6 usbDiv=1" << "sclkMhz=8 pllMhz=48 usbMhz=48";

    // APB raise
    QTest::newRow("half max exceeded, index 2")
        << 2 << "sclkSource=1 pllFlexibleMode=0 pllMult=25"
        << "apb1Div=2 apb2Div=2 apb1Mhz=100 apb2Mhz=100 apb1TimerMult=2 apb2TimerMult=2 "
           "apb1TimerMhz=200 apb2TimerMhz=200";
    QTest::newRow("divider above 1 kept, index 2")
        << 2 << "sclkSource=1 pllFlexibleMode=0 pllMult=25 apb1Div=4"
        << "apb1Div=4 apb1Mhz=50 apb1TimerMult=2 apb2Div=2";
    QTest::newRow("exactly half max kept, index 7")
        << 7 << "sclkSource=1 pllFlexibleMode=0 pllMult=15"
        << "sclkMhz=120 apb1Div=1 apb2Div=1 apb1Mhz=120 apb1TimerMult=1 apb1TimerMhz=120";
    QTest::newRow("AHB exactly 120, index 19")
        << 19 << "sclkSource=0 hextMhz=120 usbDisabled=1" << "ahbMhz=120 apb1Div=1 apb1Mhz=120";
    QTest::newRow("AHB 150 raises APB1 only, index 19")
        << 19 << "sclkSource=0 hextMhz=150 usbDisabled=1" << "apb1Div=2 apb1Mhz=75 apb2Div=1 apb2Mhz=150 apb3Mhz=150";
    QTest::newRow("no raise outside the groups, index 9")
        << 9 << "sclkSource=0 hextMhz=150" << "apb1Div=1 apb2Div=1 apb1Mhz=150";
    QTest::newRow("APB3 never raised, index 21")
        << 21 << "sclkSource=0 hextMhz=190 apb3Div=1 usbDisabled=1" << "apb1Div=1 apb3Div=1 apb3Mhz=190";

    // ADC
    QTest::newRow("ADC from APB2") << 7 << "sclkSource=2 sclkHick48=1 adcEnabled=1 adcDiv=4 apb2Div=2"
                                   << "apb2Mhz=24 adcMhz=6";
    QTest::newRow("ADC off") << 7 << "sclkSource=2 adcEnabled=0 adcMhz=5" << "adcMhz=0";

    // leftovers
    QTest::newRow("USB off keeps usbMhz") << 7 << "sclkSource=1 usbDisabled=1 usbMhz=12.5" << "usbMhz=12.5";
    QTest::newRow("USB from HICK keeps usbMhz") << 7 << "sclkSource=1 usbFromHick=1 usbMhz=48" << "usbMhz=48";
    QTest::newRow("index 9 has no USB") << 9 << "sclkSource=1 usbMhz=3" << "usbMhz=3";
    QTest::newRow("index 2 ignores usbFromHick")
        << 2 << "sclkSource=1 pllFlexibleMode=0 pllMult=6 usbFromHick=1 usbDiv=1" << "usbMhz=48";
    QTest::newRow("unused PLL keeps pllMhz")
        << 7 << "sclkSource=2 usbDisabled=1 pllMhz=77" << "pllMhz=77 sclkMhz=8";
    QTest::newRow("no series still computes")
        << 0 << "sclkSource=0 hextMhz=16 apb1Div=2" << "sclkMhz=16 apb1Mhz=8 apb1TimerMhz=16";
}

void TestClockTreeModel::recompute()
{
    QFETCH(int, index);
    QFETCH(QString, setup);
    QFETCH(QString, expected);

    ClockTreeModel m(index);
    ModelFields::apply(m, setup);
    m.recompute();
    VERIFY_MODEL_FIELDS(m, expected);
}

void TestClockTreeModel::predicates_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("pll");
    QTest::addColumn<bool>("hext");
    QTest::addColumn<bool>("hick");
    QTest::addColumn<bool>("hextDiv");

    QTest::newRow("21: CAN1 on PCLK code needs the PLL")
        << 21 << "sclkSource=2 usbDisabled=1 can1Enabled=1 can1ClockSource=2" << true << true << true << false;
    QTest::newRow("25: same setting, PLL idle")
        << 25 << "sclkSource=2 usbDisabled=1 can1Enabled=1 can1ClockSource=2" << false << false << true << false;
    QTest::newRow("25: CAN1 on the PLL")
        << 25 << "sclkSource=2 usbDisabled=1 can1Enabled=1 can1ClockSource=1" << true << true << true << false;
    QTest::newRow("23: CAN3 on the PLL from HICK")
        << 23 << "sclkSource=0 usbDisabled=1 pllSource=1 can3Enabled=1 can3ClockSource=1" << true << true << true << false;
    QTest::newRow("22: CAN2 on HEXT starts HEXT")
        << 22 << "sclkSource=2 usbDisabled=1 can2Enabled=1 can2ClockSource=0" << false << true << true << false;
    QTest::newRow("26: CAN on HEXT starts HEXT")
        << 26 << "sclkSource=2 usbDisabled=1 can1Enabled=1 can1ClockSource=0" << false << true << true << false;
    QTest::newRow("26: CAN on HEXT, switched off")
        << 26 << "sclkSource=2 usbDisabled=1 can1Enabled=0 can1ClockSource=0" << false << false << true << false;
    QTest::newRow("18: ADC on PLLCLK starts HEXT")
        << 18 << "sclkSource=2 usbDisabled=1 adcEnabled=1 adcClockSource=1" << true << true << true << false;
    QTest::newRow("18: ADC on HCLK")
        << 18 << "sclkSource=2 usbDisabled=1 adcEnabled=1 adcClockSource=0" << false << false << true << false;
    QTest::newRow("20: I2SF5 on PLLP from HICK starts HICK")
        << 20 << "sclkSource=0 usbDisabled=1 i2sf5Enabled=1 i2sf5ClockSource=0 pllSource=1" << true << true << true << false;
    QTest::newRow("29: clock-out PLL starts HEXT")
        << 29 << "sclkSource=2 usbDisabled=1 clkoutPin=1 clkoutSource=10" << true << true << true << false;
    QTest::newRow("7: clock-out code 10 is no PLL here")
        << 7 << "sclkSource=2 usbDisabled=1 clkoutPin=1 clkoutSource=10" << false << false << true << false;
    QTest::newRow("7: clock-out PLL/2 from HICK")
        << 7 << "sclkSource=0 usbDisabled=1 clkoutPin=1 clkoutSource=8 pllSource=1" << true << true << true << false;
    QTest::newRow("7: clock-out pin off")
        << 7 << "sclkSource=0 usbDisabled=1 clkoutPin=0 clkoutSource=9" << false << true << false << false;
    QTest::newRow("7: clock-out HICK")
        << 7 << "sclkSource=0 usbDisabled=1 clkoutPin=2 clkoutSource=3" << false << true << true << false;
    QTest::newRow("7: USB from HICK")
        << 7 << "sclkSource=0 usbDisabled=0 usbFromHick=1" << false << true << true << false;
    QTest::newRow("7: USB from the PLL on HEXT")
        << 7 << "sclkSource=2 usbDisabled=0 usbFromHick=0" << true << true << true << false;
    QTest::newRow("2: USB runs from the PLL whatever usbFromHick")
        << 2 << "sclkSource=2 usbDisabled=0 usbFromHick=1" << true << true << true << false;
    QTest::newRow("9: no USB term")
        << 9 << "sclkSource=2 usbDisabled=0" << false << false << true << false;
    QTest::newRow("13: clock-out 2 PLL")
        << 13 << "sclkSource=2 usbDisabled=1 clkout2Pin=1 clkout2Source=2" << true << true << true << false;
    QTest::newRow("13: clock-out 1 HEXT")
        << 13 << "sclkSource=2 usbDisabled=1 clkout1Pin=1 clkout1Source=2" << false << true << true << false;
    QTest::newRow("13: single clock-out fields not read")
        << 13 << "sclkSource=2 usbDisabled=1 clkoutPin=1 clkoutSource=8" << false << false << true << false;
    QTest::newRow("7: PLL from pre-divided HEXT")
        << 7 << "sclkSource=1 usbDisabled=1 pllHextDivEnabled=1" << true << true << false << true;
    QTest::newRow("13: no pre-divider")
        << 13 << "sclkSource=1 usbDisabled=1 pllHextDivEnabled=1" << true << true << false << false;
    QTest::newRow("7: pre-divider with the PLL on HICK")
        << 7 << "sclkSource=1 usbDisabled=1 pllHextDivEnabled=1 pllSource=1" << true << false << true << false;
}

void TestClockTreeModel::predicates()
{
    QFETCH(int, index);
    QFETCH(QString, setup);
    QFETCH(bool, pll);
    QFETCH(bool, hext);
    QFETCH(bool, hick);
    QFETCH(bool, hextDiv);

    ClockTreeModel m(index);
    ModelFields::apply(m, setup);
    QCOMPARE(m.isPllUsed(), pll);
    QCOMPARE(m.isHextUsed(), hext);
    QCOMPARE(m.isHickUsed(), hick);
    QCOMPARE(m.isHextDivUsed(), hextDiv);
}

QTEST_APPLESS_MAIN(TestClockTreeModel)

#include "tst_model_clocktreemodel.moc"
