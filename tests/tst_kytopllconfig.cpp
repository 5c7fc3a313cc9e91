// The clock-configuration container: the series table, creating and
// replacing the page, dispatch to the page, opening design files and the
// reset question. Stand-in pages take the place of real series classes.
#include "ClockTreeModel.h"
#include "KytoMCUPLL.h"
#include "KytoPLLConfig.h"
#include "PinGraphicsView.h"
#include "UserDialogs.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QTranslator>
#include <QtTest>

namespace {

struct PageLog {
    int constructed = 0;
    int resets = 0;
    int generates = 0;
    int generateMode = -1;
    bool generateResult = true;
    QStringList loaded;
    QStringList saved;
};
PageLog pageLog;

// A page of series Index with the five operations the container uses.
template <int Index>
class StandInPage : public KytoMCUPLL
{
public:
    explicit StandInPage(KytoPLLConfig *parent) : KytoMCUPLL(Index, parent) { ++pageLog.constructed; }
    bool generateCode()
    {
        ++pageLog.generates;
        pageLog.generateMode = model->interactiveGenerate;
        return pageLog.generateResult;
    }
    void resetDefaults() { ++pageLog.resets; }
    void loadConfig(QString path) { pageLog.loaded << path; }
    void saveConfig(QString seriesName) { pageLog.saved << seriesName; }
};

} // namespace

class TestKytoPLLConfig : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString designFile(const QString &name, const QString &mcu)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            file.write(QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Configuration>\n"
                               "    <MCU>%1</MCU>\n    <hext>8</hext>\n</Configuration>\n").arg(mcu).toUtf8());
        }
        return path;
    }
    static QGroupBox *toolBoxOf(KytoPLLConfig &config) { return config.findChild<QGroupBox *>("toolBox"); }
    // A series of the table without a page class, looked up rather than
    // named, since pages keep arriving; -1 once every series has one.
    static int seriesWithoutPage()
    {
        for (int index = 0; index <= 32; ++index) {
            if (!KytoPLLConfig::seriesName(index).isEmpty() && !KytoPLLConfig::registeredOperations(index).create)
                return index;
        }
        return -1;
    }

private slots:
    void initTestCase()
    {
        KytoPLLConfig::overrideSeriesForTesting(2, KytoPLLConfig::operationsOf<StandInPage<2>>());
        KytoPLLConfig::overrideSeriesForTesting(7, KytoPLLConfig::operationsOf<StandInPage<7>>());
    }
    void cleanupTestCase()
    {
        KytoPLLConfig::overrideSeriesForTesting(2, {});
        KytoPLLConfig::overrideSeriesForTesting(7, {});
    }
    void init()
    {
        pageLog = PageLog();
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
    }

    void seriesTable()
    {
        const QList<int> indices = {2, 4, 5, 7, 8, 9, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 29, 30};
        for (int index = -1; index <= 32; ++index) {
            const QString name = KytoPLLConfig::seriesName(index);
            QCOMPARE(name.isEmpty(), !indices.contains(index));
            if (name.isEmpty())
                continue;
            QCOMPARE(KytoPLLConfig::seriesIndexOf(name), index);
            QCOMPARE(KytoPLLConfig::seriesClassName(index), name + "PLL");
        }
        QCOMPARE(KytoPLLConfig::seriesName(24), QString("KytoH620A"));
        QCOMPARE(KytoPLLConfig::seriesName(17), QString("KytoNS720"));
        QCOMPARE(KytoPLLConfig::seriesIndexOf("kytor620"), 0);
        QCOMPARE(KytoPLLConfig::seriesIndexOf(" KytoR620"), 0);
        QCOMPARE(KytoPLLConfig::seriesIndexOf(""), 0);
    }

    void noDesignDispatchesNothing()
    {
        KytoPLLConfig config;
        QVERIFY(!config.hasSeriesWidget());
        QVERIFY(toolBoxOf(config)->isHidden());
        QCOMPARE(config.currentSeriesIndex(), 0);
        QVERIFY(!config.generateCode(0));
        QVERIFY(!config.generateCode(1));
        config.saveConfigFile();
        config.ZoomIn();
        config.ZoomReset();
        QVERIFY(UserDialogs::shownBoxes().isEmpty());
        QVERIFY(UserDialogs::fileQuestions().isEmpty());
        QCOMPARE(pageLog.generates, 0);
        QVERIFY(pageLog.saved.isEmpty());
    }

    // A page resets itself in its constructor; New adds no second reset.
    void selectMcuBuildsThePage()
    {
        KytoPLLConfig config;
        config.selectMcu(2);
        QVERIFY(config.hasSeriesWidget());
        QVERIFY(!toolBoxOf(config)->isHidden());
        QCOMPARE(config.currentSeriesIndex(), 2);
        KytoMCUPLL *page = config.currentSeriesWidget();
        QVERIFY(page);
        QCOMPARE(page->parentWidget(), static_cast<QWidget *>(&config));
        QCOMPARE(config.layout()->indexOf(page), 1);   // below the tool box
        QCOMPARE(pageLog.constructed, 1);
        QCOMPARE(pageLog.resets, 0);

        QPointer<KytoMCUPLL> first = page;
        config.selectMcu(7);
        QVERIFY(first.isNull());
        QCOMPARE(config.layout()->count(), 2);
        QCOMPARE(config.currentSeriesIndex(), 7);
        QCOMPARE(pageLog.resets, 0);
    }

    void indexWithoutClassLeavesNoPage_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("3, no series") << 3;
        if (seriesWithoutPage() > 0)
            QTest::newRow("series without a page class yet") << seriesWithoutPage();
    }
    void indexWithoutClassLeavesNoPage()
    {
        QFETCH(int, index);
        KytoPLLConfig config;
        config.selectMcu(2);
        QPointer<KytoMCUPLL> page = config.currentSeriesWidget();
        config.selectMcu(index);
        QVERIFY(page.isNull());
        QVERIFY(!config.hasSeriesWidget());
        QVERIFY(!toolBoxOf(config)->isHidden());
        QCOMPARE(config.currentSeriesIndex(), index);
        QCOMPARE(config.layout()->count(), 1);
        QVERIFY(!config.generateCode(0));
        QCOMPARE(pageLog.generates, 0);
        QVERIFY(UserDialogs::shownBoxes().isEmpty());
    }

    void generateCodePassesModeAndResult_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("result");
        QTest::newRow("preview, written") << 0 << true;
        QTest::newRow("interactive, written") << 1 << true;
        QTest::newRow("interactive, failed") << 1 << false;
        QTest::newRow("preview, failed") << 0 << false;
    }
    void generateCodePassesModeAndResult()
    {
        QFETCH(int, mode);
        QFETCH(bool, result);
        KytoPLLConfig config;
        config.selectMcu(2);
        config.currentSeriesWidget()->model->interactiveGenerate = 1 - mode;
        pageLog.generateResult = result;
        QCOMPARE(config.generateCode(mode), result);
        QCOMPARE(pageLog.generates, 1);
        QCOMPARE(pageLog.generateMode, mode);
    }

    void saveUsesTheSeriesName()
    {
        KytoPLLConfig config;
        config.selectMcu(7);
        config.saveConfigFile();
        QCOMPARE(pageLog.saved, QStringList("KytoR620A"));
    }

    void openReplacesThePage()
    {
        KytoPLLConfig config;
        config.selectMcu(2);
        QPointer<KytoMCUPLL> old = config.currentSeriesWidget();
        const int resetsBefore = pageLog.resets;
        const QString path = designFile("r620a.ZKCF", "KytoR620A");
        QString name;
        config.openConfigFile(path, name);
        QCOMPARE(name, QString("KytoR620A"));
        QVERIFY(old.isNull());
        QCOMPARE(config.currentSeriesIndex(), 7);
        QVERIFY(config.currentSeriesWidget());
        QCOMPARE(pageLog.loaded, QStringList(path));
        QCOMPARE(pageLog.resets, resetsBefore);   // resetting before loading is the page's own rule
        QVERIFY(UserDialogs::shownBoxes().isEmpty());
    }

    void openOfAnUnsupportedFileKeepsThePage_data()
    {
        QTest::addColumn<QString>("mcu");
        QTest::addColumn<bool>("exists");
        QTest::newRow("unknown series") << "KytoX999" << true;
        QTest::newRow("lower-case series name") << "kytor620a" << true;
        QTest::newRow("lower-case element name") << "" << true;
        QTest::newRow("no such file") << "KytoR620A" << false;
        if (seriesWithoutPage() > 0)
            QTest::newRow("series without a page yet") << KytoPLLConfig::seriesName(seriesWithoutPage()) << true;
    }
    void openOfAnUnsupportedFileKeepsThePage()
    {
        QFETCH(QString, mcu);
        QFETCH(bool, exists);
        KytoPLLConfig config;
        config.selectMcu(2);
        QPointer<KytoMCUPLL> page = config.currentSeriesWidget();
        page->zoomIn();

        QString path = dir.filePath("absent.ZKCF");
        if (exists && mcu.isEmpty()) {
            path = dir.filePath("lowerkey.ZKCF");
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<Configuration><mcu>KytoR620A</mcu></Configuration>");
        } else if (exists) {
            path = designFile("foreign.ZKCF", mcu);
        }
        QString name;
        config.openConfigFile(path, name);
        QVERIFY(name.isEmpty());
        QCOMPARE(config.currentSeriesWidget(), page.data());
        QCOMPARE(config.currentSeriesIndex(), 2);
        QVERIFY(!toolBoxOf(config)->isHidden());
        QVERIFY(pageLog.loaded.isEmpty());
        QVERIFY(page->view->transform().m11() > 1.0);   // not even the zoom was reset

        const auto shown = UserDialogs::shownBoxes();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QString("Warning"));
        QCOMPARE(shown[0].text, QString("MCU in file not supported."));
        QCOMPARE(shown[0].icon, QMessageBox::Warning);
        QCOMPARE(shown[0].buttons, QStringList("Ok"));
    }

    // Nothing but a regular design file of sensible size is read at all: a
    // device would never end and a huge file would eat the memory.
    void openOfASpecialOrHugeFileKeepsThePage_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a device") << "device";
        QTest::newRow("a design padded past 1 MiB") << "huge";
    }
    void openOfASpecialOrHugeFileKeepsThePage()
    {
        QFETCH(QString, kind);
        QString path;
        if (kind == "folder") {
            path = dir.filePath("folder.ZKCF");
            QVERIFY(QDir(dir.path()).mkpath("folder.ZKCF"));
        } else if (kind == "device") {
            path = "/dev/zero";
            if (!QFileInfo::exists(path))
                QSKIP("no /dev/zero here");
        } else {
            path = dir.filePath("huge.ZKCF");
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<Configuration><MCU>KytoR620A</MCU>");
            file.write(QByteArray(KytoMCUPLL::maximumDesignFileSize, ' '));
            file.write("</Configuration>");
        }
        KytoPLLConfig config;
        config.selectMcu(2);
        QPointer<KytoMCUPLL> page = config.currentSeriesWidget();
        QString name;
        config.openConfigFile(path, name);
        QVERIFY(name.isEmpty());
        QCOMPARE(config.currentSeriesWidget(), page.data());
        QVERIFY(pageLog.loaded.isEmpty());
        const auto shown = UserDialogs::shownBoxes();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QString("MCU in file not supported."));
    }

    void openWithoutADesignStaysEmpty()
    {
        KytoPLLConfig config;
        QString name;
        config.openConfigFile(designFile("foreign.ZKCF", "KytoR620 "), name);
        QVERIFY(name.isEmpty());
        QVERIFY(!config.hasSeriesWidget());
        QVERIFY(toolBoxOf(config)->isHidden());
        QCOMPARE(UserDialogs::shownBoxes().size(), 1);
    }

    void configResetAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("resets");
        QTest::newRow("Yes resets") << int(QMessageBox::Yes) << 1;
        QTest::newRow("Cancel keeps every setting") << int(QMessageBox::Cancel) << 0;
    }
    void configResetAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(int, resets);
        KytoPLLConfig config;
        config.selectMcu(2);
        pageLog.resets = 0;
        UserDialogs::answerNextBox(QMessageBox::StandardButton(answer));
        config.findChild<QAction *>("configResetAction")->trigger();
        QCOMPARE(pageLog.resets, resets);
        const auto shown = UserDialogs::shownBoxes();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QString("Warning"));
        QCOMPARE(shown[0].text, QString("The current configuration will be reset. Please confirm whether to continue?"));
        QCOMPARE(shown[0].icon, QMessageBox::Warning);
        QVERIFY(shown[0].buttons.contains("Yes"));
        QVERIFY(shown[0].buttons.contains("Cancel"));
    }

    void configResetRealBoxClosedWithCancel()
    {
        UserDialogs::setTestMode(false);
        KytoPLLConfig config;
        config.selectMcu(2);
        pageLog.resets = 0;
        QString title, text;
        QStringList buttons;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            title = box->windowTitle();
            text = box->text();
            for (QAbstractButton *b : box->buttons())
                buttons << b->text();
            box->button(QMessageBox::Cancel)->click();
        });
        config.ConfigReset();
        QCOMPARE(title, QString("Warning"));
        QCOMPARE(text, QString("The current configuration will be reset. Please confirm whether to continue?"));
        buttons.sort();
        QCOMPARE(buttons, QStringList({"Cancel", "Yes"}));
        QCOMPARE(pageLog.resets, 0);
    }

    void toolBarZoomsThePage()
    {
        KytoPLLConfig config;
        config.selectMcu(2);
        KytoMCUPLL *page = config.currentSeriesWidget();
        config.findChild<QAction *>("zoomInAction")->trigger();
        QVERIFY(qAbs(page->view->transform().m11() - double(1.03f)) < 1e-9);
        config.findChild<QAction *>("zoomResetAction")->trigger();
        QCOMPARE(page->view->transform().m11(), 1.0);
        config.findChild<QAction *>("zoomOutAction")->trigger();
        QVERIFY(qAbs(page->view->transform().m11() - double(0.97f)) < 1e-9);
    }

    void toolBarLayoutAndLanguage()
    {
        KytoPLLConfig config;
        QStringList order;
        for (QAction *action : config.findChild<QToolBar *>("toolBar")->actions())
            order << action->objectName();
        QCOMPARE(order.size(), 5);
        QCOMPARE(order.mid(0, 3), QStringList({"zoomInAction", "zoomResetAction", "zoomOutAction"}));
        QCOMPARE(order.at(4), QString("configResetAction"));
        for (const char *name : {"zoomInAction", "zoomOutAction", "zoomResetAction", "configResetAction"})
            QVERIFY2(!config.findChild<QAction *>(name)->icon().pixmap(32, 32).isNull(), name);

        QTranslator chinese;
        QVERIFY(chinese.load(":/image/tr_zh.qm"));
        QApplication::installTranslator(&chinese);
        config.retranslateUi();
        QCOMPARE(config.findChild<QAction *>("zoomInAction")->text(), QString::fromUtf8("放大"));
        QCOMPARE(config.findChild<QAction *>("configResetAction")->text(), QString::fromUtf8("配置重置"));
        QApplication::removeTranslator(&chinese);
        config.retranslateUi();
        QCOMPARE(config.findChild<QAction *>("zoomOutAction")->text(), QString("Zoom out"));
    }
};

QTEST_MAIN(TestKytoPLLConfig)
#include "tst_kytopllconfig.moc"
