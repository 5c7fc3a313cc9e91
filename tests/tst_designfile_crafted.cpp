// Crafted design files opened on one page of each family: each is refused
// with the open page untouched, or opened with every key of the design in
// it, and either within a second.
#include "SeriesPages.h"

#include "CustomComboBox1.h"
#include "KytoMCUPLL.h"
#include "KytoPLLConfig.h"
#include "UserDialogs.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <ctime>

using SeriesPages::boxTexts;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The design with `inserted` right after its "MCU" element, so that a reader
// that gives up on it early loses the keys.
QByteArray afterMcu(const QByteArray &design, const QByteArray &inserted)
{
    const int at = design.indexOf("</MCU>") + 6;
    return design.left(at) + inserted + design.mid(at);
}

QByteArray crafted(const QString &kind, const QByteArray &design)
{
    const int nesting = 25000;
    if (kind == "deep nesting")
        return afterMcu(design, QByteArray("<a>").repeated(nesting) + QByteArray("</a>").repeated(nesting));
    if (kind == "unclosed deep nesting")
        return design.left(design.indexOf("</MCU>") + 6) + QByteArray("<a>").repeated(nesting);
    if (kind == "billion laughs") {
        QByteArray dtd = "<!DOCTYPE Configuration [\n  <!ENTITY lol0 \"lol\">\n";
        for (int i = 1; i <= 9; ++i)
            dtd += QStringLiteral("  <!ENTITY lol%1 \"%2\">\n").arg(i).arg(QStringLiteral("&lol%1;").arg(i - 1).repeated(10)).toLatin1();
        dtd += "]>\n";
        const QByteArray text = afterMcu(design, "<laughs>&lol9;</laughs>");
        const int root = text.indexOf("<Configuration>");
        return text.left(root) + dtd + text.mid(root);
    }
    // Each expansion stays under the stream reader's own limit per entity;
    // together they would be hundreds of megabytes.
    if (kind == "one entity used 100,000 times") {
        const QByteArray dtd = "<!DOCTYPE Configuration [<!ENTITY e \"" + QByteArray(4000, 'x') + "\">]>\n";
        const QByteArray text = afterMcu(design, "<flood>" + QByteArray("&e;").repeated(100000) + "</flood>");
        const int root = text.indexOf("<Configuration>");
        return text.left(root) + dtd + text.mid(root);
    }
    // As an editor in a legacy code page writes an accented letter.
    if (kind == "Latin-1 comment")
        return afterMcu(design, "<!-- r\xE9vision 2 -->");
    if (kind == "truncated mid-element")
        return design.left(design.indexOf("<ahbdiv>") + 4);
    // Unknown elements up to just under the size limit.
    QByteArray filler;
    for (int n = 0; design.size() + filler.size() < KytoMCUPLL::maximumDesignFileSize - 64; ++n)
        filler += QStringLiteral("<unknown%1>%1</unknown%1>\n").arg(n).toLatin1();
    return afterMcu(design, filler);
}

// The time Open takes, in ms: the processor time of this thread where the
// platform tells it, since the suite runs many tests at once and a busy
// machine stretches the wall clock, not the work.
double openingMs()
{
#ifdef Q_OS_LINUX
    timespec ts;
    if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts) == 0)
        return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
#endif
    static QElapsedTimer wall;
    if (!wall.isValid())
        wall.start();
    return wall.nsecsElapsed() / 1e6;
}

bool save(KytoPLLConfig &config, const QString &path)
{
    UserDialogs::reset();
    UserDialogs::answerNextFileDialog(path);
    config.saveConfigFile();
    return boxTexts() == QStringList(QStringLiteral("Information: Save file succeed!"));
}

} // namespace

class TestDesignFileCrafted : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        SeriesPages::silenceOffscreenSizeHints();
    }

    void init()
    {
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
    }

    void cleanup()
    {
        UserDialogs::reset();
        UserDialogs::setTestMode(false);
    }

    void craftedFile_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("opens");
        const struct {
            const char *kind;
            bool opens;
        } kinds[] = {
            {"deep nesting", false},
            {"unclosed deep nesting", false},
            {"billion laughs", false},
            {"one entity used 100,000 times", false},
            {"truncated mid-element", false},
            {"1 MB of unknown elements", true},
            {"Latin-1 comment", true},
        };
        for (const char *className : {"KytoR620PLL", "KytoR720PLL", "KytoR610PLL", "KytoR810PLL", "KytoR910PLL", "KytoD515PLL"}) {
            for (const auto &k : kinds)
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(className, k.kind))) << className << k.kind << k.opens;
        }
    }
    void craftedFile()
    {
        QFETCH(QString, className);
        QFETCH(QString, kind);
        QFETCH(bool, opens);
        const int index = SeriesPages::indexOfClass(className);
        QVERIFY(index > 0);
        QTemporaryDir dir;
        const QString plain = dir.filePath(QStringLiteral("plain.ZKCF"));
        const QString path = dir.filePath(QStringLiteral("crafted.ZKCF"));
        const QString after = dir.filePath(QStringLiteral("after.ZKCF"));

        KytoPLLConfig config;
        config.selectMcu(index);
        KytoMCUPLL *page = config.currentSeriesWidget();
        CustomComboBox1 *ahb = SeriesPages::combo(page, QStringLiteral("ahbdiv"));
        QVERIFY(ahb && ahb->count() > 1);
        ahb->setCurrentIndex(1);   // off the default, so a key lost on the way shows
        QVERIFY2(save(config, plain), qPrintable(boxTexts().join('|')));
        const QByteArray design = readAll(plain);
        QVERIFY(design.contains("</ahbdiv>"));
        QVERIFY(writeAll(path, crafted(kind, design)));

        UserDialogs::reset();
        QString name;
        const double start = openingMs();
        config.openConfigFile(path, name);
        const double ms = openingMs() - start;
        QVERIFY2(ms < 1000, qPrintable(QStringLiteral("took %1 ms").arg(ms)));

        if (opens) {
            QCOMPARE(name, KytoPLLConfig::seriesName(index));
            QCOMPARE(boxTexts(), QStringList());
        } else {
            QVERIFY(name.isEmpty());
            QCOMPARE(config.currentSeriesWidget(), page);
            const auto shown = UserDialogs::shownBoxes();
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown[0].title, QStringLiteral("Warning"));
            QCOMPARE(shown[0].text, QStringLiteral("MCU in file not supported."));
            QCOMPARE(shown[0].buttons, QStringList(QStringLiteral("Ok")));
        }
        // Either way the page holds the design: a refused file changed
        // nothing, an opened one lost nothing.
        QVERIFY2(save(config, after), qPrintable(boxTexts().join('|')));
        QCOMPARE(readAll(after), design);
    }
};

QTEST_MAIN(TestDesignFileCrafted)
#include "tst_designfile_crafted.moc"
