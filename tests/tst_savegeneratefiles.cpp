// Save, Open and Generate through the container, as far as the files around
// them go: the user's own hidden files stay as they are, a Save killed at
// any moment leaves the design whole under its name, and a Generate that
// writes nothing leaves no folder of its own behind.
#include "SeriesPages.h"

#include "CustomComboBox1.h"
#include "series/common/DesignFile.h"
#include "KytoMCUPLL.h"
#include "KytoPLLConfig.h"
#include "StagedFileSet.h"
#include "support/KillAtStep.h"
#include "UserDialogs.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>
#endif

using SeriesPages::boxTexts;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool save(KytoPLLConfig &config, const QString &path)
{
    UserDialogs::reset();
    UserDialogs::answerNextFileDialog(path);
    config.saveConfigFile();
    return boxTexts() == QStringList(QStringLiteral("Information: Save file succeed!"));
}

// Every entry under root, folders marked, with the bytes of each file and
// where each link leads.
QStringList tree(const QString &root)
{
    QStringList lines;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QString line = info.filePath().mid(root.size());
        if (info.isSymLink())
            line += QStringLiteral(" -> ") + info.symLinkTarget().mid(root.size());
        if (info.isDir())
            line += QStringLiteral(" folder");
        else if (info.isFile())
            line += QLatin1Char(' ') + QString::fromLatin1(readAll(info.filePath()).toHex());
        else
            line += QStringLiteral(" special");   // a FIFO is never opened
        lines << line;
    }
    lines.sort();
    return lines;
}

// The child process of the kill test: writes the design of `from` to
// `path` as Save does, and ends itself, as a kill would, right after its
// step-th change on disk.
const char KilledSaveArgument[] = "--save-killed-after-step";

int saveKilledAfterStep(char *argv[])
{
    QFile from(QFile::decodeName(argv[2]));
    if (!from.open(QIODevice::ReadOnly))
        return 2;
    QXmlStreamReader reader(&from);
    QString series;
    DesignFile::Values values;
    reader.readNextStartElement();
    while (reader.readNextStartElement()) {
        const QString key = reader.name().toString();
        const QString text = reader.readElementText();
        if (key == QLatin1String("MCU"))
            series = text;
        else
            values.append({key, text});
    }
#ifdef Q_OS_UNIX
    killAfterStep(QByteArray(argv[4]).toInt());
#endif
    return DesignFile::write(QFile::decodeName(argv[3]), series, values) ? 0 : 1;
}

} // namespace

class TestSaveGenerateFiles : public QObject
{
    Q_OBJECT

    int r620 = 0;

private slots:
    void initTestCase()
    {
        SeriesPages::silenceOffscreenSizeHints();
        r620 = SeriesPages::indexOfClass(QStringLiteral("KytoR620PLL"));
        QVERIFY(r620 > 0);
    }

    void init()
    {
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
    }

    void cleanup()
    {
        QCOMPARE(UserDialogs::pendingAnswers(), 0);
        UserDialogs::reset();
        UserDialogs::setTestMode(false);
    }

    // Hidden files of the user's beside a design, some named much like the
    // files an interrupted Save of it or of another design would leave:
    // Open and Save of the design leave every one of them byte for byte.
    void usersHiddenFilesStayThroughOpenAndSave_data()
    {
        QTest::addColumn<QStringList>("userFiles");   // name=content
        QTest::newRow("a dated backup of the design")
            << QStringList{".design.ZKCF.old-20241211=<Configuration/>\n"};
        QTest::newRow("another design with a backup, and a draft")
            << QStringList{"foo.ZKCF=foo now\n", ".foo.ZKCF.old-20241211=foo then\n", ".bar.ZKCF.new-20241211=bar draft\n"};
        QTest::newRow("an earlier naming of work files")
            << QStringList{".design.ZKCF.new-0badc0de=new", ".design.ZKCF.old-0badc0de=old", ".design.ZKCF.none-0badc0de="};
        QTest::newRow("notes named like a set's record, and like its work files")
            << QStringList{".kytoclockconfig-set-0badc0de=my notes\n", ".design.ZKCF.kytoclockconfig-old-0badc0de=mine"};
    }
    void usersHiddenFilesStayThroughOpenAndSave()
    {
        QFETCH(QStringList, userFiles);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("design.ZKCF"));
        KytoPLLConfig config;
        config.selectMcu(r620);
        QVERIFY2(save(config, path), qPrintable(boxTexts().join('|')));
        const QByteArray design = readAll(path);
        for (const QString &file : userFiles)
            QVERIFY(writeAll(dir.filePath(file.section('=', 0, 0)), file.section('=', 1).toUtf8()));
        const QStringList before = tree(dir.path());

        UserDialogs::reset();
        QString name;
        config.openConfigFile(path, name);
        QCOMPARE(name, QStringLiteral("KytoR620"));
        QCOMPARE(boxTexts(), QStringList());
        QCOMPARE(tree(dir.path()), before);

        QVERIFY2(save(config, path), qPrintable(boxTexts().join('|')));
        QCOMPARE(readAll(path), design);
        QCOMPARE(tree(dir.path()), before);
    }

    // Files planted in a folder received from someone else, named like the
    // records and work files of a set that was cut off: records in today's
    // format that name files elsewhere or the design itself, work files
    // beside the user's own files, a record that is another name of the
    // user's notes, FIFOs of a record's name. Open, Save and Generate (done
    // or cancelled at its question) neither wait on them nor change any of
    // them, nor any file they name; the design opens, and Generate writes
    // its four files as usual. "@" stands for the folder the project lies in.
    void plantedFilesChangeNothing_data()
    {
        QTest::addColumn<QStringList>("planted");   // path=content, path=|fifo, path=>hard link to path
        QTest::addColumn<QString>("action");
        const QString header = QStringLiteral("KytoClockConfig staged file set 1\n");
        const QString record = QStringLiteral(".kytoclockconfig-set-0badc0de=");
        const QList<QPair<const char *, QStringList>> fixtures{
            {"a record in src naming a file elsewhere, undone",
             {"project/src/" + record + header + "file @/elsewhere/notes.txt\ncommit n\nundo 1\n",
              "project/inc/" + record + header + "file /proc/self/cwd/notes.txt\ncommit n\nundo 1\n"}},
            {"a record beside the design naming it and a file elsewhere",
             {"project/" + record + header + "file @/project/board.ZKCF\nfile @/elsewhere/notes.txt\ncommit nn\nundo 01\n"}},
            {"a record naming the design alone, undone",
             {"project/" + record + header + "file @/project/board.ZKCF\ncommit n\nundo 1\n"}},
            {"new content planted beside the user's main.c",
             {"project/src/.main.c.kytoclockconfig-new-0badc0de=planted main\n",
              "project/src/" + record + header + "file @/project/src/main.c\ncommit n\n"}},
            {"earlier content planted beside a file the program never writes",
             {"project/src/.user.c.kytoclockconfig-old-0badc0de=planted user\n",
              "project/src/" + record + header + "file @/project/src/user.c\ncommit o\nundo 1\n"}},
            {"a record that is another name of the user's notes",
             {"elsewhere/notes.txt=" + header + "file @/project/src/main.c\ncommit n\nundo 1\ncommit",
              "project/src/.kytoclockconfig-set-0badc0de=>elsewhere/notes.txt",
              "project/.kytoclockconfig-set-0badc0de=>elsewhere/notes.txt"}},
            {"FIFOs of a record's name",
             {"project/" + record + "|fifo", "project/src/" + record + "|fifo", "project/inc/" + record + "|fifo"}},
        };
        for (const auto &fixture : fixtures) {
            for (const QString action : {"open", "save", "generate", "cancelled generate"})
                QTest::newRow(qPrintable(QString::fromLatin1(fixture.first) + ", " + action)) << fixture.second << action;
        }
    }
    void plantedFilesChangeNothing()
    {
#ifdef Q_OS_UNIX
        QFETCH(QStringList, planted);
        QFETCH(QString, action);
        QTemporaryDir root;
        const QString project = root.filePath(QStringLiteral("project"));
        QVERIFY(QDir().mkpath(project + QStringLiteral("/src")) && QDir().mkpath(project + QStringLiteral("/inc"))
                && QDir().mkpath(root.filePath(QStringLiteral("elsewhere"))));
        const QString design = project + QStringLiteral("/board.ZKCF");
        KytoPLLConfig config;
        config.selectMcu(r620);
        QVERIFY2(save(config, design), qPrintable(boxTexts().join('|')));
        const QByteArray designBytes = readAll(design);
        QVERIFY(writeAll(project + QStringLiteral("/src/main.c"), "int main(void) { return 1; }\n"));
        QVERIFY(writeAll(project + QStringLiteral("/src/user.c"), "void user(void) {}\n"));
        QVERIFY(writeAll(root.filePath(QStringLiteral("elsewhere/notes.txt")), "my notes\n"));
        QVERIFY(writeAll(QDir::current().filePath(QStringLiteral("notes.txt")), "notes in the working folder\n"));
        for (const QString &file : planted) {
            const QString path = root.filePath(file.section('=', 0, 0));
            const QString content = file.section('=', 1);
            if (content == QLatin1String("|fifo")) {
                QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
            } else if (content.startsWith('>')) {
                QFile::remove(path);
                QVERIFY(::link(QFile::encodeName(root.filePath(content.mid(1))).constData(), QFile::encodeName(path).constData()) == 0);
            } else {
                QVERIFY(writeAll(path, QString(content).replace('@', root.path()).toUtf8()));
            }
        }
        const QStringList before = tree(root.path());
        const QByteArray cwdNotes = readAll(QDir::current().filePath(QStringLiteral("notes.txt")));

        QElapsedTimer clock;
        clock.start();
        UserDialogs::reset();
        if (action == QLatin1String("open")) {
            QString name;
            config.openConfigFile(design, name);
            QCOMPARE(name, QStringLiteral("KytoR620"));
            QCOMPARE(boxTexts(), QStringList());
        } else if (action == QLatin1String("save")) {
            QVERIFY2(save(config, design), qPrintable(boxTexts().join('|')));
            QCOMPARE(readAll(design), designBytes);
        } else {
            const bool cancelled = action.startsWith(QLatin1String("cancelled"));
            UserDialogs::answerNextFileDialog(project);
            UserDialogs::answerNextBox(cancelled ? QMessageBox::Cancel : QMessageBox::Yes);
            if (!cancelled)
                UserDialogs::answerNextBoxWithText(QStringLiteral("OK"));
            QCOMPARE(config.generateCode(1), !cancelled);
            QCOMPARE(boxTexts().first(), QStringLiteral("warning: "));
            QVERIFY2(boxTexts().last().startsWith(cancelled ? "Error: Generate code failed!" : "Information: Generate code finished!"),
                     qPrintable(boxTexts().join('|')));
        }
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));

        // Apart from the four files a Generate writes, the folders are as
        // they were, byte for byte.
        static const QRegularExpression generated(QStringLiteral("^/project/(src/main\\.c|src/\\w+_clock\\.c|inc/\\w+_clock\\.h|inc/\\w+_conf\\.h) "));
        QStringList after = tree(root.path());
        QStringList expected = before;
        if (action == QLatin1String("generate")) {
            QCOMPARE(after.filter(generated).size(), 4);
            QVERIFY(!after.filter(generated).join(' ').contains(QString::fromLatin1(QByteArray("planted").toHex())));
            const auto isGenerated = [](const QString &line) { return generated.match(line).hasMatch(); };
            after.erase(std::remove_if(after.begin(), after.end(), isGenerated), after.end());
            expected.erase(std::remove_if(expected.begin(), expected.end(), isGenerated), expected.end());
        }
        QCOMPARE(after, expected);
        QCOMPARE(readAll(QDir::current().filePath(QStringLiteral("notes.txt"))), cwdNotes);
        QFile::remove(QDir::current().filePath(QStringLiteral("notes.txt")));

        // The design still opens.
        UserDialogs::reset();
        QString name;
        config.openConfigFile(design, name);
        QCOMPARE(name, QStringLiteral("KytoR620"));
#else
        QSKIP("needs FIFOs and hard links");
#endif
    }

    // Hundreds of large files named like records beside a design do not
    // slow its Open.
    void manyLargeRecordsBesideADesignKeepOpenFast()
    {
        QTemporaryDir dir;
        const QString design = dir.filePath(QStringLiteral("board.ZKCF"));
        KytoPLLConfig config;
        config.selectMcu(r620);
        QVERIFY2(save(config, design), qPrintable(boxTexts().join('|')));
        QByteArray lines = "KytoClockConfig staged file set 1\n";
        while (lines.size() < (1 << 20) - 200)
            lines += "file " + dir.filePath(QStringLiteral("other.c")).toUtf8() + '\n';
        for (int i = 0; i < 100; ++i)
            QVERIFY(writeAll(dir.filePath(QStringLiteral(".kytoclockconfig-set-%1").arg(i, 8, 16, QLatin1Char('0'))), lines));
        QElapsedTimer clock;
        clock.start();
        UserDialogs::reset();
        QString name;
        config.openConfigFile(design, name);
        QCOMPARE(name, QStringLiteral("KytoR620"));
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    }

    // A Save killed right after each of its changes on disk, one run per
    // change: the design's name holds the whole earlier design or the whole
    // new one at that moment (the first Save: none or the new one), a link
    // stays a link, Open of it opens what it holds, and after the next Save
    // nothing of the killed run is left, beside the name or the link's
    // target.
    void killedSaveKeepsTheDesignWhole_data()
    {
        QTest::addColumn<bool>("earlier");
        QTest::addColumn<bool>("linked");
        QTest::newRow("over an earlier design") << true << false;
        QTest::newRow("the first save") << false << false;
        QTest::newRow("over an earlier design, through a link to another folder") << true << true;
    }
    void killedSaveKeepsTheDesignWhole()
    {
#ifdef Q_OS_UNIX
        QFETCH(bool, earlier);
        QFETCH(bool, linked);
        QTemporaryDir scratch;
        const QString oldDesign = scratch.filePath(QStringLiteral("old.ZKCF"));
        const QString newDesign = scratch.filePath(QStringLiteral("new.ZKCF"));
        KytoPLLConfig config;
        config.selectMcu(r620);
        QVERIFY2(save(config, oldDesign), qPrintable(boxTexts().join('|')));
        SeriesPages::combo(config.currentSeriesWidget(), QStringLiteral("ahbdiv"))->setCurrentIndex(1);
        QVERIFY2(save(config, newDesign), qPrintable(boxTexts().join('|')));
        const QByteArray before = earlier ? readAll(oldDesign) : QByteArray("<missing>");
        const QByteArray after = readAll(newDesign);
        QVERIFY(before != after);

        int kills = 0;
        for (int step = 1;; ++step) {
            QVERIFY2(step < 50, "the save never finished");
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("designs/design.ZKCF"));
            const QString outside = dir.filePath(QStringLiteral("outside/design.ZKCF"));
            QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("designs")) && QDir(dir.path()).mkpath(QStringLiteral("outside")));
            if (linked)
                QVERIFY(QFile::link(outside, path));
            if (earlier)
                QVERIFY(writeAll(path, before));

            // Nothing but the design under its name (and at the link's target).
            auto onlyTheDesign = [&](const QByteArray &content) {
                const QString hex = QString::fromLatin1(content.toHex());
                QStringList lines{QStringLiteral("/designs folder"), QStringLiteral("/outside folder")};
                if (linked)
                    lines << QStringLiteral("/designs/design.ZKCF -> /outside/design.ZKCF ") + hex
                          << QStringLiteral("/outside/design.ZKCF ") + hex;
                else
                    lines << QStringLiteral("/designs/design.ZKCF ") + hex;
                lines.sort();
                return lines;
            };

            QProcess child;
            child.start(QCoreApplication::applicationFilePath(),
                        {QString::fromLatin1(KilledSaveArgument), newDesign, path, QString::number(step)});
            QVERIFY(child.waitForFinished(30000));
            const QByteArray now = readAll(path);
            QVERIFY2(now == before || now == after,
                     qPrintable(QStringLiteral("killed after step %1: %2").arg(step).arg(QString::fromUtf8(now))));
            QCOMPARE(QFileInfo(path).isSymLink(), linked);
            if (child.exitStatus() == QProcess::NormalExit) {
                QCOMPARE(child.exitCode(), 0);
                QCOMPARE(tree(dir.path()), onlyTheDesign(after));
                break;
            }
            ++kills;

            if (now != "<missing>") {
                UserDialogs::reset();
                QString name;
                config.openConfigFile(path, name);
                QCOMPARE(name, QStringLiteral("KytoR620"));
                QCOMPARE(boxTexts(), QStringList());
            }
            QVERIFY2(save(config, path), qPrintable(boxTexts().join('|')));
            QCOMPARE(tree(dir.path()), onlyTheDesign(readAll(path)));
        }
        // The new design is written and put in place at the least.
        QVERIFY(kills >= 4);
#else
        QSKIP("needs a process that can be killed at a chosen moment");
#endif
    }

    // A Generate that is refused before it writes anything leaves the chosen
    // folder exactly as it was: an "inc" or "src" it had to create is gone.
    void refusedGenerateLeavesNoNewFolder_data()
    {
        QTest::addColumn<QString>("inTheWay");   // what stands in the chosen folder
        QTest::addColumn<int>("answer");         // to the overwrite question; 0 for none
        QTest::addColumn<QString>("boxes");      // "title: text" of each, "|" between them
        QTest::newRow("src/main.c is a folder")
            << "src/main.c/" << 0 << "Error: Generate code failed!\nCannot write @/src/main.c";
        QTest::newRow("src/main.c exists, Cancel to replacing it")
            << "src/main.c" << int(QMessageBox::Cancel) << "warning: |Error: Generate code failed!";
        QTest::newRow("a file named src") << "src" << 0 << "Error: Creating \"src\" folder error!";
    }
    void refusedGenerateLeavesNoNewFolder()
    {
        QFETCH(QString, inTheWay);
        QFETCH(int, answer);
        QFETCH(QString, boxes);
        QTemporaryDir dir;
        const QString chosen = dir.filePath(QStringLiteral("project"));
        QVERIFY(QDir().mkpath(QFileInfo(chosen + QLatin1Char('/') + inTheWay).absolutePath()));
        if (inTheWay.endsWith(QLatin1Char('/')))
            QVERIFY(QDir().mkpath(chosen + QLatin1Char('/') + inTheWay));
        else
            QVERIFY(writeAll(chosen + QLatin1Char('/') + inTheWay, "int main(void) { return 0; }\n"));
        const QStringList before = tree(dir.path());

        KytoPLLConfig config;
        config.selectMcu(r620);
        UserDialogs::reset();
        UserDialogs::answerNextFileDialog(chosen);
        if (answer)
            UserDialogs::answerNextBox(QMessageBox::StandardButton(answer));
        QVERIFY(!config.generateCode(1));
        QCOMPARE(boxTexts().join('|'), boxes.replace('@', QDir::toNativeSeparators(chosen)));
        QCOMPARE(tree(dir.path()), before);
    }
};

int main(int argc, char *argv[])
{
    if (argc == 5 && qstrcmp(argv[1], KilledSaveArgument) == 0)
        return saveKilledAfterStep(argv);
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestSaveGenerateFiles test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_savegeneratefiles.moc"
