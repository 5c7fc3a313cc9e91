// The D515 and D525 pages: what a new page shows, typed values and the PLL
// factor questions, greyed paths, the clock-out and CAN read-outs. Every
// test runs over both classes.
#include "series/highperf/KytoD515PLL.h"
#include "series/highperf/KytoD525PLL.h"
#include "SeriesPages.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "UserDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <functional>
#include <memory>

using PageFactory = std::function<KytoD5x5PLL *()>;
Q_DECLARE_METATYPE(PageFactory)

using SeriesPages::boxTexts;
using SeriesPages::combo;
using SeriesPages::radio;
using SeriesPages::typeAndReturn;

namespace {

QLineEdit *edit(QWidget *page, const char *name)
{
    return page->findChild<QLineEdit *>(QString::fromLatin1(name) + "_LineEdit");
}

QLineEdit *readoutBox(QWidget *page, const char *name)
{
    return page->findChild<QLineEdit *>(QString::fromLatin1(name) + "_ReadOut");
}

QString readout(QWidget *page, const char *name)
{
    QLineEdit *e = readoutBox(page, name);
    return e ? e->text() : QStringLiteral("<missing>");
}

QLabel *label(QWidget *page, const QString &name)
{
    return page->findChild<QLabel *>(name + "_Label");
}

QColor textColour(QWidget *w)
{
    return w->palette().color(QPalette::Text);
}

// The text of every control and the model's inputs and clocks, as lines.
QStringList pageDump(KytoD5x5PLL *page)
{
    QStringList lines;
    for (QComboBox *c : page->findChildren<QComboBox *>())
        lines << QStringLiteral("%1 %2 %3").arg(c->objectName()).arg(c->currentIndex()).arg(c->isEnabled());
    for (QRadioButton *r : page->findChildren<QRadioButton *>())
        lines << QStringLiteral("%1 %2 %3").arg(r->objectName()).arg(r->isChecked()).arg(r->isEnabled());
    for (QLineEdit *e : page->findChildren<QLineEdit *>())
        // The greyed ERTC and CAN read-outs keep what they last showed (a new
        // page shows their built texts).
        if (e->isEnabled() || (e->objectName() != QLatin1String("rtc_ReadOut")
                               && e->objectName() != QLatin1String("can_ReadOut")))
            // Style sheets that differ only in a doubled ';' look the same.
            lines << QStringLiteral("%1 '%2' %3 %4").arg(e->objectName(), e->text()).arg(e->isEnabled())
                     .arg(e->styleSheet().replace(";;", ";"));
    // Greyed clock-out labels keep their last texts too.
    for (QLabel *l : page->findChildren<QLabel *>())
        lines << (l->isEnabled() ? QStringLiteral("label '%1' %2").arg(l->text()).arg(l->isHidden()) : QStringLiteral("greyed label"));
    const ClockTreeModel &m = *page->model;
    lines << QStringLiteral("rtc %1 %2 %3 bypass %4 %5 hext %6 div %7 %8")
                 .arg(m.rtcSource).arg(m.rtcEnabled).arg(m.rtcHextDiv).arg(m.lextBypass).arg(m.hextBypass)
                 .arg(m.hextMhz).arg(m.hextDiv).arg(m.hickDiv)
          << QStringLiteral("pll %1 %2 %3 %4 mode %5 sclk %6 hick48 %7")
                 .arg(m.pllSource).arg(m.pllMs).arg(m.pllNs).arg(m.pllFr).arg(m.pllFlexibleMode)
                 .arg(m.sclkSource).arg(m.sclkHick48)
          << QStringLiteral("buses %1 %2 %3 %4").arg(m.ahbDiv).arg(m.apb1Div).arg(m.apb2Div).arg(m.apb3Div)
          << QStringLiteral("clkout %1 %2 %3 pin %4 can %5 %6")
                 .arg(m.clkoutSource).arg(m.clkoutDiv1).arg(m.clkoutDiv2).arg(m.clkoutPin)
                 .arg(m.can1ClockSource).arg(m.can1Enabled)
          << QStringLiteral("clocks %1 %2 %3 %4 %5 %6")
                 .arg(m.pllMhz).arg(m.sclkMhz).arg(m.ahbMhz).arg(m.apb1Mhz).arg(m.apb2Mhz).arg(m.apb3Mhz);
    return lines;
}

void addClassColumns()
{
    QTest::addColumn<PageFactory>("make");
}

void addClassRows(const char *what = "")
{
    QTest::newRow(qPrintable(QString("D515%1").arg(what))) << PageFactory([] { return new KytoD515PLL(nullptr); });
    QTest::newRow(qPrintable(QString("D525%1").arg(what))) << PageFactory([] { return new KytoD525PLL(nullptr); });
}

} // namespace

class TestD5x5SeriesEdit : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<KytoD5x5PLL> page;

    void build(const PageFactory &make)
    {
        page.reset(make());
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
    }

private slots:
    void initTestCase()
    {
        SeriesPages::silenceOffscreenSizeHints();
        UserDialogs::setTestMode(true);
    }

    void cleanup()
    {
        page.reset();
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
    }

    void newPage_data()
    {
        addClassColumns();
        addClassRows();
    }
    void newPage()
    {
        QFETCH(PageFactory, make);
        build(make);
        QVERIFY(boxTexts().isEmpty());

        const QMetaObject *mo = page->metaObject();
        QStringList slotNames;
        for (int i = mo->methodOffset(); i < mo->methodCount(); ++i)
            slotNames << QString::fromLatin1(mo->method(i).name());
        QCOMPARE(slotNames, (QStringList{
            "rtcsel_RadioButton_checkSlot", "rtcswitch_ComboBox_currentIndexChanged",
            "rtcdiv_ComboBox_currentIndexChanged", "lextbypass_ComboBox_currentIndexChanged",
            "hextdiv_ComboBox_currentIndexChanged", "hickdiv_ComboBox_currentIndexChanged",
            "hext_LineEdit_returnPressed", "hext_LineEdit_textChanged", "hextbypass_ComboBox_currentIndexChanged",
            "pllms_LineEdit_returnPressed", "pllms_LineEdit_textChanged", "pllns_LineEdit_returnPressed",
            "pllns_LineEdit_textChanged", "pllfr_ComboBox_currentIndexChanged", "pllrcs_RadioButton_checkSlot",
            "sclkselecthext_RadioButton_checkSlot", "sclkselectpll_RadioButton_checkSlot",
            "sclkselecthick_RadioButton_checkSlot", "ahbdiv_ComboBox_currentIndexChanged",
            "apb1div_ComboBox_currentIndexChanged", "apb2div_ComboBox_currentIndexChanged",
            "apb3div_ComboBox_currentIndexChanged", "hicktosclk_RadioButton_checkSlot",
            "clkout_RadioButton_checkSlot", "clockoutdiv1_ComboBox_currentIndexChanged",
            "clockoutdiv2_ComboBox_currentIndexChanged", "clockoutPinSelectComboBox_currentIndexChanged",
            "sclk_LineEdit_returnPressed", "sclk_LineEdit_textChanged", "toapb1peripheral_List_Button_checkSlot",
            "toapb1tmr_List_Button_checkSlot", "toapb2peripheral_List_Button_checkSlot",
            "toapb2tmr_List_Button_checkSlot", "canclocksel_RadioButton_checkSlot",
            "canswitch_ComboBox_currentIndexChanged"}));

        QCOMPARE(edit(page.get(), "sclk")->text(), QStringLiteral("180.000"));
        QCOMPARE(textColour(edit(page.get(), "sclk")), QColor(Qt::darkGreen));
        for (const char *name : {"i2s", "dma", "gpio", "apb1_peripheral", "apb1_tmr", "apb2_peripheral", "apb2_tmr"})
            QCOMPARE(readout(page.get(), name), QStringLiteral("180.000"));
        QCOMPARE(readout(page.get(), "systick"), QStringLiteral("22.500"));
        QCOMPARE(readout(page.get(), "apb3_peripheral"), QStringLiteral("45.000"));
        QCOMPARE(page->findChild<QLineEdit *>("systickDiv_Box")->text(), QStringLiteral("/ 8"));
        QCOMPARE(page->findChild<QLineEdit *>("apb1TimerMult_Box")->text(), QStringLiteral("* 1"));
        QCOMPARE(page->findChild<QLineEdit *>("apb2TimerMult_Box")->text(), QStringLiteral("* 1"));

        QCOMPARE(label(page.get(), "pllOutput")->text(), QStringLiteral("180.000MHz"));
        QCOMPARE(readout(page.get(), "pllcfg"), QStringLiteral("0x00421681"));
        QCOMPARE(edit(page.get(), "pllms")->text(), QStringLiteral("/1"));
        QCOMPARE(edit(page.get(), "pllns")->text(), QStringLiteral("*90"));
        QCOMPARE(combo(page.get(), "pllfr")->currentText(), QStringLiteral("  /4"));
        QCOMPARE(combo(page.get(), "apb3div")->currentText(), QStringLiteral("  /4"));
        QCOMPARE(combo(page.get(), "rtcdiv")->count(), 30);
        QCOMPARE(combo(page.get(), "rtcdiv")->itemText(29), QStringLiteral("  /31"));

        QCOMPARE(readout(page.get(), "can"), QStringLiteral("0"));
        QVERIFY(!readoutBox(page.get(), "can")->isEnabled());
        for (int i = 0; i < 3; ++i)
            QVERIFY(!radio(page.get(), "canclocksel", i)->isEnabled());
        QVERIFY(radio(page.get(), "canclocksel", 0)->isChecked());
        QVERIFY(readoutBox(page.get(), "hick")->isEnabled());

        CustomComboBox1 *pin = combo(page.get(), "clockoutPinSelect");
        QStringList pins;
        for (int i = 0; i < pin->count(); ++i)
            pins << pin->itemText(i);
        QCOMPARE(pins, (QStringList{"none", "PA8", "PA9", "PB13", "PF2"}));
        for (const char *list : {"toapb1peripheral", "toapb1tmr", "toapb2peripheral", "toapb2tmr"})
            QVERIFY(page->findChild<QWidget *>(QString::fromLatin1(list) + "_List")->isHidden());

        const ClockTreeModel &m = *page->model;
        QCOMPARE(m.sclkMhz, 180.0);
        QCOMPARE(m.apb3Div, 4);
        QCOMPARE(m.can1ClockSource, 0);
        QVERIFY(!m.can1Enabled);
    }

    void resetAfterEditsEqualsNewPage_data()
    {
        addClassColumns();
        addClassRows();
    }
    void resetAfterEditsEqualsNewPage()
    {
        QFETCH(PageFactory, make);
        build(make);
        // "New" runs the reset once more with the slots connected.
        page->resetDefaults();
        const QStringList fresh = pageDump(page.get());

        UserDialogs::answerNextBox(QMessageBox::Yes);
        typeAndReturn(edit(page.get(), "hext"), "12");
        combo(page.get(), "rtcswitch")->setCurrentIndex(1);
        radio(page.get(), "rtcsel", 2)->click();
        combo(page.get(), "rtcdiv")->setCurrentIndex(5);
        combo(page.get(), "hextbypass")->setCurrentIndex(1);
        combo(page.get(), "clockoutPinSelect")->setCurrentIndex(4);
        radio(page.get(), "clkout", 2)->setChecked(true);
        combo(page.get(), "clockoutdiv1")->setCurrentIndex(2);
        combo(page.get(), "clockoutdiv2")->setCurrentIndex(3);
        combo(page.get(), "canswitch")->setCurrentIndex(1);
        radio(page.get(), "canclocksel", 2)->setChecked(true);
        combo(page.get(), "apb3div")->setCurrentIndex(1);
        combo(page.get(), "ahbdiv")->setCurrentIndex(1);
        radio(page.get(), "hicktosclk", 1)->setChecked(true);
        combo(page.get(), "hickdiv")->setCurrentIndex(2);
        radio(page.get(), "sclkselect", 2)->setChecked(true);
        radio(page.get(), "pllrcs", 1)->click();
        edit(page.get(), "pllms")->setText("/7");
        QVERIFY(pageDump(page.get()) != fresh);

        UserDialogs::reset();
        UserDialogs::setTestMode(true);
        page->resetDefaults();
        QCOMPARE(boxTexts(), QStringList());
        QCOMPARE(pageDump(page.get()), fresh);
    }

    void typedSystemClock_data()
    {
        addClassColumns();
        addClassRows();
    }
    void typedSystemClock()
    {
        QFETCH(PageFactory, make);
        build(make);
        typeAndReturn(edit(page.get(), "sclk"), "150");
        QCOMPARE(boxTexts(), QStringList());
        QCOMPARE(edit(page.get(), "pllms")->text(), QStringLiteral("/1"));
        QCOMPARE(edit(page.get(), "pllns")->text(), QStringLiteral("*75"));
        QCOMPARE(combo(page.get(), "pllfr")->currentText(), QStringLiteral("  /4"));
        QCOMPARE(edit(page.get(), "sclk")->text(), QStringLiteral("150.000"));
        QCOMPARE(readout(page.get(), "pllcfg"), QStringLiteral("0x004212c1"));

        typeAndReturn(edit(page.get(), "sclk"), "180.5");
        QCOMPARE(boxTexts(), QStringList{"Error: sclk input error!"});
        QCOMPARE(UserDialogs::shownBoxes().last().icon, QMessageBox::Critical);
        QCOMPARE(UserDialogs::shownBoxes().last().buttons, QStringList{"Ok"});
        QCOMPARE(page->model->sclkMhz, 150.0);

        // No lower bound: a text that is no number reads as 0 and passes.
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
        typeAndReturn(edit(page.get(), "sclk"), ".");
        QCOMPARE(boxTexts(), QStringList());
    }

    void factorQuestions_data()
    {
        QTest::addColumn<PageFactory>("make");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("ms");
        QTest::addColumn<int>("ns");
        const QString msQuestion = "Warning: pll_ms input error, is it adjusted automatically?\nThe following condition must be met: \n2MHz <= pll_input / pll_ms <= 16MHz";
        const QString nsQuestion = "Warning: pll_ns input error, is it adjusted automatically?\n\nThe following condition must be met: \n500MHz <= pll_input * pll_ns / pll_ms <= 1000MHz";
        const int yes = QMessageBox::Yes, cancel = QMessageBox::Cancel;
        for (const char *cls : {"D515", "D525"}) {
            const PageFactory make = QString(cls) == "D515" ? PageFactory([] { return new KytoD515PLL(nullptr); })
                                                              : PageFactory([] { return new KytoD525PLL(nullptr); });
            // The tag's bytes are returned, not a pointer into a string that
            // dies with the lambda; newRow copies them.
            auto row = [&](const char *what) { return QString("%1 %2").arg(cls, what).toUtf8(); };
            // 8 MHz / 4 is offered; the VCO of 8 * 90 / 4 then asks about
            // pll_ns, and Cancel (no answer queued) takes the whole Return
            // back: the typed /5 stays, the model keeps /1.
            QTest::newRow(row("ms 5, Yes").constData()) << make << "pllms" << "5" << yes << QStringList{msQuestion, nsQuestion} << "/5" << 1 << 90;
            QTest::newRow(row("ms 5, Cancel").constData()) << make << "pllms" << "5" << cancel << QStringList{msQuestion} << "/5" << 1 << 90;
            QTest::newRow(row("ms 0").constData()) << make << "pllms" << "0" << 0 << QStringList{"Error: pll_ms input error!"} << "/0" << 1 << 90;
            QTest::newRow(row("ns 130, Yes").constData()) << make << "pllns" << "130" << yes << QStringList{nsQuestion} << "*125" << 1 << 125;
            QTest::newRow(row("ns 600").constData()) << make << "pllns" << "600" << 0 << QStringList{"Error: pll_ns input error!"} << "*600" << 1 << 90;
        }
    }
    void factorQuestions()
    {
        QFETCH(PageFactory, make);
        QFETCH(QString, edit);
        QFETCH(QString, typed);
        QFETCH(int, answer);
        QFETCH(QStringList, boxes);
        QFETCH(QString, shown);
        QFETCH(int, ms);
        QFETCH(int, ns);
        build(make);
        if (answer)
            UserDialogs::answerNextBox(QMessageBox::StandardButton(answer));
        typeAndReturn(::edit(page.get(), qPrintable(edit)), typed);
        QCOMPARE(boxTexts(), boxes);
        const UserDialogs::ShownBox box = UserDialogs::shownBoxes().first();
        if (box.title == QLatin1String("Warning")) {
            QCOMPARE(box.icon, QMessageBox::Question);
            QStringList buttons = box.buttons;
            buttons.sort();
            QCOMPARE(buttons, (QStringList{"Cancel", "Yes"}));
        }
        QCOMPARE(::edit(page.get(), qPrintable(edit))->text(), shown);
        QCOMPARE(page->model->pllMs, ms);
        QCOMPARE(page->model->pllNs, ns);
    }

    // Which controls stand for HEXT: whatever the model counts as using
    // HEXT always finds the HEXT edit enabled and checked.
    void hextEditFollowsItsUsers_data()
    {
        QTest::addColumn<PageFactory>("make");
        QTest::addColumn<int>("sclkSource");
        QTest::addColumn<int>("pllSource");
        QTest::addColumn<int>("canSource");   // -1: CAN off
        QTest::addColumn<bool>("enabled");
        struct Case { const char *name; int sclk, pll, can; bool enabled; };
        const Case cases[] = {
            {"SCLK from HICK, CAN off", 2, 0, -1, false},
            {"SCLK from HICK, CAN on HEXT", 2, 0, 0, true},
            {"SCLK from HICK, CAN on PLL from HEXT", 2, 0, 1, true},
            {"SCLK from HICK, CAN on PLL from HICK", 2, 1, 1, false},
            {"SCLK from HICK, CAN on PCLK", 2, 0, 2, false},
            {"SCLK from the PLL from HICK", 1, 1, -1, false},
            {"SCLK from the PLL from HEXT", 1, 0, -1, true},
            {"SCLK from HEXT", 0, 1, -1, true},
        };
        for (const Case &c : cases) {
            QTest::newRow(qPrintable(QString("D515 ") + c.name)) << PageFactory([] { return new KytoD515PLL(nullptr); })
                                                               << c.sclk << c.pll << c.can << c.enabled;
            QTest::newRow(qPrintable(QString("D525 ") + c.name)) << PageFactory([] { return new KytoD525PLL(nullptr); })
                                                               << c.sclk << c.pll << c.can << c.enabled;
        }
    }
    void hextEditFollowsItsUsers()
    {
        QFETCH(PageFactory, make);
        QFETCH(int, sclkSource);
        QFETCH(int, pllSource);
        QFETCH(int, canSource);
        QFETCH(bool, enabled);
        build(make);
        // The PLL stays within its windows from HICK/6 as well (8 MHz in).
        radio(page.get(), "pllrcs", pllSource)->click();
        radio(page.get(), "sclkselect", sclkSource)->setChecked(true);
        if (canSource >= 0) {
            radio(page.get(), "canclocksel", canSource)->setChecked(true);
            combo(page.get(), "canswitch")->setCurrentIndex(1);
        }
        QCOMPARE(boxTexts(), QStringList());
        QLineEdit *hext = edit(page.get(), "hext");
        QCOMPARE(hext->isEnabled(), enabled);
        QCOMPARE(page->hextEnabled, enabled);
        if (page->model->isHextUsed())
            QVERIFY(enabled);

        if (enabled) {
            hext->setText("3");
            page->model->interactiveGenerate = 0;
            QVERIFY(!page->generateCode());
            QCOMPARE(boxTexts(), QStringList{"Error: hext input error!"});
        }
    }

    void clockOutAndErtcLabels_data()
    {
        addClassColumns();
        addClassRows();
    }
    void clockOutAndErtcLabels()
    {
        QFETCH(PageFactory, make);
        build(make);
        QWidget *p = page.get();
        CustomComboBox1 *pin = combo(p, "clockoutPinSelect");
        pin->setCurrentIndex(4);
        QCOMPARE(pin->currentText(), QStringLiteral("PF2"));
        QCOMPARE(page->model->clkoutPin, 5);

        radio(p, "clkout", 5)->setChecked(true);   // lick
        combo(p, "clockoutdiv1")->setCurrentIndex(4);
        combo(p, "clockoutdiv2")->setCurrentIndex(8);
        QCOMPARE(page->model->clkoutSource, 1);
        QCOMPARE(label(p, "clkoutFreq")->text(), QStringLiteral("(0.016 kHz)"));
        QCOMPARE(p->findChild<QLabel *>("clkoutSourceFreq_Label_5")->text(), QStringLiteral("(40.000 kHz)"));

        // The clock output takes HICK at 48 MHz, whatever the system clock takes.
        radio(p, "clkout", 3)->setChecked(true);
        radio(p, "sclkselect", 2)->setChecked(true);
        QCOMPARE(page->model->sclkMhz, 8.0);
        QLabel *hickSource = p->findChild<QLabel *>("clkoutSourceFreq_Label_3");
        QCOMPARE(hickSource->text(), QStringLiteral("(48.000 MHz)"));
        QVERIFY(!hickSource->isHidden());
        QCOMPARE(label(p, "clkoutFreq")->text(), QStringLiteral("(0.019 MHz)"));

        // Pin "none" greys the clock-out labels, which keep their texts.
        pin->setCurrentIndex(0);
        QCOMPARE(page->model->clkoutPin, 0);
        QVERIFY(!label(p, "clkoutFreq")->isEnabled());
        QCOMPARE(label(p, "clkoutFreq")->text(), QStringLiteral("(0.019 MHz)"));
        QCOMPARE(hickSource->text(), QStringLiteral("(48.000 MHz)"));
        QVERIFY(!radio(p, "clkout", 0)->isEnabled());

        combo(p, "rtcswitch")->setCurrentIndex(1);
        radio(p, "rtcsel", 2)->click();
        QCOMPARE(page->model->rtcSource, 2);
        QCOMPARE(readout(p, "rtc"), QStringLiteral("4000.000"));
        QVERIFY(combo(p, "rtcdiv")->isEnabled());
        QCOMPARE(boxTexts(), QStringList());
    }

    void canReadout_data()
    {
        addClassColumns();
        addClassRows();
    }
    void canReadout()
    {
        QFETCH(PageFactory, make);
        build(make);
        QWidget *p = page.get();
        QLineEdit *can = readoutBox(p, "can");
        radio(p, "canclocksel", 1)->setChecked(true);
        combo(p, "canswitch")->setCurrentIndex(1);
        QVERIFY(can->isEnabled());
        QCOMPARE(can->text(), QStringLiteral("180.000"));
        QCOMPARE(textColour(can), QColor(Qt::darkGreen));

        // The PLL, not the system clock: SCLK from HICK keeps the PLL at 180.
        radio(p, "sclkselect", 2)->setChecked(true);
        QCOMPARE(page->model->sclkMhz, 8.0);
        QCOMPARE(can->text(), QStringLiteral("180.000"));
        typeAndReturn(edit(p, "pllns"), "100");
        QCOMPARE(page->model->pllMhz, 200.0);
        QCOMPARE(can->text(), QStringLiteral("200.000"));
        QCOMPARE(textColour(can), QColor(Qt::red));

        radio(p, "canclocksel", 2)->setChecked(true);
        combo(p, "apb1div")->setCurrentIndex(2);
        QCOMPARE(can->text(), QStringLiteral("2.000"));
        QCOMPARE(can->text(), readout(p, "apb1_peripheral"));

        combo(p, "canswitch")->setCurrentIndex(0);
        QCOMPARE(can->text(), QStringLiteral("2.000"));
        QVERIFY(!can->isEnabled());
        QCOMPARE(textColour(can), QColor(Qt::gray));
        QCOMPARE(boxTexts(), QStringList());
    }

    // The post-divider is stored even when a pending HEXT text stops the
    // check: the combo and the model never disagree.
    void postDividerTakenBackWithBadPendingHext_data()
    {
        addClassColumns();
        addClassRows();
    }
    void postDividerTakenBackWithBadPendingHext()
    {
        QFETCH(PageFactory, make);
        build(make);
        const int before = combo(page.get(), "pllfr")->currentIndex();
        const int frBefore = page->model->pllFr;
        edit(page.get(), "hext")->setText("3");
        combo(page.get(), "pllfr")->setCurrentIndex(before == 1 ? 2 : 1);
        QCOMPARE(boxTexts(), QStringList{"Error: hext input error!"});
        QCOMPARE(combo(page.get(), "pllfr")->currentIndex(), before);
        QCOMPARE(page->model->pllFr, frBefore);
        QCOMPARE(page->model->hextMhz, 8.0);
        QCOMPARE(edit(page.get(), "hext")->text(), QStringLiteral("3"));
    }

    void listsOpenOneAtATime()
    {
        build([] { return new KytoD515PLL(nullptr); });
        QWidget *p = page.get();
        auto list = [p](const char *name) { return p->findChild<QWidget *>(QString::fromLatin1(name) + "_List"); };
        auto button = [p](const char *name) { return p->findChild<QPushButton *>(QString::fromLatin1(name) + "_List_Button"); };
        button("toapb1tmr")->click();
        QVERIFY(!list("toapb1tmr")->isHidden());
        button("toapb2peripheral")->click();
        QVERIFY(list("toapb1tmr")->isHidden());
        QVERIFY(!list("toapb2peripheral")->isHidden());
        button("toapb2peripheral")->click();
        QVERIFY(list("toapb2peripheral")->isHidden());
        button("toapb1peripheral")->click();
        QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(list("toapb1peripheral")->isHidden());
    }
};

QTEST_MAIN(TestD5x5SeriesEdit)
#include "tst_d5x5series_edit.moc"
