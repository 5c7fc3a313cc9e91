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

    // What a Save killed at each point leaves beside a design, and what the
    // next Save or Open of it makes of that: the design as last saved whole
    // (the earlier one while the new one is still staged, the new one once
    // it is in place), and nothing hidden left over. The work files of any
    // other file's set are not its business.
    void recoverFileTidiesOnlyItsOwnSets_data()
    {
        QTest::addColumn<QStringList>("left");     // name=content
        QTest::addColumn<QByteArray>("design");
        QTest::newRow("killed while staging")
            << QStringList{"design.ZKCF=old", ".design.ZKCF.new-0badc0de=ne"} << QByteArray("old");
        QTest::newRow("killed after moving the old design aside")
            << QStringList{".design.ZKCF.old-0badc0de=old", ".design.ZKCF.new-0badc0de=new"} << QByteArray("old");
        QTest::newRow("killed after putting the new design in place")
            << QStringList{"design.ZKCF=new", ".design.ZKCF.old-0badc0de=old"} << QByteArray("new");
        QTest::newRow("first save, killed before putting it in place")
            << QStringList{".design.ZKCF.none-0badc0de=", ".design.ZKCF.new-0badc0de=new"} << QByteArray("<missing>");
        QTest::newRow("first save, killed after putting it in place")
            << QStringList{"design.ZKCF=new", ".design.ZKCF.none-0badc0de="} << QByteArray("new");
    }
    void recoverFileTidiesOnlyItsOwnSets()
    {
        QFETCH(QStringList, left);
        QFETCH(QByteArray, design);
        QTemporaryDir dir;
        for (const QString &file : left)
            writeBytes(dir.filePath(file.section('=', 0, 0)), file.section('=', 1).toLatin1());
        const QStringList others{".main.c.new-12345678", ".other.ZKCF.old-0badc0de", "other.ZKCF"};
        for (const QString &name : others)
            writeBytes(dir.filePath(name), "other");

        StagedFileSet::recoverFile(dir.filePath("design.ZKCF"));
        QCOMPARE(readBytes(dir.filePath("design.ZKCF")), design);
        QStringList expected = others;
        if (design != "<missing>")
            expected << "design.ZKCF";
        expected.sort();
        QCOMPARE(entries(dir), expected);
    }
};

QTEST_GUILESS_MAIN(TestStagedFileSet)
#include "tst_model_stagedfileset.moc"
