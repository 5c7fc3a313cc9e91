#include "ClockTreeModel.h"
#include "PllConfigWord.h"

#include <QtTest>

// The CRM_PLLCFG word in both register layouts, from the factors a page holds.
class TestPllConfigWord : public QObject
{
    Q_OBJECT

private slots:
    void withFrDivider_data();
    void withFrDivider();
    void withFpFuDividers_data();
    void withFpFuDividers();
};

void TestPllConfigWord::withFrDivider_data()
{
    QTest::addColumn<int>("ms");
    QTest::addColumn<int>("ns");
    QTest::addColumn<int>("fr");
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("expected");

    QTest::newRow("ms 1, ns 72, /4, HEXT") << 1 << 72 << 4 << 0 << "0x00421201";
    QTest::newRow("same from HICK") << 1 << 72 << 4 << 1 << "0x00021201";
    QTest::newRow("/32 is code 5") << 15 << 500 << 32 << 0 << "0x00457d0f";
    QTest::newRow("/1 and an unknown divider are code 0") << 2 << 31 << 3 << 1 << "0x000007c2";
}

void TestPllConfigWord::withFrDivider()
{
    QFETCH(int, ms);
    QFETCH(int, ns);
    QFETCH(int, fr);
    QFETCH(int, source);
    QFETCH(QString, expected);

    ClockTreeModel model(5);
    model.pllMs = ms;
    model.pllNs = ns;
    model.pllFr = fr;
    model.pllSource = source;
    QCOMPARE(PllConfigWord::text(PllConfigWord::withFrDivider(model)), expected);
}

void TestPllConfigWord::withFpFuDividers_data()
{
    QTest::addColumn<int>("ms");
    QTest::addColumn<int>("ns");
    QTest::addColumn<int>("fp");
    QTest::addColumn<int>("fu");
    QTest::addColumn<int>("usbDisabled");
    QTest::addColumn<int>("usbFromHick");
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("expected");

    QTest::newRow("ns 108, fp 4, fu 18, USB off, HEXT")
        << 1 << 108 << 4 << 18 << 1 << 0 << 0 << "0x40521b01";
    QTest::newRow("USB on from the PLL sets bit 29")
        << 1 << 72 << 4 << 18 << 0 << 0 << 0 << "0x60521201";
    QTest::newRow("USB from HICK leaves bit 29 clear")
        << 1 << 72 << 4 << 18 << 0 << 1 << 0 << "0x40521201";
    QTest::newRow("odd fp and fu 15 are code 0, HICK reference")
        << 3 << 100 << 3 << 15 << 1 << 0 << 1 << "0x00001903";
    QTest::newRow("fp 30 and fu 13")
        << 1 << 31 << 30 << 13 << 1 << 0 << 0 << "0x401f07c1";
}

void TestPllConfigWord::withFpFuDividers()
{
    QFETCH(int, ms);
    QFETCH(int, ns);
    QFETCH(int, fp);
    QFETCH(int, fu);
    QFETCH(int, usbDisabled);
    QFETCH(int, usbFromHick);
    QFETCH(int, source);
    QFETCH(QString, expected);

    ClockTreeModel model(20);
    model.pllMs = ms;
    model.pllNs = ns;
    model.pllFp = fp;
    model.pllFu = fu;
    model.usbDisabled = usbDisabled;
    model.usbFromHick = usbFromHick;
    model.pllSource = source;
    QCOMPARE(PllConfigWord::text(PllConfigWord::withFpFuDividers(model)), expected);
}

QTEST_APPLESS_MAIN(TestPllConfigWord)
#include "tst_model_pllconfigword.moc"
