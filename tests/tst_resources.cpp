// Every picture and catalogue that the program's sources name under
// ":/image/" must be compiled into the resources; a missing one would only
// show as a blank icon or an untranslated window. Series drawings are left to
// tst_clockdrawings, which knows which series have a drawing yet.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

class TestResources : public QObject
{
    Q_OBJECT
private slots:
    void namedResourcesExist()
    {
        const QRegularExpression name(QStringLiteral(":/image/[A-Za-z0-9_.-]+\\.(png|qm|pdf|svg)"));
        QSet<QString> named;
        for (const char *folder : {"app", "clockview", "series", "model"}) {
            QDirIterator it(QStringLiteral(KYTO_SOURCE_DIR "/") + QLatin1String(folder),
                            {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files);
            while (it.hasNext()) {
                QFile source(it.next());
                QVERIFY(source.open(QIODevice::ReadOnly));
                auto matches = name.globalMatch(QString::fromUtf8(source.readAll()));
                while (matches.hasNext())
                    named.insert(matches.next().captured(0));
            }
        }
        QVERIFY(named.contains(QStringLiteral(":/image/downArrow4.png")));
        for (const QString &resource : qAsConst(named))
            QVERIFY2(QFile::exists(resource), qPrintable(resource + " is named in the sources but not built"));
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
