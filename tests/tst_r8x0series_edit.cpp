// The R810 and R820 pages: what a new page shows, typed values and their
// checks, the PLL factor questions, the USB branch, the clock outputs and
// code generation.
#include "series/highperf/KytoR810PLL.h"
#include "series/highperf/KytoR820PLL.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "KytoPLLConfig.h"
#include "UserDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>

using PageFactory = std::function<KytoR8x0PLL *()>;
Q_DECLARE_METATYPE(PageFactory)

namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform complains once per embedded control.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QLatin1String("propagateSizeHints")))
        previousHandler(type, context, message);
}

template <class T>
T *find(QWidget *page, const QString &name)
{
    T *w = page->findChild<T *>(name);
    if (!w)
        qWarning("control %s not found", qPrintable(name));
    return w;
}

CustomComboBox1 *combo(QWidget *page, const QString &node)
{
    return find<CustomComboBox1>(page, node + QStringLiteral("_ComboBox"));
}

QRadioButton *radio(QWidget *page, const QString &group, int n)
{
    return find<QRadioButton>(page, QStringLiteral("%1_RadioButton_%2").arg(group).arg(n));
}

QLineEdit *edit(QWidget *page, const QString &node)
{
    return find<QLineEdit>(page, node + QStringLiteral("_LineEdit"));
}

QString readout(QWidget *page, const QString &node)
{
    QLineEdit *e = find<QLineEdit>(page, node + QStringLiteral("_ReadOut"));
    return e ? e->text() : QString();
}

QLabel *label(QWidget *page, const QString &name)
{
    return find<QLabel>(page, name + QStringLiteral("_Label"));
}

void typeAndReturn(QLineEdit *e, const QString &text)
{
    e->clear();
    QTest::keyClicks(e, text);
    QTest::keyClick(e, Qt::Key_Return);
}

QStringList boxTexts()
{
    QStringList texts;
    for (const UserDialogs::ShownBox &box : UserDialogs::shownBoxes())
        texts << box.title + QStringLiteral(": ") + box.text;
    return texts;
}

QColor textColour(QWidget *w)
{
    return w->palette().color(qobject_cast<QLineEdit *>(w) ? QPalette::Text : QPalette::WindowText);
}

void addClassRows()
{
    QTest::addColumn<PageFactory>("factory");
    QTest::newRow("KytoR810PLL") << PageFactory([] { return new KytoR810PLL(nullptr); });
    QTest::newRow("KytoR820PLL") << PageFactory([] { return new KytoR820PLL(nullptr); });
}

std::unique_ptr<KytoR8x0PLL> newPage()
{
    QFETCH(PageFactory, factory);
    return std::unique_ptr<KytoR8x0PLL>(factory());
}

// "what it shows" of every control, for comparing two page states.
QStringList pageDump(KytoR8x0PLL *page)
{
    QStringList lines;
    for (QComboBox *c : page->findChildren<QComboBox *>())
        lines << QStringLiteral("%1 %2 %3").arg(c->objectName()).arg(c->currentIndex()).arg(c->isEnabled());
    for (QRadioButton *r : page->findChildren<QRadioButton *>())
        lines << QStringLiteral("%1 %2 %3").arg(r->objectName()).arg(r->isChecked()).arg(r->isEnabled());
    for (QLineEdit *e : page->findChildren<QLineEdit *>()) {
        // A greyed RTC read-out keeps the text it had before it was switched off.
        if (e->objectName() == QLatin1String("ertc_ReadOut") && !e->isEnabled())
            continue;
        lines << QStringLiteral("%1 '%2' %3 %4").arg(e->objectName(), e->text()).arg(e->isEnabled()).arg(e->styleSheet());
    }
    for (QLabel *l : page->findChildren<QLabel *>()) {
        // A hidden label may keep a stale text: only what shows is compared.
        if (!l->objectName().isEmpty())
            lines << QStringLiteral("%1 '%2' %3").arg(l->objectName(), l->isHidden() ? QString() : l->text()).arg(l->isHidden());
    }
    const ClockTreeModel &m = *page->model;
    lines << QStringLiteral("model %1 %2 %3 %4 %5 %6 %7 %8 %9")
                 .arg(m.hextMhz).arg(m.pllSource).arg(m.pllMs).arg(m.pllNs).arg(m.pllFr).arg(m.sclkSource)
                 .arg(m.sclkMhz).arg(m.usbDiv).arg(m.usbDisabled)
          << QStringLiteral("model %1 %2 %3 %4 %5 %6 %7 %8 %9")
                 .arg(m.ahbDiv).arg(m.apb1Div).arg(m.apb2Div).arg(m.rtcSource).arg(m.rtcEnabled).arg(m.rtcHextDiv)
                 .arg(m.clkout1Source).arg(m.clkout2Source).arg(m.usbFromHick)
          << QStringLiteral("model %1 %2 %3 %4 %5 %6 %7 %8")
                 .arg(m.clkout1Div1).arg(m.clkout1Div2).arg(m.clkout1Pin).arg(m.clkout2Div1).arg(m.clkout2Div2)
                 .arg(m.clkout2Pin).arg(m.sclkHick48).arg(m.pllMhz);
    return lines;
}

} // namespace

class TestR8x0SeriesEdit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(quietHandler); }
    void init()
    {
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
    }

    void newPageShowsTheDefaults_data() { addClassRows(); }
    void newPageShowsTheDefaults()
    {
        auto page = newPage();
        const QMetaObject *mo = page->metaObject();
        QStringList slotNames;
        for (int i = mo->methodOffset(); i < mo->methodCount(); ++i)
            slotNames << QString::fromLatin1(mo->method(i).name());
        QCOMPARE(slotNames, (QStringList{
            "rtcsel_RadioButton_checkSlot", "rtcswitch_ComboBox_currentIndexChanged",
            "rtcdiv_ComboBox_currentIndexChanged", "lextbypass_ComboBox_currentIndexChanged",
            "hext_LineEdit_returnPressed", "hext_LineEdit_textChanged", "hextbypass_ComboBox_currentIndexChanged",
            "pllms_LineEdit_returnPressed", "pllms_LineEdit_textChanged", "pllns_LineEdit_returnPressed",
            "pllns_LineEdit_textChanged", "pllfr_ComboBox_currentIndexChanged", "pllrcs_RadioButton_checkSlot",
            "sclkselecthext_RadioButton_checkSlot", "sclkselectpll_RadioButton_checkSlot",
            "sclkselecthick_RadioButton_checkSlot", "ahbdiv_ComboBox_currentIndexChanged",
            "apb1div_ComboBox_currentIndexChanged", "apb2div_ComboBox_currentIndexChanged",
            "usbdiv_ComboBox_currentIndexChanged", "usbswitch_ComboBox_currentIndexChanged",
            "hicktousb_RadioButton_checkSlot", "hicktosclk_RadioButton_checkSlot", "clkout1_RadioButton_checkSlot",
            "clkout2_RadioButton_checkSlot", "clockout1div1_ComboBox_currentIndexChanged",
            "clockout1div2_ComboBox_currentIndexChanged", "clockout1PinSelectComboBox_currentIndexChanged",
            "clockout2div1_ComboBox_currentIndexChanged", "clockout2div2_ComboBox_currentIndexChanged",
            "clockout2PinSelectComboBox_currentIndexChanged", "sclk_LineEdit_returnPressed",
            "sclk_LineEdit_textChanged", "toapb1peripheral_List_Button_checkSlot", "toapb1tmr_List_Button_checkSlot",
            "toapb2peripheral_List_Button_checkSlot", "toapb2tmr_List_Button_checkSlot"}));
        QCOMPARE(page->findChild<QLineEdit *>("emac_ReadOut") != nullptr,
                 QByteArray(mo->className()) == "KytoR820PLL");

        QCOMPARE(edit(page.get(), "sclk")->text(), QStringLiteral("288.000"));
        QCOMPARE(textColour(edit(page.get(), "sclk")), QColor(Qt::darkGreen));
        QVERIFY(!find<QLabel>(page.get(), "usageNote_Label_0")->isHidden());
        QCOMPARE(readout(page.get(), "i2s"), QStringLiteral("288.000"));
        QCOMPARE(readout(page.get(), "systick"), QStringLiteral("36.000"));
        QCOMPARE(readout(page.get(), "apb1_peripheral"), QStringLiteral("144.000"));
        QCOMPARE(readout(page.get(), "apb2_peripheral"), QStringLiteral("144.000"));
        QCOMPARE(readout(page.get(), "apb1_tmr"), QStringLiteral("288.000"));
        QCOMPARE(readout(page.get(), "apb2_tmr"), QStringLiteral("288.000"));
        QCOMPARE(combo(page.get(), "apb1div")->currentText(), QStringLiteral("  /2"));
        QCOMPARE(combo(page.get(), "apb2div")->currentText(), QStringLiteral("  /2"));
        QCOMPARE(readout(page.get(), "apb1tmrmult"), QStringLiteral("* 2"));
        QCOMPARE(readout(page.get(), "systickdiv"), QStringLiteral("/ 8"));
        QCOMPARE(label(page.get(), "pllOutput")->text(), QStringLiteral("288.000MHz"));
        QCOMPARE(label(page.get(), "pllcfg")->text(), QStringLiteral("CRM_PLLCFG: "));
        QCOMPARE(readout(page.get(), "pllcfg"), QStringLiteral("0x00422401"));
        QCOMPARE(edit(page.get(), "pllms")->text(), QStringLiteral("/1"));
        QCOMPARE(edit(page.get(), "pllns")->text(), QStringLiteral("*144"));
        QCOMPARE(combo(page.get(), "pllfr")->currentText(), QStringLiteral("  /4"));
        QCOMPARE(combo(page.get(), "usbdiv")->currentText(), QStringLiteral("  /6"));
        QCOMPARE(combo(page.get(), "rtcdiv")->currentText(), QStringLiteral("  /2"));
        QCOMPARE(combo(page.get(), "usbswitch")->currentText(), QStringLiteral("disable"));
        QVERIFY(label(page.get(), "usbFreq")->isHidden());
        for (const char *list : {"toapb1peripheral", "toapb1tmr", "toapb2peripheral", "toapb2tmr"})
            QVERIFY(page->findChild<QWidget *>(QString::fromLatin1(list) + "_List")->isHidden());
        QVERIFY(edit(page.get(), "hext")->isEnabled());
        QVERIFY(edit(page.get(), "pllms")->isEnabled());
        QVERIFY(combo(page.get(), "pllfr")->isEnabled());
        QVERIFY(!radio(page.get(), "hicktosclk", 0)->isEnabled());
        QVERIFY(!radio(page.get(), "clkout1", 0)->isEnabled());
        QVERIFY(!radio(page.get(), "clkout2", 0)->isEnabled());
        QVERIFY(!radio(page.get(), "rtcsel", 0)->isEnabled());
        QVERIFY(!combo(page.get(), "rtcdiv")->isEnabled());
        QVERIFY(UserDialogs::shownBoxes().isEmpty());
    }

    // "Config Reset" gives back a new page, also after the reset's own steps
    // ran slots that re-tuned the PLL for the design before.
    void resetEqualsANewPage_data() { addClassRows(); }
    void resetEqualsANewPage()
    {
        auto fresh = newPage();
        const QStringList expected = pageDump(fresh.get());

        auto page = newPage();
        KytoR8x0PLL *p = page.get();
        combo(p, "rtcswitch")->setCurrentIndex(1);
        radio(p, "rtcsel", 2)->click();
        combo(p, "rtcdiv")->setCurrentIndex(3);
        typeAndReturn(edit(p, "hext"), "4");
        combo(p, "hextbypass")->setCurrentIndex(1);
        combo(p, "ahbdiv")->setCurrentIndex(1);
        combo(p, "clockout1PinSelect")->setCurrentIndex(2);
        radio(p, "clkout1", 3)->click();
        combo(p, "clockout2PinSelect")->setCurrentIndex(1);
        radio(p, "clkout2", 6)->click();
        combo(p, "clockout2div2")->setCurrentIndex(4);
        radio(p, "sclkselect", 2)->click();
        radio(p, "hicktosclk", 1)->click();
        combo(p, "usbswitch")->setCurrentIndex(0);
        radio(p, "hicktousb", 1)->click();
        QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join('|')));
        p->resetDefaults();
        QCOMPARE(pageDump(p), expected);

        // USB on from the PLL at 140 MHz with APB1 and APB2 at /1.
        radio(p, "sclkselect", 1)->click();
        combo(p, "usbswitch")->setCurrentIndex(0);
        typeAndReturn(edit(p, "pllns"), "70");
        combo(p, "apb1div")->setCurrentIndex(0);
        combo(p, "apb2div")->setCurrentIndex(0);
        QCOMPARE(p->model->sclkMhz, 140.0);
        p->resetDefaults();
        QCOMPARE(pageDump(p), expected);
        QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join('|')));
    }

    void typedSclk_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("sclk");
        QTest::addColumn<QString>("ns");
        QTest::addColumn<QString>("pllcfg");
        QTest::addColumn<QString>("apb1");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("200") << "200" << "200.000" << "*100" << "0x00421901" << "100.000" << QStringList();
        QTest::newRow("288") << "288" << "288.000" << "*144" << "0x00422401" << "144.000" << QStringList();
        for (const char *bad : {"288.5", "3.9", "."})
            QTest::newRow(bad) << bad << "288.000" << "*144" << "0x00422401" << "144.000"
                               << QStringList{"Error: sclk input error!"};
    }
    void typedSclk()
    {
        KytoR810PLL page(nullptr);
        typeAndReturn(edit(&page, "sclk"), QTest::currentDataTag() == QLatin1String("288") ? "200" : "288");
        UserDialogs::reset();
        QFETCH(QString, typed);
        typeAndReturn(edit(&page, "sclk"), typed);
        QTEST(boxTexts(), "boxes");
        QTEST(QString::number(page.model->sclkMhz, 'f', 3), "sclk");
        QTEST(edit(&page, "pllns")->text(), "ns");
        QCOMPARE(edit(&page, "pllms")->text(), QStringLiteral("/1"));
        QCOMPARE(combo(&page, "pllfr")->currentText(), QStringLiteral("  /4"));
        QTEST(readout(&page, "pllcfg"), "pllcfg");
        QTEST(readout(&page, "apb1_peripheral"), "apb1");
    }

    void factorQuestions_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("ms");
        QTest::addColumn<int>("ns");
        const QString msQ = "Warning: pll_ms input error, is it adjusted automatically?\nThe following condition must be met: \n2MHz <= pll_input / pll_ms <= 16MHz";
        const QString nsQ = "Warning: pll_ns input error, is it adjusted automatically?\n\nThe following condition must be met: \n500MHz <= pll_input * pll_ns / pll_ms <= 1200MHz";
        const int yes = QMessageBox::Yes, cancel = QMessageBox::Cancel;
        // With ms 4 the VCO of ns 144 falls below 500 MHz: the second question.
        // Cancel to the second takes the whole Return back, the /4 taken on Yes too.
        QTest::newRow("ms 5 offers 4") << "pllms" << "5" << QList<int>{yes, cancel} << QStringList{msQ, nsQ}
                                      << "/5" << 1 << 144;
        QTest::newRow("ns 160 offers 150") << "pllns" << "160" << QList<int>{yes} << QStringList{nsQ} << "*150" << 1 << 150;
        QTest::newRow("ns 62 offers 63") << "pllns" << "62" << QList<int>{yes} << QStringList{nsQ} << "*63" << 1 << 63;
        QTest::newRow("cancel keeps the factor") << "pllns" << "160" << QList<int>{cancel} << QStringList{nsQ}
                                                << "*160" << 1 << 144;
        QTest::newRow("ms 0") << "pllms" << "0" << QList<int>() << QStringList{"Error: pll_ms input error!"}
                              << "/0" << 1 << 144;
        QTest::newRow("ms 16") << "pllms" << "16" << QList<int>() << QStringList{"Error: pll_ms input error!"}
                               << "/16" << 1 << 144;
    }
    void factorQuestions()
    {
        QFETCH(QString, node);
        QFETCH(QString, typed);
        QFETCH(QList<int>, answers);
        KytoR810PLL page(nullptr);
        for (int answer : answers)
            UserDialogs::answerNextBox(QMessageBox::StandardButton(answer));
        typeAndReturn(edit(&page, node), typed);
        QTEST(boxTexts(), "boxes");
        QTEST(edit(&page, node)->text(), "shown");
        QTEST(page.model->pllMs, "ms");
        QTEST(page.model->pllNs, "ns");
        if (QTest::currentDataTag() == QLatin1String("cancel keeps the factor")) {
            // Nothing recomputed; the typed factor waits, pale yellow.
            QCOMPARE(readout(&page, "i2s"), QStringLiteral("288.000"));
            QVERIFY(edit(&page, node)->styleSheet().contains(QLatin1String("rgb(255, 255, 225)")));
        }
    }

    // USB off, the system clock on HEXT and the PLL kept for clock-out 1
    // with factors that suit the PLL input in force: a PLL-source click
    // that moves the input out of the VCO window asks. Cancel takes the
    // click back whole; Yes keeps it with the factors in range, and a Save
    // then asks nothing.
    void pllSourceMovesAPllKeptForAClockOut_data()
    {
        QTest::addColumn<PageFactory>("factory");
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("hext");
        QTest::addColumn<QString>("ns");
        QTest::addColumn<bool>("yes");
        const struct {
            const char *name;
            PageFactory factory;
        } classes[] = {{"R810", [] { return new KytoR810PLL(nullptr); }},
                       {"R820", [] { return new KytoR820PLL(nullptr); }}};
        for (const auto &c : classes) {
            for (bool yes : {false, true}) {
                const char *answer = yes ? "Yes" : "Cancel";
                // HEXT 16 asks first (a VCO of 2304 MHz), Yes gives *75.
                QTest::addRow("%s, HEXT 16, *40, to HICK, %s", c.name, answer) << c.factory << 1 << "16" << "40" << yes;
                QTest::addRow("%s, HEXT 4, *100, to HEXT, %s", c.name, answer) << c.factory << 0 << "4" << "100" << yes;
            }
        }
    }
    void pllSourceMovesAPllKeptForAClockOut()
    {
        QFETCH(int, source);
        QFETCH(QString, hext);
        QFETCH(QString, ns);
        QFETCH(bool, yes);
        auto page = newPage();
        KytoR8x0PLL *p = page.get();
        radio(p, "sclkselect", 0)->click();
        combo(p, "clockout1PinSelect")->setCurrentIndex(1);
        radio(p, "clkout1", 3)->click();
        radio(p, "pllrcs", 1 - source)->click();
        UserDialogs::answerNextBox(QMessageBox::Yes);
        typeAndReturn(edit(p, "hext"), hext);
        typeAndReturn(edit(p, "pllns"), ns);
        QCOMPARE(p->model->usbDisabled, 1);
        QCOMPARE(edit(p, "pllns")->text(), "*" + ns);
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
        const QStringList before = pageDump(p);

        UserDialogs::answerNextBox(yes ? QMessageBox::Yes : QMessageBox::Cancel);
        radio(p, "pllrcs", source)->click();
        QCOMPARE(boxTexts().size(), 1);
        QVERIFY(boxTexts().first().startsWith("Warning: pll_ns input error, is it adjusted automatically?"));
        const ClockTreeModel &m = *p->model;
        if (yes) {
            QCOMPARE(m.pllSource, source);
            const double vco = m.pllInputFrequency() * m.pllNs / m.pllMs;
            QVERIFY2(vco >= 500 && vco <= 1200, qPrintable(QString::number(vco)));
            QCOMPARE(edit(p, "pllns")->text(), QStringLiteral("*%1").arg(m.pllNs));
            QCOMPARE(label(p, "pllOutput")->text(), QStringLiteral("%1MHz").arg(m.pllMhz, 0, 'f', 3));
        } else {
            QCOMPARE(pageDump(p), before);
        }

        QTemporaryDir dir;
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
        UserDialogs::answerNextFileDialog(dir.filePath("moved.ZKCF"));
        p->saveConfig(KytoPLLConfig::seriesName(m.seriesIndex));
        QCOMPARE(boxTexts(), QStringList{"Information: Save file succeed!"});
    }

    void typedFactorGetsItsPrefix()
    {
        KytoR810PLL page(nullptr);
        QLineEdit *ms = edit(&page, "pllms");
        ms->clear();
        QTest::keyClicks(ms, "12");
        QCOMPARE(ms->text(), QStringLiteral("/12"));
        QCOMPARE(page.model->pllMs, 1);
    }

    void usbBranch()
    {
        KytoR810PLL page(nullptr);
        combo(&page, "usbswitch")->setCurrentIndex(0);
        QCOMPARE(label(&page, "usbFreq")->text(), QStringLiteral("48.000 MHz"));
        QCOMPARE(textColour(label(&page, "usbFreq")), QColor(Qt::darkGreen));
        QCOMPARE(QStringList() << edit(&page, "pllms")->text() << edit(&page, "pllns")->text()
                               << combo(&page, "pllfr")->currentText(),
                 (QStringList{"/1", "*144", "  /4"}));

        combo(&page, "usbdiv")->setCurrentIndex(8);
        QCOMPARE(label(&page, "usbFreq")->text(), QStringLiteral("57.600 MHz"));
        QCOMPARE(textColour(label(&page, "usbFreq")), QColor(Qt::red));
        page.model->interactiveGenerate = 0;
        UserDialogs::answerNextBox(QMessageBox::Cancel);
        QVERIFY(!page.generateCode());
        QCOMPARE(boxTexts(), QStringList{"Warning: USB clock must be 48MHz. But the USB clock of current config is wrong.  please confirm whether to continue?"});
        QCOMPARE(UserDialogs::shownBoxes().first().icon, QMessageBox::Warning);

        radio(&page, "hicktousb", 1)->click();
        QCOMPARE(label(&page, "usbFreq")->text(), QStringLiteral("48.000 MHz"));
        QVERIFY(!combo(&page, "usbdiv")->isEnabled());

        // A clock output on the USB clock moves to SCLK once USB is off.
        combo(&page, "clockout2PinSelect")->setCurrentIndex(1);
        radio(&page, "clkout2", 3)->click();
        QCOMPARE(page.model->clkout2Source, 3);
        combo(&page, "usbswitch")->setCurrentIndex(1);
        QVERIFY(radio(&page, "clkout2", 0)->isChecked());
        QCOMPARE(page.model->clkout2Source, 0);
    }

    void unusedPllIsGreyed()
    {
        KytoR810PLL page(nullptr);
        radio(&page, "sclkselect", 0)->click();
        QVERIFY(!edit(&page, "pllms")->isEnabled());
        QVERIFY(!edit(&page, "pllns")->isEnabled());
        QVERIFY(!combo(&page, "pllfr")->isEnabled());
        QCOMPARE(label(&page, "pllOutput")->text(), QString());
        QCOMPARE(label(&page, "pllcfg")->text(), QString());
        QCOMPARE(readout(&page, "pllcfg"), QString());
        QCOMPARE(readout(&page, "i2s"), QStringLiteral("8.000"));
        QVERIFY(find<QLabel>(&page, "usageNote_Label_0")->isHidden());
    }

    void ertcFromHext()
    {
        KytoR810PLL page(nullptr);
        combo(&page, "rtcswitch")->setCurrentIndex(1);
        radio(&page, "rtcsel", 2)->click();
        QCOMPARE(readout(&page, "ertc"), QStringLiteral("4000.000"));
        // A bad HEXT text: the confirmation says so once, and the click is
        // taken back: the RTC stays off, and so does its read-out.
        combo(&page, "rtcswitch")->setCurrentIndex(0);
        edit(&page, "hext")->setText("30");
        UserDialogs::reset();
        combo(&page, "rtcswitch")->setCurrentIndex(1);
        QCOMPARE(boxTexts(), (QStringList{"Error: hext input error!"}));
        QCOMPARE(combo(&page, "rtcswitch")->currentIndex(), 0);
        QCOMPARE(readout(&page, "ertc"), QStringLiteral("0"));
    }

    void clockOutputLabels()
    {
        KytoR810PLL page(nullptr);
        combo(&page, "clockout1PinSelect")->setCurrentIndex(1);
        QCOMPARE(find<QLabel>(&page, "clkout1SourceFreq_Label_0")->text(), QStringLiteral("(8.000 MHz)"));
        QCOMPARE(label(&page, "clkout1Freq")->text(), QStringLiteral("(8.000 MHz)"));
        UserDialogs::answerNextBox(QMessageBox::Yes);
        radio(&page, "pllrcs", 1)->click();
        QCOMPARE(find<QLabel>(&page, "clkout1SourceFreq_Label_0")->text(), QStringLiteral("(48.000 MHz)"));

        combo(&page, "clockout2PinSelect")->setCurrentIndex(1);
        radio(&page, "clkout2", 6)->click();
        combo(&page, "clockout2div1")->setCurrentIndex(4);
        combo(&page, "clockout2div2")->setCurrentIndex(8);
        QCOMPARE(find<QLabel>(&page, "clkout2SourceFreq_Label_6")->text(), QStringLiteral("(40.000 kHz)"));
        QCOMPARE(label(&page, "clkout2Freq")->text(), QStringLiteral("(0.016 kHz)"));
        radio(&page, "clkout2", 5)->click();
        QCOMPARE(find<QLabel>(&page, "clkout2SourceFreq_Label_5")->text(), QString());
        QCOMPARE(label(&page, "clkout2Freq")->text(), QString());
    }

    void generateInteractive_data() { addClassRows(); }
    void generateInteractive()
    {
        auto page = newPage();
        QTemporaryDir dir;
        page->model->interactiveGenerate = 1;
        UserDialogs::answerNextFileDialog(dir.path());
        UserDialogs::answerNextBoxWithText("OK");
        QVERIFY(page->generateCode());
        QCOMPARE(boxTexts(), QStringList{"Information: Generate code finished!  Files:\n\nsrc/main.c\n"
                                         "src/kytor810_820_clock.c\ninc/kytor810_820_clock.h\ninc/kytor810_820_conf.h\n"});
        for (const char *file : {"src/main.c", "src/kytor810_820_clock.c", "inc/kytor810_820_clock.h",
                                 "inc/kytor810_820_conf.h"})
            QVERIFY(QFile::exists(dir.filePath(file)));
        QCOMPARE(UserDialogs::fileQuestions().first().caption, QStringLiteral("Select directory"));
    }

    void generatePreviewAsksNothing()
    {
        KytoR820PLL page(nullptr);
        const QString folder = QCoreApplication::applicationDirPath() + "/Code_Sample";
        page.model->interactiveGenerate = 0;
        QVERIFY(page.generateCode());
        QVERIFY(UserDialogs::shownBoxes().isEmpty());
        QVERIFY(UserDialogs::fileQuestions().isEmpty());
        QVERIFY(QFile::exists(folder + "/inc/kytor810_820_conf.h"));
    }

    void generateIntoAFileNamedInc()
    {
        KytoR810PLL page(nullptr);
        QTemporaryDir dir;
        QFile blocker(dir.filePath("inc"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        page.model->interactiveGenerate = 1;
        UserDialogs::answerNextFileDialog(dir.path());
        QVERIFY(!page.generateCode());
        QCOMPARE(boxTexts(), QStringList{"Error: Creating \"inc\" folder error!"});
    }

    // A PLL above 288 MHz counts only while something uses it.
    void pllLimitOnlyWhileUsed()
    {
        KytoR810PLL page(nullptr);
        radio(&page, "sclkselect", 2)->click();
        combo(&page, "clockout1PinSelect")->setCurrentIndex(1);
        radio(&page, "clkout1", 3)->click();
        typeAndReturn(edit(&page, "pllns"), "150");
        QCOMPARE(page.model->pllMhz, 300.0);
        QTemporaryDir dir;
        page.model->interactiveGenerate = 1;
        UserDialogs::reset();
        QVERIFY(!page.generateCode());
        QCOMPARE(boxTexts(), QStringList{"Error: Can not support pll clock greater than 288MHz"});
        combo(&page, "clockout1PinSelect")->setCurrentIndex(0);
        UserDialogs::reset();
        UserDialogs::answerNextFileDialog(dir.path());
        UserDialogs::answerNextBoxWithText("OK");
        QVERIFY(page.generateCode());
        QCOMPARE(boxTexts().size(), 1);
    }

    // A typed HEXT whose factor question was cancelled stays pending: the
    // cancelled Generate asks once, and adjusted, the design is judged with
    // the clocks it would give, not with the ones on show.
    void staleClocksAreNotGenerated()
    {
        KytoR810PLL page(nullptr);
        UserDialogs::answerNextBox(QMessageBox::Cancel);
        typeAndReturn(edit(&page, "hext"), "16");
        QCOMPARE(readout(&page, "i2s"), QStringLiteral("288.000"));
        page.model->interactiveGenerate = 1;
        UserDialogs::reset();
        UserDialogs::answerNextBox(QMessageBox::Cancel);
        QVERIFY(!page.generateCode());
        QVERIFY(UserDialogs::fileQuestions().isEmpty());
        UserDialogs::reset();
        UserDialogs::answerNextBox(QMessageBox::Yes);
        QVERIFY(!page.generateCode());
        QCOMPARE(boxTexts().size(), 2);
        QCOMPARE(boxTexts().last(), QStringLiteral("Error: sclk input error!"));
        QCOMPARE(page.model->pllNs, 75);
    }

    // The usage notes follow a language switch at run time at once.
    void notesFollowTheLanguage()
    {
        KytoR810PLL page(nullptr);
        QCOMPARE(find<QLabel>(&page, "usageNote_Label_1")->text(), QStringLiteral("Temperature range - 40~85 degree. "));
        QTranslator zh;
        QVERIFY(zh.load(":/image/tr_zh.qm"));
        QCoreApplication::installTranslator(&zh);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(find<QLabel>(&page, "usageNote_Label_0")->text(), QString::fromUtf8("使用限制："));
        QCOMPARE(find<QLabel>(&page, "usageNote_Label_2")->text(), QString::fromUtf8("VDD 必须高于 3.0V。"));
        QCoreApplication::removeTranslator(&zh);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(find<QLabel>(&page, "usageNote_Label_0")->text(), QStringLiteral("Useage limited:"));
    }

    void chineseTexts()
    {
        QTranslator zh;
        QVERIFY(zh.load(":/image/tr_zh.qm"));
        QCoreApplication::installTranslator(&zh);
        {
            KytoR820PLL page(nullptr);
            QCOMPARE(find<QLabel>(&page, "usageNote_Label_0")->text(), QStringLiteral("使用限制："));
            typeAndReturn(edit(&page, "sclk"), "300");
            QCOMPARE(boxTexts(), QStringList{"错误: sclk 输入错误！"});
            QCOMPARE(UserDialogs::shownBoxes().first().buttons, QStringList{"确定"});

            // These series word the generation boxes their own way.
            QTemporaryDir dir;
            QFile blocker(dir.filePath("inc"));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            blocker.close();
            edit(&page, "sclk")->setText("288");
            UserDialogs::reset();
            page.model->interactiveGenerate = 1;
            UserDialogs::answerNextFileDialog(dir.path());
            QVERIFY(!page.generateCode());
            QCOMPARE(boxTexts(), QStringList{"错误: 创建inc文件夹失败!"});
        }
        QCoreApplication::removeTranslator(&zh);
    }
};

QTEST_MAIN(TestR8x0SeriesEdit)
#include "tst_r8x0series_edit.moc"
