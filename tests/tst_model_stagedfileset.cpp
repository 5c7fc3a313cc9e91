// Files written as one set: all in place, or none, with nothing left over.
#include "StagedFileSet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

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

QStringList entries(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestStagedFileSet : public QObject
{
    Q_OBJECT

private slots:
    // Replaced files keep their permissions, new ones appear, and nothing
    // staged or moved aside stays behind.
    void commitPutsEveryFileInPlace()
    {
        QTemporaryDir dir;
        const QString a = dir.filePath("a.c"), b = dir.filePath("b.h");
        writeBytes(a, "old a");
        QVERIFY(QFile::setPermissions(a, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        const QFile::Permissions permissions = QFileInfo(a).permissions();

        StagedFileSet files;
        QVERIFY(files.stage(a, "new a"));
        QVERIFY(files.stage(b, "new b"));
        QCOMPARE(readBytes(a), QByteArray("old a"));   // nothing in place before the commit
        QVERIFY(!QFile::exists(b));
        QVERIFY(files.commit());
        QCOMPARE(readBytes(a), QByteArray("new a"));
        QCOMPARE(readBytes(b), QByteArray("new b"));
        QCOMPARE(QFileInfo(a).permissions(), permissions);
        QCOMPARE(entries(dir), (QStringList{"a.c", "b.h"}));
    }

    // A set dropped without a commit takes its staged files with it.
    void uncommittedSetLeavesNothing()
    {
        QTemporaryDir dir;
        writeBytes(dir.filePath("a.c"), "old a");
        {
            StagedFileSet files;
            QVERIFY(files.stage(dir.filePath("a.c"), "new a"));
            QVERIFY(files.stage(dir.filePath("b.h"), "new b"));
            QVERIFY(!files.stage(dir.filePath("no/such/folder/c.c"), "new c"));
        }
        QCOMPARE(entries(dir), QStringList("a.c"));
        QCOMPARE(readBytes(dir.filePath("a.c")), QByteArray("old a"));
    }

    // The last target turns into a folder between staging and commit: the
    // files already put in place are taken back, the old ones restored, and
    // the folder is left alone.
    void failedCommitRestoresEveryFile()
    {
        QTemporaryDir dir;
        const QString a = dir.filePath("a.c"), b = dir.filePath("b.h"), c = dir.filePath("c.c");
        writeBytes(a, "old a");
        StagedFileSet files;
        QVERIFY(files.stage(a, "new a"));
        QVERIFY(files.stage(b, "new b"));
        QVERIFY(files.stage(c, "new c"));
        QVERIFY(QDir(dir.path()).mkdir("c.c"));
        QVERIFY(!files.commit());
        QCOMPARE(readBytes(a), QByteArray("old a"));
        QVERIFY(QFileInfo(c).isDir());
        QCOMPARE(entries(dir), (QStringList{"a.c", "c.c"}));
    }

    // What a set cut off at each stage leaves, as its record tells it, and
    // what recovery makes of that: the two files as they were while the
    // set was not committed or its undo had begun, both new once it was
    // committed, and nothing of the set left over. A record that is not
    // whole, or that names other files, is not acted upon beyond that.
    void recoverSettlesFromTheRecord_data()
    {
        QTest::addColumn<QStringList>("left");     // name=content; "@" stands for the folder
        QTest::addColumn<QByteArray>("a");
        QTest::addColumn<QByteArray>("b");
        const QString record = ".kytoclockconfig-set-0badc0de=KytoClockConfig staged file set 1\n"
                               "file @/a.c\nfile @/b.h\n";
        QTest::newRow("cut off while staging")
            << QStringList{record, "a.c=old a", ".a.c.kytoclockconfig-new-0badc0de=new a",
                           ".b.h.kytoclockconfig-new-0badc0de=ne"}
            << QByteArray("old a") << QByteArray("<missing>");
        QTest::newRow("cut off while keeping the earlier files")
            << QStringList{record, "a.c=old a", ".a.c.kytoclockconfig-new-0badc0de=new a",
                           ".b.h.kytoclockconfig-new-0badc0de=new b", ".a.c.kytoclockconfig-old-0badc0de=old a"}
            << QByteArray("old a") << QByteArray("<missing>");
        QTest::newRow("committed, cut off after the first rename")
            << QStringList{record + "commit on\n", "a.c=new a", ".a.c.kytoclockconfig-old-0badc0de=old a",
                           ".b.h.kytoclockconfig-new-0badc0de=new b"}
            << QByteArray("new a") << QByteArray("new b");
        QTest::newRow("committed and in place, cut off while tidying")
            << QStringList{record + "commit on\n", "a.c=new a", "b.h=new b"} << QByteArray("new a") << QByteArray("new b");
        QTest::newRow("undo begun, cut off before restoring")
            << QStringList{record + "commit on\nundo 10\n", "a.c=new a", ".a.c.kytoclockconfig-old-0badc0de=old a",
                           ".b.h.kytoclockconfig-new-0badc0de=new b"}
            << QByteArray("old a") << QByteArray("<missing>");
        QTest::newRow("undo begun, cut off after restoring")
            << QStringList{record + "commit nn\nundo 11\n", "a.c=new a"} << QByteArray("<missing>") << QByteArray("<missing>");
        QTest::newRow("the commit line cut short")
            << QStringList{record + "commit o", "a.c=old a", ".a.c.kytoclockconfig-new-0badc0de=new a",
                           ".b.h.kytoclockconfig-new-0badc0de=new b", ".a.c.kytoclockconfig-old-0badc0de=old a"}
            << QByteArray("old a") << QByteArray("<missing>");
    }
    void recoverSettlesFromTheRecord()
    {
        QFETCH(QStringList, left);
        QFETCH(QByteArray, a);
        QFETCH(QByteArray, b);
        QTemporaryDir dir;
        for (const QString &file : left)
            writeBytes(dir.filePath(file.section('=', 0, 0)),
                       file.section('=', 1).replace('@', dir.path()).toUtf8());
        const QStringList others{".a.c.old-0badc0de", ".b.h.kytoclockconfig-new-12345678", "other.ZKCF"};
        for (const QString &name : others)
            writeBytes(dir.filePath(name), "other");

        // The sets of another file are not its business.
        StagedFileSet::recoverFile(dir.filePath("other.ZKCF"));
        QVERIFY(entries(dir).contains(".kytoclockconfig-set-0badc0de"));

        StagedFileSet::recoverFile(dir.filePath("b.h"));
        QCOMPARE(readBytes(dir.filePath("a.c")), a);
        QCOMPARE(readBytes(dir.filePath("b.h")), b);
        QStringList expected = others;
        if (a != "<missing>")
            expected << "a.c";
        if (b != "<missing>")
            expected << "b.h";
        expected.sort();
        QCOMPARE(entries(dir), expected);
    }

    // A link in a folder that takes no file: the set still replaces the
    // file it leads to, keeps its record there, and leaves nothing behind.
    void linkInAReadOnlyFolder()
    {
        QTemporaryDir dir;
        QDir root(dir.path());
        QVERIFY(root.mkdir("links") && root.mkdir("files"));
        const QString file = dir.filePath("files/design.ZKCF"), link = dir.filePath("links/design.ZKCF");
        writeBytes(file, "old");
        QVERIFY(QFile::link(file, link));
        QVERIFY(QFile::setPermissions(dir.filePath("links"), QFile::ReadOwner | QFile::ExeOwner));
        if (QFileInfo(dir.filePath("links")).isWritable()) {
            QFile::setPermissions(dir.filePath("links"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("read-only folders are writable for this user");
        }
        StagedFileSet files;
        const bool staged = files.stage(link, "new");
        const QStringList aside = QDir(dir.filePath("files")).entryList(QDir::Files | QDir::Hidden);
        StagedFileSet::recoverFile(link);   // a set at work is left to it
        const bool committed = files.commit();
        QFile::setPermissions(dir.filePath("links"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(staged && committed);
        QCOMPARE(aside.size(), 3);
        QCOMPARE(readBytes(link), QByteArray("new"));
        QCOMPARE(QDir(dir.filePath("files")).entryList(QDir::Files | QDir::Hidden), QStringList("design.ZKCF"));
        QVERIFY(QFileInfo(link).isSymLink());
    }

    // A set still at work (another instance of the program, say) is not
    // taken for one that was cut off.
    void recoverLeavesARunningSetAlone()
    {
        QTemporaryDir dir;
        writeBytes(dir.filePath("a.c"), "old a");
        StagedFileSet files;
        QVERIFY(files.stage(dir.filePath("a.c"), "new a"));
        const QStringList staged = entries(dir);
        QCOMPARE(staged.size(), 3);
        StagedFileSet::recover({dir.path()});
        StagedFileSet::recoverFile(dir.filePath("a.c"));
        QCOMPARE(entries(dir), staged);
        QVERIFY(files.commit());
        QCOMPARE(readBytes(dir.filePath("a.c")), QByteArray("new a"));
        QCOMPARE(entries(dir), QStringList("a.c"));
    }
};

QTEST_GUILESS_MAIN(TestStagedFileSet)
#include "tst_model_stagedfileset.moc"
