// The pll_ms / pll_ns edits every flexible-PLL page shares: the typed text,
// its look, and the check that takes it into the model with the adjust
// questions.
#include "series/common/PageMessages.h"
#include "series/common/PllFactorEdits.h"

#include "ClockTreeModel.h"
#include "KytoMCUPLL.h"
#include "UserDialogs.h"

#include <QLineEdit>
#include <QtTest>

#include <memory>

namespace {

const char *const kMsQuestion =
    "Warning: pll_ms input error, is it adjusted automatically?\nThe following condition must be met: \n"
    "2MHz <= pll_input / pll_ms <= 16MHz";
const char *const kNsQuestion1200 =
    "Warning: pll_ns input error, is it adjusted automatically?\n\nThe following condition must be met: \n"
    "500MHz <= pll_input * pll_ns / pll_ms <= 1200MHz";
const char *const kNsQuestion1000 =
    "Warning: pll_ns input error, is it adjusted automatically?\n\nThe following condition must be met: \n"
    "500MHz <= pll_input * pll_ns / pll_ms <= 1000MHz";

const char *const kApplied =
    "background: rgb(255, 255, 255); border-style: outset; border-width: 1px; border-color: rgb(0, 176, 240);border-radius:1px;padding:1px 2px;;";
const char *const kPending =
    "background: rgb(255, 255, 225); border-style: outset; border-width: 1px; border-color: rgb(0, 176, 240);border-radius:1px;padding:1px 2px;;";

// A bare page with the two edits wired as a family wires them.
struct Fixture {
    explicit Fixture(int seriesIndex)
        : page(new KytoMCUPLL(seriesIndex, nullptr))
        , messages(page.get())
        , factors(page.get(), messages)
    {
        ms = new QLineEdit(QStringLiteral("1"), page.get());
        ns = new QLineEdit(QStringLiteral("1"), page.get());
        PllFactorEdits::configure(ms, PllFactorEdits::Ms);
        PllFactorEdits::configure(ns, PllFactorEdits::Ns);
        factors.attach(ms, ns);
        QObject::connect(ms, &QLineEdit::textChanged, [this](const QString &t) { factors.restyle(PllFactorEdits::Ms, t); });
        QObject::connect(ns, &QLineEdit::textChanged, [this](const QString &t) { factors.restyle(PllFactorEdits::Ns, t); });
        ClockTreeModel *m = page->model;
        m->hextMhz = 8.0;
        m->pllSource = 0;
        m->pllMs = 1;
        m->pllNs = 144;
        factors.showModel();
    }
    std::unique_ptr<KytoMCUPLL> page;
    PageMessages messages;
    PllFactorEdits factors;
    QLineEdit *ms = nullptr;
    QLineEdit *ns = nullptr;
};

QStringList boxTexts()
{
    QStringList texts;
    for (const UserDialogs::ShownBox &box : UserDialogs::shownBoxes())
        texts << box.title + QStringLiteral(": ") + box.text;
    return texts;
}

} // namespace

class TestPllFactorEdits : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
    }

    void checkTyped_data()
    {
        QTest::addColumn<int>("seriesIndex");
        QTest::addColumn<double>("hext");
        QTest::addColumn<QString>("msText");
        QTest::addColumn<QString>("nsText");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<int>("pllMs");
        QTest::addColumn<int>("pllNs");
        QTest::addColumn<QString>("msShown");
        QTest::addColumn<QString>("nsShown");

        const QStringList none;
        QTest::newRow("valid factors are stored") << 13 << 8.0 << "/2" << "*150" << true << true << none
                                                 << 2 << 150 << "/2" << "*150";
        QTest::newRow("ms 5 at 8 MHz offers 4") << 13 << 8.0 << "/5" << "*300" << true << true
                                               << QStringList{kMsQuestion} << 4 << 300 << "/4" << "*300";
        QTest::newRow("ms 1 at 25 MHz offers 2") << 13 << 25.0 << "/1" << "*60" << true << true
                                                << QStringList{kMsQuestion} << 2 << 60 << "/2" << "*60";
        QTest::newRow("cancelled ms question stores nothing") << 13 << 8.0 << "/5" << "*300" << false << false
                                                             << QStringList{kMsQuestion} << 1 << 144 << "/5" << "*300";
        QTest::newRow("ns 160 offers 150 below 1200 MHz") << 13 << 8.0 << "/1" << "*160" << true << true
                                                         << QStringList{kNsQuestion1200} << 1 << 150 << "/1" << "*150";
        QTest::newRow("ns 62 offers 63 from 500 MHz") << 21 << 8.0 << "1" << "62" << true << true
                                                     << QStringList{kNsQuestion1200} << 1 << 63 << "1" << "*63";
        QTest::newRow("ns 130 offers 125 below 1000 MHz") << 25 << 8.0 << "/1" << "*130" << true << true
                                                         << QStringList{kNsQuestion1000} << 1 << 125 << "/1" << "*125";
        QTest::newRow("cancelled ns question keeps the accepted ms") << 13 << 8.0 << "/2" << "*320" << false << false
                                                                    << QStringList{kNsQuestion1200} << 2 << 144 << "/2" << "*320";
        QTest::newRow("ms 0") << 13 << 8.0 << "/0" << "*144" << true << false
                              << QStringList{"Error: pll_ms input error!"} << 1 << 144 << "/0" << "*144";
        QTest::newRow("ms 16") << 13 << 8.0 << "/16" << "*144" << true << false
                               << QStringList{"Error: pll_ms input error!"} << 1 << 144 << "/16" << "*144";
        QTest::newRow("ms not a number") << 13 << 8.0 << "/" << "*144" << true << false
                                         << QStringList{"Error: pll_ms input error!"} << 1 << 144 << "/" << "*144";
        QTest::newRow("ns 501") << 13 << 8.0 << "/1" << "*501" << true << false
                                << QStringList{"Error: pll_ns input error!"} << 1 << 144 << "/1" << "*501";
        QTest::newRow("ns 30") << 13 << 8.0 << "/1" << "*30" << true << false
                               << QStringList{"Error: pll_ns input error!"} << 1 << 144 << "/1" << "*30";
    }
    void checkTyped()
    {
        QFETCH(int, seriesIndex);
        QFETCH(double, hext);
        QFETCH(QString, msText);
        QFETCH(QString, nsText);
        QFETCH(bool, yes);
        Fixture f(seriesIndex);
        f.page->model->hextMhz = hext;
        // Texts as a design file or the search leaves them, prefix or not.
        f.ms->blockSignals(true);
        f.ns->blockSignals(true);
        f.ms->setText(msText);
        f.ns->setText(nsText);
        f.ms->blockSignals(false);
        f.ns->blockSignals(false);
        QFETCH(QStringList, boxes);
        for (const QString &box : boxes) {
            if (box.startsWith(QLatin1String("Warning")))
                UserDialogs::answerNextBox(yes ? QMessageBox::Yes : QMessageBox::Cancel);
        }

        QTEST(f.factors.checkTyped(), "result");
        QCOMPARE(boxTexts(), boxes);
        QTEST(f.page->model->pllMs, "pllMs");
        QTEST(f.page->model->pllNs, "pllNs");
        QTEST(f.ms->text(), "msShown");
        QTEST(f.ns->text(), "nsShown");
        for (const UserDialogs::ShownBox &box : UserDialogs::shownBoxes()) {
            if (box.title == QLatin1String("Warning")) {
                QCOMPARE(box.icon, QMessageBox::Question);
                QStringList buttons = box.buttons;
                buttons.sort();
                QCOMPARE(buttons, (QStringList{"Cancel", "Yes"}));
            } else {
                QCOMPARE(box.icon, QMessageBox::Critical);
                QCOMPARE(box.buttons, QStringList{"Ok"});
            }
        }
    }

    void returnPressedRangeCheck()
    {
        Fixture f(13);
        f.ms->setText(QStringLiteral("/9"));
        QVERIFY(f.factors.acceptTyped(PllFactorEdits::Ms));
        f.ns->setText(QStringLiteral("*20"));
        QVERIFY(!f.factors.acceptTyped(PllFactorEdits::Ns));
        QCOMPARE(boxTexts(), QStringList{"Error: pll_ns input error!"});
        QCOMPARE(f.page->model->pllNs, 144);
    }

    // While a design is applied key by key nothing is shown: a factor that
    // needs a box or a question just fails the check.
    void quietCheckAsksNothing()
    {
        Fixture f(13);
        PageMessages::QuietScope quiet(f.messages);
        f.ms->setText(QStringLiteral("/5"));
        QVERIFY(!f.factors.checkTyped());
        f.ms->setText(QStringLiteral("/1"));
        f.ns->setText(QStringLiteral("*160"));
        QVERIFY(!f.factors.checkTyped());
        f.ns->setText(QStringLiteral("*600"));
        QVERIFY(!f.factors.checkTyped());
        QVERIFY(UserDialogs::shownBoxes().isEmpty());
        QCOMPARE(f.page->model->pllNs, 144);
    }

    void typedTextLook()
    {
        Fixture f(13);
        QCOMPARE(f.ms->text(), QStringLiteral("/1"));
        QCOMPARE(f.ns->text(), QStringLiteral("*144"));
        QCOMPARE(f.ms->styleSheet(), QString::fromLatin1(kApplied));

        f.ms->clear();
        QTest::keyClicks(f.ms, QStringLiteral("12"));
        QCOMPARE(f.ms->text(), QStringLiteral("/12"));
        QCOMPARE(f.ms->styleSheet(), QString::fromLatin1(kPending));
        QCOMPARE(f.ms->palette().color(QPalette::Text), QColor(Qt::black));

        f.ms->clear();
        QCOMPARE(f.ms->text(), QStringLiteral("/"));
        QCOMPARE(f.ms->palette().color(QPalette::Text), QColor(Qt::red));

        f.ns->setText(QStringLiteral("*144"));
        QCOMPARE(f.ns->styleSheet(), QString::fromLatin1(kApplied));
        f.ns->setText(QStringLiteral("*501"));
        QCOMPARE(f.ns->styleSheet(), QString::fromLatin1(kPending));
        QCOMPARE(f.ns->palette().color(QPalette::Text), QColor(Qt::red));

        // Unused: grey frame, disabled, and the text is left as it is.
        f.factors.setInUse(false);
        QVERIFY(!f.ms->isEnabled());
        QVERIFY(f.ms->styleSheet().contains(QLatin1String("border-color: gray")));
        f.ms->setText(QStringLiteral("3"));
        QCOMPARE(f.ms->text(), QStringLiteral("3"));
        f.factors.setInUse(true);
        QVERIFY(f.ns->isEnabled());
        QVERIFY(f.ns->styleSheet().contains(QLatin1String("border-color: rgb(0, 176, 240)")));
    }
};

QTEST_MAIN(TestPllFactorEdits)
#include "tst_pllfactoredits.moc"
