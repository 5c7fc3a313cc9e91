// Writing the four generated files: the overwrite question and its answers,
// preview mode, line ends, and failures that must leave the user's files as
// they were.

#include "ClockTreeModel.h"
#include "SourceGenerator.h"
#include "StagedFileSet.h"
#include "support/KillAtStep.h"
#include "UserDialogs.h"
#include "support/ReadOnlyFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

// A series index that names no series: its clock source and main program are
// written as read, the configuration header gets its HEXT_VALUE.
const int NoSeries = 0;
const QString Stem = QStringLiteral("fake");

const QByteArray ClockTemplate = "/* clock source */\r\nvoid system_clock_config(void)\r\n{\r\n}\r\n";
const QByteArray HeaderTemplate = "#ifndef FAKE_CLOCK_H\r\n#define FAKE_CLOCK_H\r\n#endif\r\n";
const QByteArray MainTemplate = "int main(void)\r\n{\r\n  while(1)\r\n  {\r\n  }\r\n}\r\n";
const QByteArray ConfTemplate = "#define HEXT_VALUE    ((uint32_t)8000000) /* Hz */\r\n";

const QByteArray Old = "the user's own text\n";

struct Folder {
    QTemporaryDir root;
    QString templates() const { return root.path() + QStringLiteral("/templates"); }
    QString inc() const { return root.path() + QStringLiteral("/inc"); }
    QString src() const { return root.path() + QStringLiteral("/src"); }
    QStringList targets() const
    {
        return {src() + QStringLiteral("/fake_clock.c"), inc() + QStringLiteral("/fake_clock.h"),
                src() + QStringLiteral("/main.c"), inc() + QStringLiteral("/fake_conf.h")};
    }
};

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(bytes);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void makeFolder(Folder &f, const QByteArray &conf = ConfTemplate)
{
    QVERIFY(f.root.isValid());
    QDir root(f.root.path());
    QVERIFY(root.mkpath(QStringLiteral("templates")) && root.mkpath(QStringLiteral("inc"))
            && root.mkpath(QStringLiteral("src")));
    writeBytes(f.templates() + QStringLiteral("/fake_clock.c"), ClockTemplate);
    writeBytes(f.templates() + QStringLiteral("/fake_clock.h"), HeaderTemplate);
    writeBytes(f.templates() + QStringLiteral("/fake_main.c"), MainTemplate);
    writeBytes(f.templates() + QStringLiteral("/fake_conf.h"), conf);
}

// Every file of inc/ and src/ (and of "outside", where a link may lead) with
// its bytes: a failed run must leave exactly this, with no staged or
// moved-aside file beside it.
QStringList snapshot(const Folder &f)
{
    QStringList lines;
    for (const QString &dir : {f.inc(), f.src(), f.root.path() + QStringLiteral("/outside")}) {
        for (const QFileInfo &info : QDir(dir).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
            QString kind = info.isDir() ? QStringLiteral("folder") : QString::fromLatin1(readBytes(info.filePath()).toHex());
            if (info.isSymLink())
                kind = QStringLiteral("link to ") + info.symLinkTarget().mid(f.root.path().size()) + QLatin1Char(' ') + kind;
            lines << info.filePath().mid(f.root.path().size()) + QStringLiteral(" ") + kind;
        }
    }
    return lines;
}

void putOldFiles(const Folder &f)
{
    for (const QString &path : f.targets())
        writeBytes(path, Old);
}

bool generate(ClockTreeModel &model, const Folder &f)
{
    SourceGenerator generator(model);
    generator.setTemplatePrefix(f.templates() + QLatin1Char('/'));
    return generator.writeSourceFiles(f.inc(), f.src(), Stem);
}

// The child process of the kill test: one preview Generate into root that
// ends itself, as a kill would, right after its step-th change on disk.
const char KilledRunArgument[] = "--generate-killed-after-step";

void prepareKilledRunModel(ClockTreeModel &model)
{
    model.interactiveGenerate = 0;
    model.hextMhz = 12.0;
}

int generateKilledAfterStep(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
#ifdef Q_OS_UNIX
    killAfterStep(QByteArray(argv[3]).toInt());
#endif
    const QString root = QFile::decodeName(argv[2]);
    ClockTreeModel model(NoSeries);
    prepareKilledRunModel(model);
    SourceGenerator generator(model);
    generator.setTemplatePrefix(root + QStringLiteral("/templates/"));
    return generator.writeSourceFiles(root + QStringLiteral("/inc"), root + QStringLiteral("/src"), Stem) ? 0 : 1;
}

} // namespace

class TestSourceGeneratorFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void writesFourFilesWithCrLf();
    void rememberedAnswerPreChecksTheFirstQuestion();
    void yesWithoutCheckAsksForEveryFile();
    void cancelOnFirstQuestionWritesNothing();
    void cancelOnLaterQuestionWritesNothing();
    void rememberedAnswerDoesNotSkipQuestionsOfANewRun();
    void previewOverwritesSilently();
    void failingChainWritesNothing_data();
    void failingChainWritesNothing();
    void targetThatCannotBeOpenedFails();
    void failedWriteKeepsTheOldFile();
    void laterTargetFailingKeepsTheEarlierGeneration_data();
    void laterTargetFailingKeepsTheEarlierGeneration();
    void realOverwriteBox();
    void realOverwriteBoxInChinese();
    void diagnosticsOnlyWhenAskedFor();
    void nonFiniteClockWritesNothing_data();
    void nonFiniteClockWritesNothing();
    void killedRunLeavesTheOldOrTheNewSet_data();
    void killedRunLeavesTheOldOrTheNewSet();
    void usersHiddenFilesStayAsTheyAre_data();
    void usersHiddenFilesStayAsTheyAre();
};

void TestSourceGeneratorFiles::init()
{
    UserDialogs::reset();
    UserDialogs::setTestMode(true);
}

void TestSourceGeneratorFiles::cleanup()
{
    QCOMPARE(UserDialogs::pendingAnswers(), 0);
    UserDialogs::reset();
    UserDialogs::setTestMode(false);
}

void TestSourceGeneratorFiles::writesFourFilesWithCrLf()
{
    Folder f;
    makeFolder(f);
    ClockTreeModel model(NoSeries);
    model.interactiveGenerate = 1;
    model.hextMhz = 12.0;

    QVERIFY(generate(model, f));
    QVERIFY(UserDialogs::shownBoxes().isEmpty());
    QCOMPARE(readBytes(f.targets().at(0)), ClockTemplate);
    QCOMPARE(readBytes(f.targets().at(1)), HeaderTemplate);
    QCOMPARE(readBytes(f.targets().at(2)), MainTemplate);
    QCOMPARE(readBytes(f.targets().at(3)), QByteArray("#define HEXT_VALUE    ((uint32_t)12000000) /* Hz */\r\n"));

    // A template saved with LF alone comes out with CR LF just the same.
    writeBytes(f.templates() + QStringLiteral("/fake_main.c"), QByteArray(MainTemplate).replace("\r\n", "\n"));
    model.interactiveGenerate = 0;
    QVERIFY(generate(model, f));
    QCOMPARE(readBytes(f.targets().at(2)), MainTemplate);
}

void TestSourceGeneratorFiles::rememberedAnswerPreChecksTheFirstQuestion()
{
    Folder f;
    makeFolder(f);
    putOldFiles(f);
    ClockTreeModel model(NoSeries);
    model.interactiveGenerate = 1;
    model.applyToAllConflicts = true;   // from an earlier run

    // Yes, leaving the pre-checked box as it is: the other three follow.
    UserDialogs::answerNextBox(QMessageBox::Yes);
    QVERIFY(generate(model, f));
    const QList<UserDialogs::ShownBox> boxes = UserDialogs::shownBoxes();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().title, QStringLiteral("warning"));
    QCOMPARE(boxes.first().icon, QMessageBox::Warning);
    QStringList buttons = boxes.first().buttons;
    buttons.sort();
    QCOMPARE(buttons, (QStringList{QStringLiteral("Cancel"), QStringLiteral("Yes")}));
    QCOMPARE(boxes.first().checkBoxText, QStringLiteral("Do this for the next conflicts"));
    QVERIFY(model.applyToAllConflicts);
    QCOMPARE(readBytes(f.targets().at(2)), MainTemplate);
    QCOMPARE(readBytes(f.targets().at(3)), QByteArray("#define HEXT_VALUE    ((uint32_t)8000000) /* Hz */\r\n"));
}

void TestSourceGeneratorFiles::yesWithoutCheckAsksForEveryFile()
{
    Folder f;
    makeFolder(f);
    putOldFiles(f);
    ClockTreeModel model(NoSeries);
    model.interactiveGenerate = 1;

    for (int i = 0; i < 4; ++i)
        UserDialogs::answerNextBox(QMessageBox::Yes, UserDialogs::UncheckIt);
    QVERIFY(generate(model, f));
    QCOMPARE(UserDialogs::shownBoxes().size(), 4);
    QVERIFY(!model.applyToAllConflicts);
    QCOMPARE(readBytes(f.targets().at(1)), HeaderTemplate);

    // Yes with the box checked on the first question covers the rest.
    UserDialogs::reset();
    UserDialogs::answerNextBox(QMessageBox::Yes, UserDialogs::CheckIt);
    QVERIFY(generate(model, f));
    QCOMPARE(UserDialogs::shownBoxes().size(), 1);
    QVERIFY(model.applyToAllConflicts);
}

void TestSourceGeneratorFiles::cancelOnFirstQuestionWritesNothing()
{
    Folder f;
    makeFolder(f);
    putOldFiles(f);
    ClockTreeModel model(NoSeries);
    model.interactiveGenerate = 1;
    model.applyToAllConflicts = true;

    UserDialogs::answerNextBox(QMessageBox::Cancel);
    QVERIFY(!generate(model, f));
    QCOMPARE(UserDialogs::shownBoxes().size(), 1);
    QVERIFY(!model.applyToAllConflicts);
    for (const QString &path : f.targets())
        QCOMPARE(readBytes(path), Old);
}

void TestSourceGeneratorFiles::cancelOnLaterQuestionWritesNothing()
{
    // Every question comes first: Cancel on the third leaves the first two
    // files of the earlier generation as they were, too.
    Folder f;
    makeFolder(f);
    putOldFiles(f);
    const QStringList before = snapshot(f);
    ClockTreeModel model(NoSeries);
    model.interactiveGenerate = 1;

    UserDialogs::answerNextBox(QMessageBox::Yes, UserDialogs::UncheckIt);
    UserDialogs::answerNextBox(QMessageBox::Yes, UserDialogs::UncheckIt);
    UserDialogs::answerNextBox(QMessageBox::Cancel);
    QVERIFY(!generate(model, f));
    QCOMPARE(UserDialogs::shownBoxes().size(), 3);
    QCOMPARE(snapshot(f), before);
    for (const QString &path : f.targets())
        QCOMPARE(readBytes(path), Old);
}

void TestSourceGeneratorFiles::rememberedAnswerDoesNotSkipQuestionsOfANewRun()
{
    // "For the next conflicts" was answered in an earlier run into another
    // folder. Here only main.c exists: it is the user's own and must not be
    // overwritten without a question.
    Folder f;
    makeFolder(f);
    writeBytes(f.targets().at(2), Old);
    ClockTreeModel model(NoSeries);
    model.interactiveGenerate = 1;
    model.applyToAllConflicts = true;

    UserDialogs::answerNextBox(QMessageBox::Cancel);
    QVERIFY(!generate(model, f));
    QCOMPARE(UserDialogs::shownBoxes().size(), 1);
    QCOMPARE(UserDialogs::shownBoxes().first().checkBoxText, QStringLiteral("Do this for the next conflicts"));
    QCOMPARE(readBytes(f.targets().at(2)), Old);
    QVERIFY(!QFile::exists(f.targets().at(0)));
    QVERIFY(!model.applyToAllConflicts);
}

void TestSourceGeneratorFiles::previewOverwritesSilently()
{
    Folder f;
    makeFolder(f);
    putOldFiles(f);
    ClockTreeModel model(NoSeries);
    model.interactiveGenerate = 0;

    QVERIFY(generate(model, f));
    QVERIFY(UserDialogs::shownBoxes().isEmpty());
    QCOMPARE(readBytes(f.targets().at(0)), ClockTemplate);
    QCOMPARE(readBytes(f.targets().at(1)), HeaderTemplate);
    QCOMPARE(readBytes(f.targets().at(2)), MainTemplate);
    QVERIFY(!model.applyToAllConflicts);
}

void TestSourceGeneratorFiles::failingChainWritesNothing_data()
{
    QTest::addColumn<int>("series");
    QTest::addColumn<QString>("brokenTemplate");
    QTest::addColumn<QByteArray>("brokenText");

    // Series 2 needs its sections; series 0 has no chain but the
    // configuration header, the last file, must still hold its define.
    QTest::newRow("clock source without sections") << 2 << QStringLiteral("fake_clock.c") << ClockTemplate;
    QTest::newRow("configuration header without HEXT_VALUE")
        << NoSeries << QStringLiteral("fake_conf.h") << QByteArray("#define HSE 1\r\n");
    QTest::newRow("main program template missing") << NoSeries << QStringLiteral("fake_main.c") << QByteArray();
}

void TestSourceGeneratorFiles::failingChainWritesNothing()
{
    QFETCH(int, series);
    QFETCH(QString, brokenTemplate);
    QFETCH(QByteArray, brokenText);

    Folder f;
    makeFolder(f);
    const QString brokenPath = f.templates() + QLatin1Char('/') + brokenTemplate;
    if (brokenText.isEmpty())
        QVERIFY(QFile::remove(brokenPath));
    else
        writeBytes(brokenPath, brokenText);
    putOldFiles(f);
    QVERIFY(QFile::remove(f.targets().at(1)));   // one target new, three existing

    ClockTreeModel model(series);
    model.interactiveGenerate = 1;
    QVERIFY(!generate(model, f));
    QVERIFY(UserDialogs::shownBoxes().isEmpty());
    QVERIFY(!QFile::exists(f.targets().at(1)));
    QCOMPARE(readBytes(f.targets().at(0)), Old);
    QCOMPARE(readBytes(f.targets().at(2)), Old);
    QCOMPARE(readBytes(f.targets().at(3)), Old);
}

void TestSourceGeneratorFiles::targetThatCannotBeOpenedFails()
{
    Folder f;
    makeFolder(f);
    QVERIFY(QDir(f.src()).mkdir(QStringLiteral("main.c")));   // a folder in the way
    ClockTreeModel model(NoSeries);
    model.interactiveGenerate = 0;

    QVERIFY(!generate(model, f));
    QVERIFY(QFileInfo(f.targets().at(2)).isDir());
    QCOMPARE(snapshot(f), QStringList(QStringLiteral("/src/main.c folder")));
}

void TestSourceGeneratorFiles::failedWriteKeepsTheOldFile()
{
#ifdef Q_OS_UNIX
    // A file-size limit makes the write itself fail part way, as a full disk
    // would, whatever the user's rights.
    Folder f;
    makeFolder(f);
    QByteArray big = "/* clock source */\r\n";
    for (int i = 0; i < 200; ++i)
        big += "/* filler line to make the file larger than the limit */\r\n";
    writeBytes(f.templates() + QStringLiteral("/fake_clock.c"), big);
    putOldFiles(f);
    ClockTreeModel model(NoSeries);
    model.interactiveGenerate = 0;

    struct rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool ok = generate(model, f);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!ok);
    QCOMPARE(readBytes(f.targets().at(0)), Old);
    const QStringList expected{QStringLiteral("fake_clock.c"), QStringLiteral("main.c")};
    QCOMPARE(QDir(f.src()).entryList(QDir::Files), expected);
#else
    QSKIP("needs a file-size limit");
#endif
}

// An earlier generation is in the folder and main.c, the third file,
// cannot be written: the run fails, names main.c, and the folder holds
// exactly what it held, the two files written before main.c included. A
// main.c that nothing can replace is not offered for replacement: no
// question is asked at all.
void TestSourceGeneratorFiles::laterTargetFailingKeepsTheEarlierGeneration_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("questions");
    QTest::newRow("main.c is a folder, interactive") << "folder" << 1 << 0;
    QTest::newRow("main.c is a folder, preview") << "folder" << 0 << 0;
    QTest::newRow("main.c read-only") << "read-only" << 1 << 0;
    QTest::newRow("disk full while writing main.c, after Yes for all") << "full" << 1 << 1;
}

void TestSourceGeneratorFiles::laterTargetFailingKeepsTheEarlierGeneration()
{
    QFETCH(QString, obstacle);
    QFETCH(int, mode);
    QFETCH(int, questions);
    Folder f;
    makeFolder(f);
    putOldFiles(f);
    const QString main = f.targets().at(2);
    if (obstacle == "folder") {
        QVERIFY(QFile::remove(main));
        QVERIFY(QDir(f.src()).mkdir(QStringLiteral("main.c")));
    } else if (obstacle == "read-only") {
        QVERIFY(QFile::setPermissions(main, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        if (QFileInfo(main).isWritable())
            QSKIP("read-only files are writable for this user");
    } else {
#ifndef Q_OS_UNIX
        QSKIP("needs a file-size limit");
#endif
        QByteArray big = "int main(void)\r\n{\r\n";
        for (int i = 0; i < 200; ++i)
            big += "/* filler line to make the file larger than the limit */\r\n";
        writeBytes(f.templates() + QStringLiteral("/fake_main.c"), big + "}\r\n");
    }
    const QStringList before = snapshot(f);
    ClockTreeModel model(NoSeries);
    model.interactiveGenerate = mode;
    if (questions > 0)
        UserDialogs::answerNextBox(QMessageBox::Yes, UserDialogs::CheckIt);

    SourceGenerator generator(model);
    generator.setTemplatePrefix(f.templates() + QLatin1Char('/'));
    QString failedPath;
    auto generate = [&] { return generator.writeSourceFiles(f.inc(), f.src(), Stem, &failedPath); };
    bool ok = true;
    if (obstacle == "full") {
#ifdef Q_OS_UNIX
        // A file-size limit cuts the write short part way, as a full disk would.
        struct rlimit saved;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        struct rlimit small = saved;
        small.rlim_cur = 4096;
        auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        ok = generate();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
#endif
    } else {
        ok = generate();
    }
    QVERIFY(!ok);
    QCOMPARE(UserDialogs::shownBoxes().size(), questions);
    QCOMPARE(failedPath, main);
    QCOMPARE(snapshot(f), before);
}

void TestSourceGeneratorFiles::realOverwriteBox()
{
    UserDialogs::setTestMode(false);
    ClockTreeModel model(NoSeries);
    SourceGenerator generator(model);

    QString title, label, checkText;
    bool checkedAtStart = true;
    QStringList buttons;
    QTimer::singleShot(0, this, [&]() {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        if (auto *l = box->findChild<QLabel *>(QStringLiteral("replaceFileLabel")))
            label = l->text();
        auto *check = box->findChild<QCheckBox *>(QStringLiteral("applyToAllCheckBox"));
        if (check) {
            checkText = check->text();
            checkedAtStart = check->isChecked();
            check->setChecked(true);
        }
        buttons << box->button(QMessageBox::Yes)->text() << box->button(QMessageBox::Cancel)->text();
        box->button(QMessageBox::Yes)->click();
    });

    bool replace = false;
    bool applyToAll = false;
    generator.askReplaceFile(QStringLiteral("main.c"), replace, applyToAll);
    QCOMPARE(title, QStringLiteral("warning"));
    QCOMPARE(label, QStringLiteral("main.c file already exists. Do you want to replace it? "));
    QCOMPARE(checkText, QStringLiteral("Do this for the next conflicts"));
    QVERIFY(!checkedAtStart);
    QCOMPARE(buttons, (QStringList{QStringLiteral("Yes"), QStringLiteral("Cancel")}));
    QVERIFY(replace);
    QVERIFY(applyToAll);

    // Closing the box answers Cancel.
    QTimer::singleShot(0, this, []() {
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    generator.askReplaceFile(QStringLiteral("main.c"), replace, applyToAll);
    QVERIFY(!replace);
    QVERIFY(!applyToAll);
}

void TestSourceGeneratorFiles::realOverwriteBoxInChinese()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/image/tr_zh.qm")));
    QCoreApplication::installTranslator(&translator);
    UserDialogs::setTestMode(false);
    ClockTreeModel model(NoSeries);
    SourceGenerator generator(model);

    QString title, label, checkText;
    bool checkedAtStart = false;
    QTimer::singleShot(0, this, [&]() {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        if (auto *l = box->findChild<QLabel *>(QStringLiteral("replaceFileLabel")))
            label = l->text();
        if (auto *check = box->findChild<QCheckBox *>(QStringLiteral("applyToAllCheckBox"))) {
            checkText = check->text();
            checkedAtStart = check->isChecked();
        }
        box->button(QMessageBox::Cancel)->click();
    });

    bool replace = true;
    bool applyToAll = true;   // pre-checks the box
    generator.askReplaceFile(QStringLiteral("kytor620_clock.c"), replace, applyToAll);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(title, QStringLiteral("警告"));
    QCOMPARE(label, QStringLiteral("kytor620_clock.c 文件已经存在，是否替换？ "));
    QCOMPARE(checkText, QStringLiteral("为之后的冲突执行此操作"));
    QVERIFY(checkedAtStart);
    QVERIFY(!replace);
    QVERIFY(!applyToAll);
}

namespace {
QStringList generatorMessages;
void collectGeneratorMessages(QtMsgType, const QMessageLogContext &context, const QString &text)
{
    if (qstrcmp(context.category, "kyto.generator") == 0)
        generatorMessages << text;
}
} // namespace

// Every Generate and Code View used to put whole file texts on standard
// error; they appear only when the category is switched on.
void TestSourceGeneratorFiles::diagnosticsOnlyWhenAskedFor()
{
    Folder f;
    makeFolder(f);
    ClockTreeModel model(NoSeries);
    model.interactiveGenerate = 0;
    generatorMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectGeneratorMessages);

    const bool quiet = generate(model, f);
    const QStringList byDefault = generatorMessages;
    QLoggingCategory::setFilterRules(QStringLiteral("kyto.generator.debug=true"));
    const bool traced = generate(model, f);
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(previous);

    QVERIFY(quiet && traced);
    QVERIFY2(byDefault.isEmpty(), qPrintable(byDefault.join(QLatin1Char('\n'))));
    QVERIFY(!generatorMessages.isEmpty());
}

void TestSourceGeneratorFiles::nonFiniteClockWritesNothing_data()
{
    QTest::addColumn<QString>("clock");
    QTest::addColumn<double>("mhz");
    QTest::newRow("hext nan") << "hext" << qQNaN();
    QTest::newRow("hext 1e308") << "hext" << 1e308;
    QTest::newRow("sclk inf") << "sclk" << qInf();
    QTest::newRow("apb2 -inf") << "apb2" << -qInf();
}

// Whoever calls it, the generator writes no file for a clock that is no
// number: nothing is asked, and the files already there stay as they were.
void TestSourceGeneratorFiles::nonFiniteClockWritesNothing()
{
    QFETCH(QString, clock);
    QFETCH(double, mhz);
    Folder f;
    makeFolder(f);
    putOldFiles(f);
    ClockTreeModel model(NoSeries);
    model.interactiveGenerate = 0;
    model.hextMhz = 12.0;
    model.sclkMhz = model.ahbMhz = model.apb1Mhz = model.apb2Mhz = 12.0;
    (clock == QLatin1String("hext") ? model.hextMhz : clock == QLatin1String("sclk") ? model.sclkMhz : model.apb2Mhz) = mhz;
    QVERIFY(!generate(model, f));
    QVERIFY(UserDialogs::shownBoxes().isEmpty());
    for (const QString &path : f.targets())
        QCOMPARE(readBytes(path), Old);
    QString name;
    double shown = 0.0;
    QVERIFY(model.findUnwritableClock(&name, &shown));
    QCOMPARE(name, clock == QLatin1String("apb2") ? QStringLiteral("apb2clk") : clock);
}

// The earlier generation in the folder: all four files, none, or two; and
// the configuration header as a link to a file outside the folder.
void TestSourceGeneratorFiles::killedRunLeavesTheOldOrTheNewSet_data()
{
    QTest::addColumn<QList<int>>("earlierFiles");
    QTest::addColumn<bool>("linkedConf");
    QTest::addColumn<bool>("readOnlySrcLinks");   // src takes no file; its two files are links out of it
    QTest::newRow("over a whole earlier generation") << QList<int>{0, 1, 2, 3} << false << false;
    QTest::newRow("into empty folders") << QList<int>{} << false << false;
    QTest::newRow("over part of one") << QList<int>{1, 2} << false << false;
    QTest::newRow("over a whole one, the header a link out of the folder") << QList<int>{0, 1, 2, 3} << true << false;
    QTest::newRow("over a whole one, through links standing in a read-only src") << QList<int>{0, 1, 2, 3} << false << true;
}

// A Generate killed right after each of its changes on disk, one run per
// change: every target name holds the whole earlier file or the whole new
// one at that moment (a link stays a link), what the next run's recovery
// makes of the folders is exactly the earlier set or the new one, with no
// file of the run left beside them or beside a link's target, and the next
// Generate then writes the new set as usual.
void TestSourceGeneratorFiles::killedRunLeavesTheOldOrTheNewSet()
{
#ifdef Q_OS_UNIX
    QFETCH(QList<int>, earlierFiles);
    QFETCH(bool, linkedConf);
    QFETCH(bool, readOnlySrcLinks);
    auto prepare = [&](Folder &f, std::unique_ptr<ReadOnlyFolder> &readOnlySrc) {
        makeFolder(f);
        if (linkedConf || readOnlySrcLinks)
            QVERIFY(QDir(f.root.path()).mkdir(QStringLiteral("outside")));
        if (linkedConf)
            QVERIFY(QFile::link(f.root.path() + QStringLiteral("/outside/conf.h"), f.targets().at(3)));
        if (readOnlySrcLinks) {
            for (int file : {0, 2})
                QVERIFY(QFile::link(f.root.path() + QStringLiteral("/outside/") + QFileInfo(f.targets().at(file)).fileName(),
                                    f.targets().at(file)));
        }
        for (int file : earlierFiles)
            writeBytes(f.targets().at(file), Old);
        if (readOnlySrcLinks)
            readOnlySrc.reset(new ReadOnlyFolder(f.src()));
    };
    ClockTreeModel model(NoSeries);
    prepareKilledRunModel(model);
    Folder clean;
    std::unique_ptr<ReadOnlyFolder> cleanReadOnly;
    prepare(clean, cleanReadOnly);
    if (cleanReadOnly && !cleanReadOnly->isReadOnly())
        QSKIP("no folder can be made read-only here");
    QVERIFY(generate(model, clean));
    const QStringList newSet = snapshot(clean);
    QList<QByteArray> newFiles;
    for (const QString &target : clean.targets())
        newFiles << readBytes(target);

    int kills = 0;
    for (int step = 1;; ++step) {
        QVERIFY2(step < 100, "the run never finished");
        Folder f;
        std::unique_ptr<ReadOnlyFolder> readOnly;
        prepare(f, readOnly);
        const QStringList oldSet = snapshot(f);

        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(KilledRunArgument), f.root.path(), QString::number(step)});
        QVERIFY(child.waitForFinished(30000));
        if (child.exitStatus() == QProcess::NormalExit) {
            // Past the last change: the run completed.
            QCOMPARE(child.exitCode(), 0);
            QCOMPARE(snapshot(f), newSet);
            break;
        }
        ++kills;
        for (int i = 0; i < 4; ++i) {
            const QByteArray now = readBytes(f.targets().at(i));
            const QByteArray before = earlierFiles.contains(i) ? Old : QByteArray("<missing>");
            QVERIFY2(now == before || now == newFiles.at(i),
                     qPrintable(QStringLiteral("killed after step %1: %2 holds %3").arg(step).arg(f.targets().at(i), QString::fromLatin1(now))));
        }
        QCOMPARE(QFileInfo(f.targets().at(3)).isSymLink(), linkedConf);
        QCOMPARE(QFileInfo(f.targets().at(2)).isSymLink(), readOnlySrcLinks);
        StagedFileSet::recover({f.inc(), f.src()});
        const QStringList recovered = snapshot(f);
        QVERIFY2(recovered == oldSet || recovered == newSet,
                 qPrintable(QStringLiteral("killed after step %1: %2").arg(step).arg(recovered.join(QStringLiteral(", ")))));
        QVERIFY(generate(model, f));
        QCOMPARE(snapshot(f), newSet);
    }
    // Each of the four files is written and put in place at the least.
    QVERIFY(kills >= 8);
#else
    QSKIP("needs a process that can be killed at a chosen moment");
#endif
}

// Hidden files of the user's beside the targets, some named much like the
// work files of a set, another run's, or of this program's own shape: a
// Generate, cancelled or done, leaves every one of them byte for byte.
void TestSourceGeneratorFiles::usersHiddenFilesStayAsTheyAre_data()
{
    QTest::addColumn<QStringList>("userFiles");   // path under the root=content
    QTest::addColumn<bool>("cancelled");
    QTest::newRow("a dated backup of main.c, cancelled at the first question")
        << QStringList{"src/.main.c.old-20241211=int main(void) { return 1; }\n"} << true;
    QTest::newRow("a dated backup of main.c, preview")
        << QStringList{"src/.main.c.old-20241211=int main(void) { return 1; }\n"} << false;
    QTest::newRow("foo.c with a backup and a draft of bar.c")
        << QStringList{"src/foo.c=foo now\n", "src/.foo.c.old-20241211=foo then\n", "src/.bar.c.new-20241211=bar draft\n"}
        << false;
    QTest::newRow("an earlier naming of work files")
        << QStringList{"src/.main.c.new-0badc0de=new", "src/.main.c.old-0badc0de=old", "inc/.fake_conf.h.none-0badc0de="}
        << false;
    QTest::newRow("notes named like a set's record, and like its work files")
        << QStringList{"src/.kytoclockconfig-set-0badc0de=my notes\n", "inc/.kytoclockconfig-set-12345678=KytoClockConfig notes\n",
                       "inc/.fake_conf.h.kytoclockconfig-old-0badc0de=mine", "src/.main.c.kytoclockconfig-new-12345678=mine"}
        << false;
}

void TestSourceGeneratorFiles::usersHiddenFilesStayAsTheyAre()
{
    QFETCH(QStringList, userFiles);
    QFETCH(bool, cancelled);
    Folder f;
    makeFolder(f);
    putOldFiles(f);
    for (const QString &file : userFiles)
        writeBytes(f.root.path() + QLatin1Char('/') + file.section('=', 0, 0), file.section('=', 1).toLatin1());
    ClockTreeModel model(NoSeries);
    model.interactiveGenerate = cancelled ? 1 : 0;
    if (cancelled)
        UserDialogs::answerNextBox(QMessageBox::Cancel);

    QCOMPARE(generate(model, f), !cancelled);
    for (const QString &file : userFiles)
        QCOMPARE(readBytes(f.root.path() + QLatin1Char('/') + file.section('=', 0, 0)), file.section('=', 1).toLatin1());
    QStringList names;
    for (const QString &dir : {f.inc(), f.src()})
        names += QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
    QCOMPARE(names.size(), 4 + userFiles.size());
    for (const QString &path : f.targets())
        QCOMPARE(readBytes(path) == Old, cancelled);
}

int main(int argc, char *argv[])
{
    if (argc == 4 && qstrcmp(argv[1], KilledRunArgument) == 0)
        return generateKilledAfterStep(argc, argv);
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestSourceGeneratorFiles test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_model_sourcegenerator_files.moc"
