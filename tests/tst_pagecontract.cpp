// The contract every series page keeps: after any action, what the page shows
// is what it holds, so a fresh page opening the design it saves shows the
// same read-outs, edits, choices and enabled states. Seeded random action
// sequences drive every registered page; a failure prints the seed, and
// KYTO_CONTRACT_SEED=<series index>:<seed> replays just that sequence.
// KYTO_CONTRACT_SEQUENCES=<n> runs n sequences per page for a longer soak.
#include "SeriesPages.h"

#include "CustomComboBox1.h"
#include "KytoMCUPLL.h"
#include "UserDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// Typed texts: in and out of every edit's range, numbers a user would try
// and some that are no number at all. Factor edits get their sign in front
// half of the time.
const char *const typedPool[] = {"4",  "8",   "12",  "16",  "25",  "3",   "30",   "1",   "2",   "6",
                                 "10", "24",  "48",  "72",  "96",  "100", "120",  "144", "150", "168",
                                 "180", "200", "216", "240", "288", "300", "500", "0",  "12.5", "abc", ""};

QtMessageHandler previousHandler = nullptr;

// A random answer is queued for whatever box comes; an information box has no
// Yes or Cancel and then takes its Ok, which is what the answer is for.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("queued answer matches no button"))
        || message.contains(QLatin1String("propagateSizeHints")))
        return;
    previousHandler(type, context, message);
}

// An edit holds a number however it is written ("8", "8.000", "*50").
QString editValue(const QString &text)
{
    QString sign;
    QString number = text.trimmed();
    if (number.startsWith(QLatin1Char('/')) || number.startsWith(QLatin1Char('*'))) {
        sign = number.left(1);
        number = number.mid(1).trimmed();
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? sign + QString::number(value, 'g', 12) : text;
}

QString withoutSign(QString value)
{
    return value.remove(QRegularExpression(QStringLiteral("^[/*]")));
}

// Hidden by the page itself (the pages are never shown here, so Qt's own
// notion of visible says nothing).
bool hiddenByPage(QWidget *w)
{
    for (; w && !w->isWindow(); w = w->parentWidget()) {
        if (w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide))
            return true;
    }
    return false;
}

// A List button's pop-out: open or closed, it is no part of the design.
bool inPopOutList(QWidget *w)
{
    for (; w; w = w->parentWidget()) {
        if (w->objectName().endsWith(QLatin1String("_List")))
            return true;
    }
    return false;
}

bool usable(QWidget *w)
{
    return w->isEnabled() && !hiddenByPage(w);
}

// One control as the page shows it.
struct Shown {
    QString name;
    QString value;            // empty for a control the page hides
    bool greyed = false;
    bool readout = false;     // a read-only box or a label
    bool pending = false;     // the user's typed text, still standing

    QString line() const
    {
        return name + QStringLiteral(" = ") + value + (greyed ? QStringLiteral(" (greyed)") : QString());
    }
};

// Everything the page shows that a design decides, in creation order (the
// same for two pages of one class).
QVector<Shown> shown(QWidget *page, const QHash<QLineEdit *, QString> &typed)
{
    QVector<Shown> all;
    const QList<QWidget *> widgets = page->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (inPopOutList(w))
            continue;
        Shown s;
        s.name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
        s.greyed = !w->isEnabled();
        if (auto *e = qobject_cast<QLineEdit *>(w)) {
            s.readout = e->isReadOnly();
            s.value = QLatin1Char('"') + (s.readout ? e->text() : editValue(e->text())) + QLatin1Char('"');
            // A typed text, pending, refused or taken, is the user's as long
            // as the page leaves it standing; the read-outs tell what the
            // page made of it.
            // The page may put a factor's sign in front of it.
            const auto text = typed.constFind(e);
            s.pending = text != typed.constEnd() && withoutSign(editValue(*text)) == withoutSign(editValue(e->text()));
        } else if (auto *c = qobject_cast<CustomComboBox1 *>(w)) {
            s.value = QStringLiteral("%1 \"%2\"").arg(c->currentIndex()).arg(c->currentText());
        } else if (auto *r = qobject_cast<QRadioButton *>(w)) {
            s.value = r->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked");
        } else if (auto *l = qobject_cast<QLabel *>(w)) {
            s.readout = true;
            s.value = QLatin1Char('"') + l->text() + QLatin1Char('"');
        } else {
            continue;
        }
        if (hiddenByPage(w))
            s.value = QStringLiteral("(hidden)");
        all << s;
    }
    return all;
}

// What may differ although the page keeps its contract.
bool allowed(int i, const QVector<Shown> &page, const QVector<Shown> &fresh)
{
    if (page[i].pending)
        return true;
    // A clock switched off or unused keeps its last text, greyed: the page's
    // from before, a fresh page's from none yet or from a half-opened design.
    if (page[i].readout && page[i].greyed && fresh[i].greyed)
        return true;
    // The USBHS PHY takes the crystal as typed.
    if (page[i].name == QLatin1String("usbhsphy_ReadOut")) {
        for (const Shown &s : page) {
            if (s.name == QLatin1String("hext_LineEdit"))
                return s.pending;
        }
    }
    return false;
}

QString firstDifference(const QVector<Shown> &page, const QVector<Shown> &fresh)
{
    if (page.size() != fresh.size())
        return QStringLiteral("the page has %1 controls, a fresh page %2").arg(page.size()).arg(fresh.size());
    for (int i = 0; i < page.size(); ++i) {
        if (page[i].line() != fresh[i].line() && !allowed(i, page, fresh))
            return QStringLiteral("page shows  %1\nfresh page  %2").arg(page[i].line(), fresh[i].line());
    }
    return QString();
}

class Sequence
{
public:
    Sequence(int index, quint32 seed, const QString &dir)
        : index(index), seed(seed), random(seed), dir(dir),
          ops(KytoPLLConfig::registeredOperations(index)), page(ops.create(nullptr))
    {
    }

    // Empty when every step kept the contract, else the steps up to the
    // first that broke it and what differed.
    QString run(int steps, int *compared)
    {
        for (int step = 0; step < steps; ++step) {
            log << act();
            UserDialogs::reset();
            const QString fault = check(compared);
            UserDialogs::reset();
            if (!fault.isEmpty())
                return QStringLiteral("%1, seed %2 (replay: KYTO_CONTRACT_SEED=%3:%2)\n  %4\n%5")
                    .arg(KytoPLLConfig::seriesName(index)).arg(seed).arg(index)
                    .arg(log.join(QStringLiteral("\n  ")), fault);
        }
        return QString();
    }

private:
    template <class T>
    QList<T *> usableControls() const
    {
        QList<T *> found;
        for (T *c : page->findChildren<T *>()) {
            if (usable(c))
                found << c;
        }
        return found;
    }

    void queueAnswers()
    {
        static const QMessageBox::StandardButton answers[] = {QMessageBox::Yes, QMessageBox::Cancel};
        for (int i = 0; i < 3; ++i)
            UserDialogs::answerNextBox(answers[random.bounded(2)]);
    }

    QString act()
    {
        queueAnswers();
        QList<QLineEdit *> edits;
        for (QLineEdit *e : usableControls<QLineEdit>()) {
            if (!e->isReadOnly())
                edits << e;
        }
        const QList<CustomComboBox1 *> combos = usableControls<CustomComboBox1>();
        QList<QRadioButton *> radios;
        for (QRadioButton *r : usableControls<QRadioButton>()) {
            if (!r->isChecked())
                radios << r;
        }
        QList<QPushButton *> lists;
        for (QPushButton *b : usableControls<QPushButton>()) {
            if (b->objectName().endsWith(QLatin1String("_List_Button")))
                lists << b;
        }

        const int kind = random.bounded(20);
        QString done;
        if (kind < 8 && !edits.isEmpty()) {
            QLineEdit *e = edits[random.bounded(edits.size())];
            QString text = QString::fromLatin1(typedPool[random.bounded(int(sizeof typedPool / sizeof *typedPool))]);
            const QChar sign = e->text().isEmpty() ? QChar() : e->text().at(0);
            if ((sign == QLatin1Char('/') || sign == QLatin1Char('*')) && random.bounded(2))
                text.prepend(sign);
            const bool confirm = random.bounded(3) != 0;
            e->clear();
            QTest::keyClicks(e, text);
            typed.insert(e, e->text());   // as far as the edit lets it in
            if (confirm)
                QTest::keyClick(e, Qt::Key_Return);
            done = QStringLiteral("type \"%1\" into %2%3").arg(text, e->objectName(),
                                                                confirm ? QStringLiteral(" + Return") : QString());
        } else if (kind < 13 && !combos.isEmpty()) {
            CustomComboBox1 *c = combos[random.bounded(combos.size())];
            const int item = random.bounded(c->count());
            c->setCurrentIndex(item);
            done = QStringLiteral("%1 -> %2 \"%3\"").arg(c->objectName()).arg(item).arg(c->currentText());
        } else if (kind < 18 && !radios.isEmpty()) {
            QRadioButton *r = radios[random.bounded(radios.size())];
            r->click();
            done = QStringLiteral("click %1").arg(r->objectName());
        } else if (kind < 19 && !lists.isEmpty()) {
            QPushButton *b = lists[random.bounded(lists.size())];
            b->click();
            done = QStringLiteral("click %1").arg(b->objectName());
        } else {
            ops.resetDefaults(page.get());
            done = QStringLiteral("reset");
        }
        const QStringList boxes = SeriesPages::boxTexts();
        if (!boxes.isEmpty())
            done += QStringLiteral(" [") + boxes.join(QStringLiteral(" | ")).replace(QLatin1Char('\n'), QLatin1Char(' '))
                    + QLatin1Char(']');
        return done;
    }

    QString check(int *compared)
    {
        const QString file = QDir(dir).filePath(QStringLiteral("contract.ZKCF"));
        QFile::remove(file);
        for (int i = 0; i < 6; ++i)
            UserDialogs::answerNextBox(QMessageBox::Yes);
        UserDialogs::answerNextFileDialog(file);
        ops.saveConfig(page.get(), KytoPLLConfig::seriesName(index));
        if (!QFile::exists(file))
            return QString();   // refused (a limit broken): nothing to open
        const QStringList saveBoxes = SeriesPages::boxTexts();
        UserDialogs::reset();
        ++*compared;

        std::unique_ptr<KytoMCUPLL> fresh(ops.create(nullptr));
        ops.loadConfig(fresh.get(), file);
        const QString fault = firstDifference(shown(page.get(), typed), shown(fresh.get(), {}));
        if (fault.isEmpty())
            return QString();
        QString report = fault;
        if (!saveBoxes.isEmpty())
            report += QStringLiteral("\nsave showed: ") + saveBoxes.join(QStringLiteral(" | "));
        QFile saved(file);
        if (saved.open(QIODevice::ReadOnly))
            report += QStringLiteral("\nsaved design:\n") + QString::fromUtf8(saved.readAll());
        return report;
    }

    const int index;
    const quint32 seed;
    QRandomGenerator random;
    const QString dir;
    const KytoPLLConfig::SeriesOperations ops;
    std::unique_ptr<KytoMCUPLL> page;
    QHash<QLineEdit *, QString> typed;
    QStringList log;
};

} // namespace

class TestPageContract : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        previousHandler = qInstallMessageHandler(quietHandler);
        UserDialogs::setTestMode(true);
    }
    void cleanup() { UserDialogs::reset(); }

    void pageShowsWhatItSaves();
};

void TestPageContract::pageShowsWhatItSaves()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const int sequences = qEnvironmentVariableIsSet("KYTO_CONTRACT_SEQUENCES")
                              ? qEnvironmentVariableIntValue("KYTO_CONTRACT_SEQUENCES") : 2;
    const int steps = 20;

    QList<QPair<int, quint32>> runs;
    const QByteArray replay = qgetenv("KYTO_CONTRACT_SEED");
    if (!replay.isEmpty()) {
        const QList<QByteArray> parts = replay.split(':');
        QCOMPARE(parts.size(), 2);
        runs << qMakePair(parts[0].toInt(), parts[1].toUInt());
    } else {
        for (int index : SeriesPages::registeredIndices()) {
            for (int s = 0; s < sequences; ++s)
                runs << qMakePair(index, quint32(index * 1000 + s));
        }
    }

    QStringList faults;
    int compared = 0;
    for (const auto &run : runs) {
        Sequence sequence(run.first, run.second, dir.path());
        const QString fault = sequence.run(steps, &compared);
        if (!fault.isEmpty())
            faults << fault;
    }
    qInfo("%d sequences, %d designs saved and compared", runs.size(), compared);
    if (!faults.isEmpty())
        QFAIL(qPrintable(QStringLiteral("%1 of %2 sequences broke the contract:\n\n").arg(faults.size()).arg(runs.size())
                         + faults.join(QStringLiteral("\n\n"))));
}

QTEST_MAIN(TestPageContract)
#include "tst_pagecontract.moc"
