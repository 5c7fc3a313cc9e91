// The dual-mode PLL pages at work: the PLL mode and its factors, typed
// values and their checks, the selection slots, Config Reset, the limit
// checks before Generate and Save, the generated code and the design files.
#include "series/dualmode/KytoDualModePLL.h"
#include "MultiplierPages.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "KytoPLLConfig.h"
#include "UserDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>

using MultiplierPages::boxTexts;
using MultiplierPages::find;
using MultiplierPages::typeAndReturn;

namespace {

KytoDualModePLL *makePage(int index)
{
    return static_cast<KytoDualModePLL *>(KytoPLLConfig::registeredOperations(index).create(nullptr));
}

CustomComboBox1 *combo(QWidget *page, const QString &name)
{
    return find<CustomComboBox1>(page, name);
}

QRadioButton *radio(QWidget *page, const QString &name)
{
    return find<QRadioButton>(page, name);
}

QLineEdit *lineEdit(QWidget *page, const QString &name)
{
    return find<QLineEdit>(page, name);
}

QString text(QWidget *page, const QString &name)
{
    if (QLineEdit *e = page->findChild<QLineEdit *>(name))
        return e->text();
    if (QLabel *l = page->findChild<QLabel *>(name))
        return l->text();
    if (QComboBox *c = page->findChild<QComboBox *>(name))
        return c->currentText();
    return QStringLiteral("<missing %1>").arg(name);
}

const QString msQuestion = "Warning: pll_ms input error, is it adjusted automatically?\nThe following condition must be met: \n"
                           "2MHz <= pll_input / pll_ms <= 16MHz";
const QString nsQuestion = "Warning: pll_ns input error, is it adjusted automatically?\n\nThe following condition must be met: \n"
                           "500MHz <= pll_input * pll_ns / pll_ms <= 1000MHz";

// Every control's state and the model's inputs, as lines. Greyed read-outs
// and hidden or greyed labels keep whatever they last showed, which is not
// part of a state.
QStringList pageDump(KytoDualModePLL *page)
{
    QStringList lines;
    for (QComboBox *c : page->findChildren<QComboBox *>())
        lines << QStringLiteral("%1 %2 %3").arg(c->objectName()).arg(c->currentIndex()).arg(c->isEnabled());
    for (QRadioButton *r : page->findChildren<QRadioButton *>())
        lines << QStringLiteral("%1 %2 %3").arg(r->objectName()).arg(r->isChecked()).arg(r->isEnabled());
    for (QLineEdit *e : page->findChildren<QLineEdit *>()) {
        QString shown = e->isEnabled() ? e->text() : QString();
        // The file keeps HEXT with six decimals; the edit shows the number.
        if (e->objectName() == QLatin1String("hext_LineEdit"))
            shown = QString::number(shown.toDouble());
        lines << QStringLiteral("%1 '%2' %3 %4").arg(e->objectName(), shown).arg(e->isEnabled()).arg(e->isHidden());
    }
    for (QLabel *l : page->findChildren<QLabel *>()) {
        if (!l->objectName().isEmpty())
            lines << QStringLiteral("%1 '%2'").arg(l->objectName(), l->isEnabled() && !l->isHidden() ? l->text() : QString());
    }
    const ClockTreeModel &m = *page->model;
    lines << QStringLiteral("rtc %1 %2 bypass %3 %4 hext %5 %6").arg(m.rtcSource).arg(m.rtcEnabled).arg(m.lextBypass)
                 .arg(m.hextBypass).arg(m.hextMhz).arg(m.hextDiv)
          << QStringLiteral("pll %1 %2 mode %3 mult %4 ms %5 ns %6 fr %7").arg(m.pllSource).arg(m.pllHextDivEnabled)
                 .arg(m.pllFlexibleMode).arg(m.pllMult).arg(m.pllMs).arg(m.pllNs).arg(m.pllFr)
          << QStringLiteral("sclk %1 hick48 %2 ahb %3 apb %4 %5").arg(m.sclkSource).arg(m.sclkHick48).arg(m.ahbDiv)
                 .arg(m.apb1Div).arg(m.apb2Div)
          << QStringLiteral("usb %1 %2 %3 adc %4 %5").arg(m.usbDiv).arg(m.usbFromHick).arg(m.usbDisabled)
                 .arg(m.adcEnabled).arg(m.adcDiv)
          << QStringLiteral("clkout %1 %2 %3").arg(m.clkoutSource).arg(m.clkoutDiv).arg(m.clkoutPin)
          << QStringLiteral("kernel %1 %2 %3 %4 %5 %6").arg(m.usart1ClockSource).arg(m.usart2ClockSource)
                 .arg(m.i2c1ClockSource).arg(m.usart1Enabled).arg(m.usart2Enabled).arg(m.i2c1Enabled)
          << QStringLiteral("clocks %1 %2 %3 %4 %5").arg(m.pllMhz).arg(m.sclkMhz).arg(m.apb1Mhz).arg(m.apb2Mhz)
                 .arg(m.adcMhz);
    return lines;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The names of the elements after "MCU", in file order.
QStringList keysOf(const QByteArray &bytes)
{
    QStringList keys;
    QRegularExpression element("<(\\w+)>");
    auto it = element.globalMatch(QString::fromUtf8(bytes));
    while (it.hasNext())
        keys << it.next().captured(1);
    keys.removeAll("Configuration");
    keys.removeAll("MCU");
    return keys;
}

using Action = std::function<void(KytoDualModePLL *)>;

} // namespace

Q_DECLARE_METATYPE(Action)

class TestDualModeEdit : public QObject
{
    Q_OBJECT

    std::unique_ptr<KytoDualModePLL> page;
    QTemporaryDir dir;

    void build(int index)
    {
        page.reset(makePage(index));
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
    }
    // The four generated files of the page, written into folder.
    // The USB and ADC questions a design asks before it is generated or saved.
    static int questionsOf(KytoDualModePLL *p)
    {
        const ClockTreeModel &m = *p->model;
        const bool usb = p->findChild<QComboBox *>("usbswitch_ComboBox") && m.usbDisabled == 0 && m.usbMhz != 48.0;
        return (usb ? 1 : 0) + (m.adcEnabled && m.adcMhz > 28.0 ? 1 : 0);
    }
    static void answerQuestions(KytoDualModePLL *p)
    {
        for (int i = questionsOf(p); i > 0; --i)
            UserDialogs::answerNextBox(QMessageBox::Yes);
    }
    QStringList generateInto(KytoDualModePLL *p, const QString &folder)
    {
        QDir().mkpath(folder);
        p->model->interactiveGenerate = 1;
        answerQuestions(p);
        UserDialogs::answerNextFileDialog(folder);
        UserDialogs::answerNextBoxWithText("OK");
        if (!p->generateCode())
            return {};
        const QString stem = QString("kyto%1").arg(KytoPLLConfig::seriesName(p->model->seriesIndex).mid(4).toLower());
        QStringList files;
        for (const QString &name : QStringList{"src/main.c", "src/" + stem + "_clock.c", "inc/" + stem + "_clock.h",
                                    "inc/" + stem + "_conf.h"})
            files << QString::fromUtf8(fileBytes(folder + "/" + name));
        return files;
    }
    void saveTo(KytoDualModePLL *p, const QString &path)
    {
        answerQuestions(p);
        UserDialogs::answerNextFileDialog(path);
        p->saveConfig(KytoPLLConfig::seriesName(p->model->seriesIndex));
    }

private slots:
    void initTestCase()
    {
        MultiplierPages::silenceOffscreenSizeHints();
        QVERIFY(dir.isValid());
    }
    void init()
    {
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
    }
    void cleanup()
    {
        page.reset();
    }

    void modeSwitchRearrangesThePll()
    {
        build(5);
        combo(page.get(), "pllmode_ComboBox")->setCurrentIndex(1);
        for (const char *name : {"pllms_LineEdit", "pllns_LineEdit", "pllcfg_ReadOut"})
            QVERIFY2(!lineEdit(page.get(), name)->isHidden(), name);
        QVERIFY(!combo(page.get(), "pllfr_ComboBox")->isHidden());
        QVERIFY(combo(page.get(), "pllmult_ComboBox")->isHidden());
        QCOMPARE(page->model->pllFlexibleMode, 1);
        combo(page.get(), "pllmode_ComboBox")->setCurrentIndex(0);
        QVERIFY(lineEdit(page.get(), "pllms_LineEdit")->isHidden());
        QVERIFY(!combo(page.get(), "pllmult_ComboBox")->isHidden());
        QCOMPARE(page->model->pllFlexibleMode, 0);
        QVERIFY(UserDialogs::shownBoxes().isEmpty());
    }

    // R720 with HEXT 8 and the system clock on the PLL.
    void pllFactors_data()
    {
        QTest::addColumn<bool>("flexible");
        QTest::addColumn<Action>("act");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<Action>("check");
        auto typeIn = [](const char *edit, const char *typed) {
            return [edit, typed](KytoDualModePLL *p) { typeAndReturn(lineEdit(p, edit), typed); };
        };
        auto shows = [](QStringList names, QStringList texts) {
            return Action([names, texts](KytoDualModePLL *p) {
                for (int i = 0; i < names.size(); ++i)
                    QCOMPARE(text(p, names[i]), texts[i]);
            });
        };
        QTest::newRow("normal, sclk 100") << false << Action(typeIn("sclk_LineEdit", "100")) << QStringList()
                                          << shows({"pllmult_ComboBox", "sclk_LineEdit"}, {"  * 13", "104.000"});
        // The allowed maximum never rounds up past the limit: x19 would make 152.
        QTest::newRow("normal, sclk 150") << false << Action(typeIn("sclk_LineEdit", "150")) << QStringList()
                                          << shows({"pllmult_ComboBox", "sclk_LineEdit"}, {"  * 18", "144.000"});
        QTest::newRow("normal, HEXT/2, sclk 150") << false << Action([](KytoDualModePLL *p) {
            radio(p, "pllhextdiv_RadioButton_divided")->click();
            typeAndReturn(lineEdit(p, "sclk_LineEdit"), "150");
        }) << QStringList() << shows({"pllmult_ComboBox", "sclk_LineEdit"}, {"  * 37", "148.000"});
        QTest::newRow("flexible, sclk 62.5") << true << Action(typeIn("sclk_LineEdit", "62.5")) << QStringList()
                                             << shows({"pllms_LineEdit", "pllns_LineEdit", "pllfr_ComboBox", "pllcfg_ReadOut"},
                                                      {"/1", "*125", "  /16", "0x00441f41"});
        // The PLL radio searches the factors for what the old ones give with
        // the HEXT now in force (216 MHz), within the limit of 150 MHz.
        QTest::newRow("flexible, HEXT 12, then the PLL radio") << true << Action([](KytoDualModePLL *p) {
            radio(p, "sclkselect_RadioButton_hext")->click();
            typeAndReturn(lineEdit(p, "hext_LineEdit"), "12");
            radio(p, "sclkselect_RadioButton_pll")->click();
        }) << QStringList() << Action([](KytoDualModePLL *p) {
            QCOMPARE((QStringList{text(p, "pllms_LineEdit"), text(p, "pllns_LineEdit"), text(p, "pllfr_ComboBox")}),
                     (QStringList{"/1", "*50", "  /4"}));
            QCOMPARE(p->model->sclkMhz, 150.0);
        });
        QTest::newRow("ms 5, Yes") << true << Action([](KytoDualModePLL *p) {
            UserDialogs::answerNextBox(QMessageBox::Yes);
            typeAndReturn(lineEdit(p, "pllms_LineEdit"), "5");
        }) << QStringList{msQuestion, nsQuestion} << Action([](KytoDualModePLL *p) {
            // The ns question cancelled takes the whole Return back, the
            // pll_ms taken on Yes included; the typed text stays to mend.
            QCOMPARE(text(p, "pllms_LineEdit"), QString("/5"));
            QCOMPARE(p->model->pllMs, 1);
            QCOMPARE(p->model->pllNs, 72);
        });
        QTest::newRow("ms 5, Cancel") << true << Action(typeIn("pllms_LineEdit", "5")) << QStringList{msQuestion}
                                      << Action([](KytoDualModePLL *p) { QCOMPARE(p->model->pllMs, 1); });
        QTest::newRow("ns 50, Yes") << true << Action([](KytoDualModePLL *p) {
            UserDialogs::answerNextBox(QMessageBox::Yes);
            typeAndReturn(lineEdit(p, "pllns_LineEdit"), "50");
        }) << QStringList{nsQuestion} << shows({"pllns_LineEdit"}, {"*63"});
        QTest::newRow("ns 200, Yes") << true << Action([](KytoDualModePLL *p) {
            UserDialogs::answerNextBox(QMessageBox::Yes);
            typeAndReturn(lineEdit(p, "pllns_LineEdit"), "200");
        }) << QStringList{nsQuestion} << Action([](KytoDualModePLL *p) {
            QCOMPARE(text(p, "pllns_LineEdit"), QString("*125"));
            QCOMPARE(p->model->pllNs, 125);
            QCOMPARE(text(p, "sclk_LineEdit"), QString("250.000"));
        });
        QTest::newRow("HEXT 25 asks for ms 2") << true << Action([](KytoDualModePLL *p) {
            UserDialogs::answerNextBox(QMessageBox::Yes);
            typeAndReturn(lineEdit(p, "hext_LineEdit"), "25");
        }) << QStringList{msQuestion} << shows({"pllms_LineEdit"}, {"/2"});
        const char *const msError = "Error: pll_ms input error!";
        const char *const nsError = "Error: pll_ns input error!";
        for (const char *typed : {"0", "16"})
            QTest::newRow(qPrintable(QString("ms %1").arg(typed))) << true << Action(typeIn("pllms_LineEdit", typed))
                                                                 << QStringList{msError} << shows({"sclk_LineEdit"}, {"144.000"});
        // A bare "/" is no number to Return; the next recompute reads it as 0.
        QTest::newRow("ms '/'") << true << Action([](KytoDualModePLL *p) {
            lineEdit(p, "pllms_LineEdit")->clear();
            combo(p, "pllfr_ComboBox")->setCurrentIndex(1);
        }) << QStringList{msError} << shows({"pllms_LineEdit", "sclk_LineEdit"}, {"/", "144.000"});
        for (const char *typed : {"30", "501"})
            QTest::newRow(qPrintable(QString("ns %1").arg(typed))) << true << Action(typeIn("pllns_LineEdit", typed))
                                                                 << QStringList{nsError} << shows({"sclk_LineEdit"}, {"144.000"});
        QTest::newRow("digits into an emptied ms edit") << true << Action([](KytoDualModePLL *p) {
            lineEdit(p, "pllms_LineEdit")->clear();
            QTest::keyClicks(lineEdit(p, "pllms_LineEdit"), "12");
        }) << QStringList() << Action([](KytoDualModePLL *p) {
            QCOMPARE(text(p, "pllms_LineEdit"), QString("/12"));
            QVERIFY(lineEdit(p, "pllms_LineEdit")->styleSheet().contains("255, 255, 225"));
        });
        for (const char *typed : {"4", "25"})
            QTest::newRow(qPrintable(QString("HEXT %1").arg(typed))) << false << Action(typeIn("hext_LineEdit", typed))
                                                                   << QStringList() << Action([typed](KytoDualModePLL *p) {
                QCOMPARE(p->model->hextMhz, QString(typed).toDouble());
            });
        for (const char *typed : {"3.999", "25.001"})
            QTest::newRow(qPrintable(QString("HEXT %1").arg(typed))) << false << Action(typeIn("hext_LineEdit", typed))
                                                                   << QStringList{"Error: hext input error!"}
                                                                   << Action([](KytoDualModePLL *p) { QCOMPARE(p->model->hextMhz, 8.0); });
        QTest::newRow("HEXT 8.00001 pending") << false << Action([](KytoDualModePLL *p) {
            lineEdit(p, "hext_LineEdit")->setText("8.00001");
        }) << QStringList() << Action([](KytoDualModePLL *p) {
            QVERIFY(lineEdit(p, "hext_LineEdit")->styleSheet().contains("255, 255, 225"));
            lineEdit(p, "hext_LineEdit")->setText("8.000001");
            QVERIFY(lineEdit(p, "hext_LineEdit")->styleSheet().contains("152, 251, 152"));
        });
    }
    void pllFactors()
    {
        QFETCH(bool, flexible);
        QFETCH(Action, act);
        QFETCH(QStringList, boxes);
        QFETCH(Action, check);
        build(5);
        if (flexible)
            combo(page.get(), "pllmode_ComboBox")->setCurrentIndex(1);
        QVERIFY(UserDialogs::shownBoxes().isEmpty());
        act(page.get());
        QCOMPARE(boxTexts(), boxes);
        check(page.get());
        for (const auto &box : UserDialogs::shownBoxes()) {
            if (box.title == QLatin1String("Warning")) {
                QCOMPARE(box.icon, QMessageBox::Question);
                QCOMPARE(QSet<QString>(box.buttons.begin(), box.buttons.end()), QSet<QString>({"Yes", "Cancel"}));
            } else {
                QCOMPARE(box.icon, QMessageBox::Critical);
                QCOMPARE(box.buttons, QStringList({"Ok"}));
            }
        }
    }

    void sclkRange_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("R750 96") << 15 << "96" << true;
        QTest::newRow("R750 96.5") << 15 << "96.5" << false;
        QTest::newRow("E105 80") << 16 << "80" << true;
        QTest::newRow("R720 150") << 5 << "150" << true;
        QTest::newRow("NS720 150") << 17 << "150" << true;
        for (int index : {5, 9, 15, 16, 17})
            QTest::newRow(qPrintable(QString("%1: 3").arg(index))) << index << "3" << false;
    }
    void sclkRange()
    {
        QFETCH(int, index);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        build(index);
        typeAndReturn(lineEdit(page.get(), "sclk_LineEdit"), typed);
        QCOMPARE(boxTexts(), accepted ? QStringList() : QStringList{"Error: sclk input error!"});
        // What is accepted is also reached within the limit.
        QVERIFY2(page->model->sclkMhz <= page->model->maxSclk(), qPrintable(QString::number(page->model->sclkMhz)));
    }

    void usbSlots()
    {
        // R750: USB from HICK is 48 MHz whatever the PLL does.
        build(15);
        KytoDualModePLL *p = page.get();
        combo(p, "usbswitch_ComboBox")->setCurrentIndex(0);
        radio(p, "hicktousb_RadioButton_hick")->click();
        QCOMPARE(text(p, "usb_Label"), QString("48.000 MHz"));
        combo(p, "pllmult_ComboBox")->setCurrentIndex(4);
        QCOMPARE(text(p, "usb_Label"), QString("48.000 MHz"));

        // With the system clock on HICK, the USB divider re-tunes the PLL.
        build(15);
        p = page.get();
        radio(p, "sclkselect_RadioButton_hick")->click();
        combo(p, "usbswitch_ComboBox")->setCurrentIndex(0);
        combo(p, "usbdiv_ComboBox")->setCurrentIndex(4);
        QCOMPARE(text(p, "pllmult_ComboBox"), QString("  * 18"));
        QCOMPARE(text(p, "usb_Label"), QString("48.000 MHz"));
        QVERIFY(UserDialogs::shownBoxes().isEmpty());
    }

    void bypassChangesNoReadout()
    {
        build(5);
        const QStringList before = pageDump(page.get()).filter("_ReadOut");
        combo(page.get(), "hextbypass_ComboBox")->setCurrentIndex(1);
        QCOMPARE(pageDump(page.get()).filter("_ReadOut"), before);
        QVERIFY(page->model->hextBypass);
        QVERIFY(!find<QLabel>(page.get(), "hextbypassout_Label")->isEnabled());
    }

    void rtcOnABadHext()
    {
        build(5);
        combo(page.get(), "rtcswitch_ComboBox")->setCurrentIndex(1);
        lineEdit(page.get(), "hext_LineEdit")->setText("30");
        radio(page.get(), "rtcsel_RadioButton_hext")->click();
        QCOMPARE(boxTexts(), QStringList({"Error: hext input error!"}));
        // The click is taken back: the RTC stays on LICK.
        QVERIFY(radio(page.get(), "rtcsel_RadioButton_lick")->isChecked());
        QCOMPARE(page->model->rtcSource, 0);
        QCOMPARE(text(page.get(), "ertc_ReadOut"), QString("40"));
    }

    void configResetGivesANewPage_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<Action>("act");
        QTest::newRow("flexible with /3") << 5 << Action([](KytoDualModePLL *p) {
            combo(p, "pllmode_ComboBox")->setCurrentIndex(1);
            UserDialogs::answerNextBox(QMessageBox::Yes);   // the pll_ns the /3 needs
            typeAndReturn(lineEdit(p, "pllms_LineEdit"), "3");
            QCOMPARE(p->model->pllMs, 3);
        });
        QTest::newRow("PA8 with pll/2") << 9 << Action([](KytoDualModePLL *p) {
            combo(p, "clockoutPinSelectComboBox")->setCurrentIndex(1);
            radio(p, "clkout_RadioButton_pll2")->click();
        });
        QTest::newRow("R750 USB on from HICK") << 15 << Action([](KytoDualModePLL *p) {
            combo(p, "usbswitch_ComboBox")->setCurrentIndex(0);
            radio(p, "hicktousb_RadioButton_hick")->click();
        });
        QTest::newRow("R720 USB on from the PLL at * 13") << 5 << Action([](KytoDualModePLL *p) {
            combo(p, "usbswitch_ComboBox")->setCurrentIndex(0);
            combo(p, "pllmult_ComboBox")->setCurrentIndex(11);
        });
        // The system clock the factors give reads out of range; the reset
        // must not check it as it leaves the flexible mode.
        QTest::newRow("R750 flexible, sclk past its range, pll_ms pending") << 15 << Action([](KytoDualModePLL *p) {
            combo(p, "pllmode_ComboBox")->setCurrentIndex(1);
            combo(p, "pllfr_ComboBox")->setCurrentIndex(1);
            typeAndReturn(lineEdit(p, "pllns_LineEdit"), "100");
            QCOMPARE(text(p, "sclk_LineEdit"), QString("400.000"));
            lineEdit(p, "pllms_LineEdit")->setText("500");
        });
        QTest::newRow("E105 kernel clocks and PB13") << 16 << Action([](KytoDualModePLL *p) {
            combo(p, "usart1switch_ComboBox")->setCurrentIndex(1);
            radio(p, "usart1clocksel_RadioButton_lext")->click();
            combo(p, "clockoutPinSelectComboBox")->setCurrentIndex(3);
            radio(p, "clkout_RadioButton_hick")->click();
        });
    }
    void configResetGivesANewPage()
    {
        QFETCH(int, index);
        QFETCH(Action, act);
        std::unique_ptr<KytoDualModePLL> fresh(makePage(index));
        build(index);
        act(page.get());
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
        page->resetDefaults();
        QCOMPARE(pageDump(page.get()), pageDump(fresh.get()));
        QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join(" | ")));
    }

    void limitChecks_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<Action>("act");
        QTest::addColumn<QString>("box");   // empty: passes on to the folder dialog
        auto hextAndMult = [](const char *hext, int multIndex) {
            return Action([hext, multIndex](KytoDualModePLL *p) {
                typeAndReturn(lineEdit(p, "hext_LineEdit"), hext);
                combo(p, "pllmult_ComboBox")->setCurrentIndex(multIndex);
            });
        };
        QTest::newRow("SCLK 149.99994") << 5 << hextAndMult("8.33333", 16) << QString();
        QTest::newRow("SCLK 150.00012") << 5 << hextAndMult("8.33334", 16)
                                        << "Error: Can not support sclk greater than 150MHz";
        QTest::newRow("PLL for the clock-out above 150") << 5 << Action([](KytoDualModePLL *p) {
            radio(p, "sclkselect_RadioButton_hick")->click();
            combo(p, "clockoutPinSelectComboBox")->setCurrentIndex(1);
            radio(p, "clkout_RadioButton_pll2")->click();
            typeAndReturn(lineEdit(p, "hext_LineEdit"), "10");
        }) << "Error: Can not support pll clock greater than 150MHz";
        QTest::newRow("normal PLL below 16") << 5 << hextAndMult("4", 0) << "Error: Can not support pll clock less than 16MHz";
        QTest::newRow("flexible 15.625 MHz") << 5 << Action([](KytoDualModePLL *p) {
            combo(p, "pllmode_ComboBox")->setCurrentIndex(1);
            typeAndReturn(lineEdit(p, "pllns_LineEdit"), "125");
            typeAndReturn(lineEdit(p, "hext_LineEdit"), "4");
            combo(p, "pllfr_ComboBox")->setCurrentIndex(5);
            QCOMPARE(text(p, "pll_Label"), QString("15.625MHz"));
        }) << QString();
        QTest::newRow("USB at 34.667 MHz") << 5 << Action([](KytoDualModePLL *p) {
            combo(p, "usbswitch_ComboBox")->setCurrentIndex(0);
            combo(p, "pllmult_ComboBox")->setCurrentIndex(11);
        }) << "Warning: USB clock must be 48MHz. But the USB clock of current config is wrong.  please confirm whether to continue?";
        QTest::newRow("R750 USB at 47 MHz") << 15 << Action([](KytoDualModePLL *p) {
            combo(p, "usbswitch_ComboBox")->setCurrentIndex(0);
            combo(p, "pllmult_ComboBox")->setCurrentIndex(9);
        }) << "Warning: USB clock must be 48MHz. But the USB clock of current config is wrong.  please confirm whether to continue?";
        QTest::newRow("ADC 28 MHz") << 5 << Action([](KytoDualModePLL *p) {
            combo(p, "toadcswitch_ComboBox")->setCurrentIndex(1);
            combo(p, "pllmult_ComboBox")->setCurrentIndex(12);
        }) << QString();
        QTest::newRow("ADC 30 MHz") << 5 << Action([](KytoDualModePLL *p) {
            combo(p, "toadcswitch_ComboBox")->setCurrentIndex(1);
            combo(p, "pllmult_ComboBox")->setCurrentIndex(13);
        }) << "Warning: The maximum ADC clock is 28 MHz. The currently configured ADC clock is wrong, please confirm whether to continue?";
        QTest::newRow("a greyed HEXT edit is not checked") << 5 << Action([](KytoDualModePLL *p) {
            lineEdit(p, "hext_LineEdit")->setText("3");
            radio(p, "sclkselect_RadioButton_hick")->click();
        }) << QString();
    }
    void limitChecks()
    {
        QFETCH(int, index);
        QFETCH(Action, act);
        QFETCH(QString, box);
        build(index);
        act(page.get());
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
        page->model->interactiveGenerate = 1;
        // Every question is cancelled, and so is the folder dialog.
        QVERIFY(!page->generateCode());
        QCOMPARE(boxTexts(), box.isEmpty() ? QStringList() : QStringList{box});
        QCOMPARE(UserDialogs::fileQuestions().size(), box.isEmpty() ? 1 : 0);
        if (!box.isEmpty()) {
            const auto shown = UserDialogs::shownBoxes().first();
            QCOMPARE(shown.icon, box.startsWith("Warning") ? QMessageBox::Warning : QMessageBox::Critical);
            QStringList buttons = shown.buttons;
            buttons.sort();
            QCOMPARE(buttons, box.startsWith("Warning") ? QStringList({"Cancel", "Yes"}) : QStringList({"Ok"}));
        }
        // Save asks the same; nothing is written.
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
        page->saveConfig("KytoTest");
        QCOMPARE(boxTexts(), box.isEmpty() ? QStringList() : QStringList{box});
    }

    void generateInteractively()
    {
        build(5);
        combo(page.get(), "pllmult_ComboBox")->setCurrentIndex(11);
        const QString folder = dir.filePath("generated");
        QDir().mkpath(folder);
        page->model->interactiveGenerate = 1;
        UserDialogs::answerNextFileDialog(folder);
        UserDialogs::answerNextBoxWithText("OK");
        QVERIFY(page->generateCode());
        const auto shown = UserDialogs::shownBoxes();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QString("Information"));
        QCOMPARE(shown[0].text, QString("Generate code finished!  Files:\n\nsrc/main.c\nsrc/kytor720_clock.c\n"
                                        "inc/kytor720_clock.h\ninc/kytor720_conf.h\n"));
        QCOMPARE(shown[0].buttons, QStringList({" Open Folder  ", "OK"}));
        QVERIFY(fileBytes(folder + "/src/kytor720_clock.c").contains("crm_pll_config(CRM_PLL_SOURCE_HEXT, CRM_PLL_MULT_13);"));
        QCOMPARE(UserDialogs::fileQuestions().first().caption, QString("Select directory"));

        // An overwrite question answered Cancel ends in the failure box.
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
        UserDialogs::answerNextFileDialog(folder);
        QVERIFY(!page->generateCode());
        QCOMPARE(UserDialogs::shownBoxes().last().text, QString("Generate code failed!"));
        QCOMPARE(UserDialogs::shownBoxes().last().buttons, QStringList({"OK"}));
    }

    void generatedLines_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<Action>("act");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("line");
        QTest::newRow("flexible 62.5 MHz") << 5 << Action([](KytoDualModePLL *p) {
            combo(p, "pllmode_ComboBox")->setCurrentIndex(1);
            typeAndReturn(lineEdit(p, "sclk_LineEdit"), "62.5");
        }) << "src/kytor720_clock.c" << "crm_pll_config2(CRM_PLL_SOURCE_HEXT, 125, 1, CRM_PLL_FR_16);";
        QTest::newRow("E105 USART1 on LEXT") << 16 << Action([](KytoDualModePLL *p) {
            combo(p, "usart1switch_ComboBox")->setCurrentIndex(1);
            radio(p, "usart1clocksel_RadioButton_lext")->click();
        }) << "src/main.c" << "crm_usart_clock_select(CRM_USART1, CRM_USART_CLOCK_SOURCE_LEXT);";
        QTest::newRow("R730 RTC on HEXT") << 9 << Action([](KytoDualModePLL *p) {
            combo(p, "rtcswitch_ComboBox")->setCurrentIndex(1);
            radio(p, "rtcsel_RadioButton_hext")->click();
        }) << "src/main.c" << "crm_rtc_clock_select(CRM_RTC_CLOCK_HEXT_DIV_32);";
    }
    void generatedLines()
    {
        QFETCH(int, index);
        QFETCH(Action, act);
        QFETCH(QString, file);
        QFETCH(QString, line);
        build(index);
        act(page.get());
        const QString folder = dir.filePath(QString("lines_%1").arg(QTest::currentDataTag()));
        QVERIFY(!generateInto(page.get(), folder).isEmpty());
        QVERIFY2(fileBytes(folder + "/" + file).contains(line.toUtf8()), qPrintable(line));
    }

    void defaultDesignFile()
    {
        build(5);
        const QString path = dir.filePath("default.ZKCF");
        saveTo(page.get(), path);
        QCOMPARE(fileBytes(path), fileBytes(KYTO_FIXTURES_DIR "/dualmode_r720_default.ZKCF"));
        QCOMPARE(UserDialogs::fileQuestions().first().caption, QString("Save"));
        QCOMPARE(UserDialogs::fileQuestions().first().directory, QString());
        QCOMPARE(UserDialogs::fileQuestions().first().filter, QString("Config file (*.ZKCF)"));
        QCOMPARE(boxTexts(), QStringList{"Information: Save file succeed!"});
    }

    void designKeys_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("keys");
        const QStringList head{"lextbypass", "rtcsel", "rtcswitch", "hext", "hextbypass", "pllhextdiv", "pllrcs",
                               "pllmode", "pllmult", "pllms", "pllns", "pllfr", "sclkselect", "ahbdiv", "apb1div",
                               "apb2div"};
        const QStringList tail{"hicktosclk", "clkout", "clkoutdiv", "clkoutpinselect", "adcswitch", "adcdiv"};
        QTest::newRow("R720") << 5 << head + QStringList{"usbdiv", "tousbswitch"} + tail;
        QTest::newRow("NS720") << 17 << head + QStringList{"usbdiv", "tousbswitch"} + tail;
        QTest::newRow("R730") << 9 << head + tail;
        QTest::newRow("R750") << 15 << head + QStringList{"usbdiv", "hicktousb", "tousbswitch"} + tail;
        QTest::newRow("E105") << 16 << head + tail
                                     + QStringList{"usart1clocksel", "usart2clocksel", "i2c1clocksel", "usart1switch",
                                                   "usart2switch", "i2c1switch"};
    }
    void designKeys()
    {
        QFETCH(int, index);
        QFETCH(QStringList, keys);
        build(index);
        const QString path = dir.filePath(QString("keys%1.ZKCF").arg(index));
        saveTo(page.get(), path);
        const QByteArray bytes = fileBytes(path);
        QCOMPARE(keysOf(bytes), keys);
        QVERIFY(bytes.contains(QString("<MCU>%1</MCU>").arg(KytoPLLConfig::seriesName(index)).toUtf8()));
        QVERIFY(bytes.endsWith("</Configuration>"));
    }

    void loadKeys_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("elements");
        QTest::addColumn<Action>("check");
        auto shows = [](QString name, QString shown, std::function<int(ClockTreeModel &)> field, int value) {
            return Action([name, shown, field, value](KytoDualModePLL *p) {
                QCOMPARE(text(p, name), shown);
                QCOMPARE(field(*p->model), value);
            });
        };
        auto ms = [](ClockTreeModel &m) { return m.pllMs; };
        auto ns = [](ClockTreeModel &m) { return m.pllNs; };
        auto mult = [](ClockTreeModel &m) { return m.pllMult; };
        const QString hext = "<hext>8.000000</hext>";
        QTest::newRow("pllms 20") << 5 << hext + "<pllms>20</pllms>" << shows("pllms_LineEdit", "/1", ms, 1);
        QTest::newRow("pllns 600") << 5 << hext + "<pllns>600</pllns>" << shows("pllns_LineEdit", "*31", ns, 31);
        QTest::newRow("pllms 05") << 5 << hext + "<pllms>05</pllms>" << shows("pllms_LineEdit", "/05", ms, 5);
        QTest::newRow("pllmult 65") << 5 << hext + "<pllmult>65</pllmult>" << shows("pllmult_ComboBox", "  * 2", mult, 2);
        QTest::newRow("pllmult 1") << 5 << hext + "<pllmult>1</pllmult>" << shows("pllmult_ComboBox", "  * 2", mult, 2);
        QTest::newRow("pllmult absent") << 5 << hext << shows("pllmult_ComboBox", "  * 2", mult, 2);
        QTest::newRow("pllmult 13 without hext") << 5 << "<pllmult>13</pllmult>"
                                                << shows("pllmult_ComboBox", "  * 13", mult, 13);
        QTest::newRow("usbdiv 2.50") << 5 << hext + "<usbdiv>2.50</usbdiv>" << Action([](KytoDualModePLL *p) {
            QCOMPARE(text(p, "usbdiv_ComboBox"), QString("  /2.5"));
            QCOMPARE(p->model->usbDiv, 2.5);
        });
        QTest::newRow("usbdiv 2.25") << 5 << hext + "<usbdiv>2.25</usbdiv>" << Action([](KytoDualModePLL *p) {
            QCOMPARE(text(p, "usbdiv_ComboBox"), QString("  /1"));
            QCOMPARE(p->model->usbDiv, 1.0);
        });
        auto clkout = [](ClockTreeModel &m) { return m.clkoutSource; };
        QTest::newRow("R720 clkout 6") << 5 << hext + "<clkoutpinselect>1</clkoutpinselect><tousbswitch>0</tousbswitch><clkout>6</clkout>"
                                       << Action([clkout](KytoDualModePLL *p) {
            QVERIFY(radio(p, "clkout_RadioButton_usb")->isChecked());
            QCOMPARE(clkout(*p->model), 6);
        });
        QTest::newRow("R730 clkout 6") << 9 << hext + "<clkoutpinselect>1</clkoutpinselect><clkout>6</clkout>"
                                       << Action([clkout](KytoDualModePLL *p) {
            QVERIFY(radio(p, "clkout_RadioButton_noclk")->isChecked());
            QCOMPARE(clkout(*p->model), 0);
        });
        // A clock-out whose source is off opens on "no clk", and the model
        // (so Save and the code) holds that too.
        const struct { const char *row; int index; const char *keys; const char *checked; int code; } clkoutRows[] = {
            {"R720 clkout 6, USB off", 5, "<tousbswitch>1</tousbswitch><clkout>6</clkout>", "noclk", 0},
            {"NS720 clkout 6, USB off", 17, "<tousbswitch>1</tousbswitch><clkout>6</clkout>", "noclk", 0},
            {"R750 clkout 6, USB off", 15, "<tousbswitch>1</tousbswitch><clkout>6</clkout>", "noclk", 0},
            {"R730 clkout 7, ADC off", 9, "<adcswitch>0</adcswitch><clkout>7</clkout>", "noclk", 0},
            {"E105 clkout 7, ADC off", 16, "<adcswitch>0</adcswitch><clkout>7</clkout>", "noclk", 0},
            {"R720 clkout 7, ADC on", 5, "<adcswitch>1</adcswitch><clkout>7</clkout>", "adc", 7},
        };
        for (const auto &r : clkoutRows) {
            const QString radioName = QStringLiteral("clkout_RadioButton_") + QLatin1String(r.checked);
            const int code = r.code;
            QTest::newRow(r.row) << r.index << hext + "<clkoutpinselect>1</clkoutpinselect>" + QLatin1String(r.keys)
                                 << Action([radioName, code](KytoDualModePLL *p) {
                QVERIFY(radio(p, radioName)->isChecked());
                QCOMPARE(p->model->clkoutSource, code);
            });
        }
        QTest::newRow("E105 usart1clocksel 4") << 16 << hext + "<usart1clocksel>4</usart1clocksel>"
                                               << Action([](KytoDualModePLL *p) {
            QVERIFY(radio(p, "usart1clocksel_RadioButton_lext")->isChecked());
            QCOMPARE(p->model->usart1ClockSource, 3);
            QVERIFY(radio(p, "usart2clocksel_RadioButton_pclk")->isChecked());
            QCOMPARE(p->model->usart2ClockSource, 0);
        });
        // Codes no control offers take what a new page has: USB off, no pin.
        QTest::newRow("tousbswitch 7") << 5 << hext + "<tousbswitch>7</tousbswitch>"
                                       << shows("usbswitch_ComboBox", "disable", [](ClockTreeModel &m) { return m.usbDisabled; }, 1);
        auto pin = [](ClockTreeModel &m) { return m.clkoutPin; };
        QTest::newRow("clkoutpinselect 5") << 5 << hext + "<clkoutpinselect>5</clkoutpinselect>"
                                           << shows("clockoutPinSelectComboBox", "none", pin, 0);
        QTest::newRow("E105 clkoutpinselect 3") << 16 << hext + "<clkoutpinselect>3</clkoutpinselect>"
                                                << shows("clockoutPinSelectComboBox", "PB13", pin, 3);
        QTest::newRow("keys are case-sensitive") << 5 << hext + "<PLLMS>5</PLLMS>" << shows("pllms_LineEdit", "/1", ms, 1);
        QTest::newRow("the first of two keys counts") << 5 << hext + "<pllms>3</pllms><pllms>5</pllms>"
                                                      << shows("pllms_LineEdit", "/3", ms, 3);
        // A missing HEXT opens as a new page's crystal, shown as the model holds it.
        QTest::newRow("only MCU") << 5 << QString() << Action([](KytoDualModePLL *p) {
            QCOMPARE(text(p, "hext_LineEdit"), QString("8.000000"));
            QCOMPARE(p->model->hextMhz, 8.0);
            QVERIFY(radio(p, "sclkselect_RadioButton_hext")->isChecked());
            QCOMPARE(p->model->usbDisabled, 0);
            QCOMPARE(boxTexts(), QStringList());
        });
    }
    void loadKeys()
    {
        QFETCH(int, index);
        QFETCH(QString, elements);
        QFETCH(Action, check);
        build(index);
        const QString path = dir.filePath("load.ZKCF");
        writeFile(path, QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Configuration><MCU>%1</MCU>%2</Configuration>")
                            .arg(KytoPLLConfig::seriesName(index), elements).toUtf8());
        page->loadConfig(path);
        check(page.get());
    }

    void saveThenOpen_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<Action>("act");
        auto common = [](KytoDualModePLL *p, int pin) {
            typeAndReturn(lineEdit(p, "hext_LineEdit"), "12");
            combo(p, "hextbypass_ComboBox")->setCurrentIndex(1);
            combo(p, "rtcswitch_ComboBox")->setCurrentIndex(1);
            radio(p, "rtcsel_RadioButton_lext")->click();
            combo(p, "lextbypass_ComboBox")->setCurrentIndex(1);
            combo(p, "toadcswitch_ComboBox")->setCurrentIndex(1);
            combo(p, "toadcdiv_ComboBox")->setCurrentIndex(2);
            combo(p, "clockoutPinSelectComboBox")->setCurrentIndex(pin);
            radio(p, "clkout_RadioButton_sclk")->click();
            combo(p, "clockoutdiv_ComboBox")->setCurrentIndex(3);
            combo(p, "ahbdiv_ComboBox")->setCurrentIndex(1);
        };
        auto flexible = [](KytoDualModePLL *p, const char *sclk) {
            combo(p, "pllmode_ComboBox")->setCurrentIndex(1);
            typeAndReturn(lineEdit(p, "sclk_LineEdit"), sclk);
        };
        // The USB switch re-tunes the PLL for 48 MHz as it is switched on.
        QTest::newRow("R720 USB on, then * 13") << 5 << Action([common](KytoDualModePLL *p) {
            common(p, 1);
            typeAndReturn(lineEdit(p, "hext_LineEdit"), "8");
            combo(p, "usbswitch_ComboBox")->setCurrentIndex(0);
            combo(p, "pllmult_ComboBox")->setCurrentIndex(11);
            QCOMPARE(text(p, "sclk_LineEdit"), QString("104.000"));
        });
        QTest::newRow("NS720 flexible") << 17 << Action([common, flexible](KytoDualModePLL *p) {
            common(p, 1);
            flexible(p, "100");
        });
        QTest::newRow("R730 flexible, PLL from HEXT/2") << 9 << Action([common, flexible](KytoDualModePLL *p) {
            common(p, 1);
            radio(p, "pllhextdiv_RadioButton_divided")->click();
            flexible(p, "90");
        });
        QTest::newRow("R750 flexible, USB on, then ns 72") << 15 << Action([common, flexible](KytoDualModePLL *p) {
            common(p, 1);
            typeAndReturn(lineEdit(p, "hext_LineEdit"), "8");
            flexible(p, "96");
            combo(p, "usbswitch_ComboBox")->setCurrentIndex(0);
            typeAndReturn(lineEdit(p, "pllns_LineEdit"), "72");
            QCOMPARE(p->model->pllNs, 72);
            QCOMPARE(text(p, "usb_Label"), QString("36.000 MHz"));
        });
        QTest::newRow("E105 kernel clocks and PB13") << 16 << Action([common, flexible](KytoDualModePLL *p) {
            common(p, 3);
            flexible(p, "64");
            combo(p, "usart1switch_ComboBox")->setCurrentIndex(1);
            radio(p, "usart1clocksel_RadioButton_lext")->click();
            combo(p, "usart2switch_ComboBox")->setCurrentIndex(1);
            radio(p, "usart2clocksel_RadioButton_sclk")->click();
            combo(p, "i2c1switch_ComboBox")->setCurrentIndex(1);
            radio(p, "i2c1clocksel_RadioButton_hick")->click();
        });
    }
    void saveThenOpen()
    {
        QFETCH(int, index);
        QFETCH(Action, act);
        build(index);
        act(page.get());
        const QString tag = QString::number(index);
        const QString path = dir.filePath("trip" + tag + ".ZKCF");
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
        saveTo(page.get(), path);
        QVERIFY(fileBytes(path).size() > 100);

        std::unique_ptr<KytoDualModePLL> opened(makePage(index));
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
        opened->loadConfig(path);
        QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join(" | ")));
        QCOMPARE(pageDump(opened.get()), pageDump(page.get()));
        const QStringList before = generateInto(page.get(), dir.filePath("before" + tag));
        const QStringList after = generateInto(opened.get(), dir.filePath("after" + tag));
        QCOMPARE(after.size(), 4);
        QCOMPARE(after, before);
    }

    void saveFailureKeepsTheOldFile()
    {
        build(5);
        const QString old = dir.filePath("old.ZKCF");
        writeFile(old, "old design");
        // Over a target that is no file, and into a folder that does not exist.
        const QString blocked = dir.filePath("blocked.ZKCF");
        QVERIFY(QDir().mkpath(blocked));
        for (const QString &path : {blocked, dir.filePath("missing/new.ZKCF")}) {
            UserDialogs::reset();
            UserDialogs::setTestMode(true);
            saveTo(page.get(), path);
            QCOMPARE(boxTexts(), QStringList{"Error: Save file failed!"});
            QCOMPARE(UserDialogs::shownBoxes().first().buttons, QStringList({"Ok"}));
        }
        QVERIFY(QFileInfo(blocked).isDir());
        QCOMPARE(fileBytes(old), QByteArray("old design"));
    }

    void pendingFactorStopsGenerateAndSave()
    {
        build(5);
        combo(page.get(), "pllmode_ComboBox")->setCurrentIndex(1);
        lineEdit(page.get(), "pllns_LineEdit")->setText("*600");
        combo(page.get(), "pllfr_ComboBox")->setCurrentIndex(1);
        QCOMPARE(boxTexts(), QStringList{"Error: pll_ns input error!"});
        QCOMPARE(text(page.get(), "sclk_LineEdit"), QString("144.000"));
        for (bool save : {false, true}) {
            UserDialogs::reset();
            UserDialogs::setTestMode(true);
            page->model->interactiveGenerate = 1;
            if (save)
                page->saveConfig("KytoR720");
            else
                QVERIFY(!page->generateCode());
            QCOMPARE(boxTexts(), QStringList{"Error: pll_ns input error!"});
            QVERIFY(UserDialogs::fileQuestions().isEmpty());
        }
    }

    void refusedHextInADesign_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("R720") << 5;
        QTest::newRow("R750") << 15;
    }
    void refusedHextInADesign()
    {
        QFETCH(int, index);
        build(index);
        const QString path = dir.filePath("hext30.ZKCF");
        writeFile(path, QString("<Configuration><MCU>%1</MCU><hext>30</hext><sclkselect>2</sclkselect>"
                                "<tousbswitch>1</tousbswitch></Configuration>")
                            .arg(KytoPLLConfig::seriesName(index)).toUtf8());
        page->loadConfig(path);
        // No crystal: the user is told once, and the edit shows the 8 MHz
        // the model keeps.
        QCOMPARE(boxTexts(), QStringList{"Error: hext input error!"});
        QCOMPARE(text(page.get(), "hext_LineEdit"), QString("8.000000"));
        QCOMPARE(page->model->hextMhz, 8.0);
        // HEXT feeds nothing here: edits elsewhere recompute without a box.
        UserDialogs::reset();
        combo(page.get(), "ahbdiv_ComboBox")->setCurrentIndex(1);
        QCOMPARE(text(page.get(), "systick_ReadOut"), QString("0.500"));
        QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join(" | ")));
        const QString folder = dir.filePath(QString("hext30_%1").arg(index));
        const QStringList files = generateInto(page.get(), folder);
        QCOMPARE(files.size(), 4);
        QVERIFY(files[3].contains("HEXT_VALUE               ((uint32_t)8000000)"));
    }

    // The system clock on HICK, the PLL kept for the clock-out pin: a click
    // that moves the PLL's input leaves its VCO under 500 MHz. The click
    // asks; Cancel takes it back whole, Yes keeps it with the factors in
    // range, and a Save then asks nothing.
    void pllInputMoveAsksAtTheClick_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<Action>("setup");
        QTest::addColumn<Action>("click");
        QTest::addColumn<bool>("yes");
        const Action pllOut = [](KytoDualModePLL *p) {
            radio(p, "sclkselect_RadioButton_hick")->click();
            combo(p, "clockoutPinSelectComboBox")->setCurrentIndex(1);
            radio(p, "clkout_RadioButton_pll2")->click();
        };
        const Action flexible = [](KytoDualModePLL *p) { combo(p, "pllmode_ComboBox")->setCurrentIndex(1); };
        const Action flexiblePllOut = [=](KytoDualModePLL *p) {
            flexible(p);
            pllOut(p);
        };
        const Action hextDivided = [](KytoDualModePLL *p) { radio(p, "pllhextdiv_RadioButton_divided")->click(); };
        const Action pllFromHick = [](KytoDualModePLL *p) { radio(p, "pllrcs_RadioButton_hick")->click(); };
        // Normal mode halves the HEXT unasked; the factors take over with
        // the flexible mode.
        const Action normalDividedOut = [=](KytoDualModePLL *p) {
            hextDivided(p);
            pllOut(p);
        };
        const struct {
            const char *name;
            int index;
            Action setup;
            Action click;
        } cases[] = {
            {"R720 HEXT divided", 5, flexiblePllOut, hextDivided},
            {"R730 HEXT divided", 9, flexiblePllOut, hextDivided},
            {"R750 HEXT divided", 15, flexiblePllOut, hextDivided},
            {"E105 HEXT divided", 16, flexiblePllOut, hextDivided},
            {"NS720 HEXT divided", 17, flexiblePllOut, hextDivided},
            {"R720 pllrcs HICK", 5, flexiblePllOut, pllFromHick},
            {"R750 pllrcs HICK", 15, flexiblePllOut, pllFromHick},
            {"R730 flexible mode", 9, normalDividedOut, flexible},
        };
        for (const auto &c : cases) {
            for (bool yes : {false, true})
                QTest::addRow("%s, %s", c.name, yes ? "Yes" : "Cancel") << c.index << c.setup << c.click << yes;
        }
    }
    void pllInputMoveAsksAtTheClick()
    {
        QFETCH(int, index);
        QFETCH(Action, setup);
        QFETCH(Action, click);
        QFETCH(bool, yes);
        build(index);
        setup(page.get());
        QVERIFY2(UserDialogs::shownBoxes().isEmpty(), qPrintable(boxTexts().join(" | ")));
        const QStringList before = pageDump(page.get());

        UserDialogs::answerNextBox(yes ? QMessageBox::Yes : QMessageBox::Cancel);
        click(page.get());
        QCOMPARE(boxTexts(), QStringList{nsQuestion});
        const ClockTreeModel &m = *page->model;
        if (yes) {
            const double vco = m.pllInputFrequency() * m.pllNs / m.pllMs;
            QVERIFY2(vco >= 500 && vco <= 1000, qPrintable(QString::number(vco)));
            QCOMPARE(text(page.get(), "pllns_LineEdit"), QStringLiteral("*%1").arg(m.pllNs));
        } else {
            QCOMPARE(pageDump(page.get()), before);
        }

        UserDialogs::reset();
        UserDialogs::setTestMode(true);
        const QString path = dir.filePath(QStringLiteral("moved%1.ZKCF").arg(index));
        saveTo(page.get(), path);
        QCOMPARE(boxTexts(), QStringList{"Information: Save file succeed!"});
    }

    void chineseBox()
    {
        QTranslator zh;
        QVERIFY(zh.load(":/image/tr_zh.qm"));
        QCoreApplication::installTranslator(&zh);
        build(9);
        typeAndReturn(lineEdit(page.get(), "hext_LineEdit"), "30");
        QCoreApplication::removeTranslator(&zh);
        const auto shown = UserDialogs::shownBoxes();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QString("错误"));
        QCOMPARE(shown[0].text, QString("hext 输入错误！"));
        QCOMPARE(shown[0].buttons, QStringList({"确定"}));
    }

    void realFactorQuestion()
    {
        build(17);
        combo(page.get(), "pllmode_ComboBox")->setCurrentIndex(1);
        UserDialogs::setTestMode(false);
        QString title, boxText;
        QStringList buttons;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            boxText = box->text();
            icon = box->icon();
            for (QAbstractButton *b : box->buttons())
                buttons << b->text();
            box->button(QMessageBox::Cancel)->click();
        });
        typeAndReturn(lineEdit(page.get(), "pllms_LineEdit"), "5");
        UserDialogs::setTestMode(true);
        QCOMPARE(title, QString("Warning"));
        QCOMPARE("Warning: " + boxText, msQuestion);
        QCOMPARE(icon, QMessageBox::Question);
        buttons.sort();
        QCOMPARE(buttons, QStringList({"Cancel", "Yes"}));
        QCOMPARE(page->model->pllMs, 1);
    }
};

QTEST_MAIN(TestDualModeEdit)
#include "tst_dualmode_edit.moc"
