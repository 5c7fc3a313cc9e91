// The main window and the chip picker: New/Open flows, the view switch, the
// caption rule, the language switch, the no-design boxes and the close question.
// The picker is a modal dialog; it is driven by a timer that finds
// QApplication::activeModalWidget().
#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "FormCodeView.h"
#include "FormConfiguration.h"
#include "KytoMCUPLL.h"
#include "KytoPLLConfig.h"
#include "MCUSelect_Form.h"
#include "UserDialogs.h"
#include "VersionAbout.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QWindow>
#include <QtTest>
#include <functional>

namespace {

// A page that stands in for a series class: it records what the container
// asks of it, so the window's flows can be tested without any real series.
struct StandInLog {
    int generateCalls = 0;
    int lastMode = -1;
    bool generateResult = true;
    QStringList saved;
    QStringList loaded;
};
StandInLog &standInLog()
{
    static StandInLog log;
    return log;
}

class StandInPage : public KytoMCUPLL
{
public:
    explicit StandInPage(KytoPLLConfig *parent) : KytoMCUPLL(20, parent) {}
    bool generateCode()
    {
        ++standInLog().generateCalls;
        standInLog().lastMode = model->interactiveGenerate;
        return standInLog().generateResult;
    }
    void resetDefaults() {}
    void loadConfig(QString path) { standInLog().loaded << path; }
    void saveConfig(QString seriesName) { standInLog().saved << seriesName; }
};

// Runs handler on the next modal dialog that opens, from the event loop the
// dialog itself runs. Gives up after a few seconds so no test can hang.
class ModalDriver : public QObject
{
public:
    explicit ModalDriver(std::function<void(QWidget *)> handler)
        : handler(std::move(handler))
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, this, [this] { poll(); });
        timer.start();
    }
    QStringList seen;

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal) {
            seen << QString::fromLatin1(modal->metaObject()->className());
            timer.stop();
            handler(modal);
        } else if (++ticks > 500) {
            timer.stop();
        }
    }
    std::function<void(QWidget *)> handler;
    QTimer timer;
    int ticks = 0;
};

void clickButton(QWidget *dialog, const char *name)
{
    auto *button = dialog->findChild<QPushButton *>(QLatin1String(name));
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

QStringList comboItems(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// Button order follows the platform's dialog layout.
QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

const QStringList mainstream = {"KytoR610", "KytoR620", "KytoR620A", "KytoR640", "KytoR650",
                                "KytoR710", "KytoR910", "KytoR920", "KytoR930", "KytoR960"};

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private:
    QTranslator translator;
    FormConfiguration *window = nullptr;

    template <class T> T *child(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    KytoPLLConfig *container() const { return child<KytoPLLConfig>("pllConfig"); }
    QString caption() const { return child<QPushButton>("clockConfigButton")->text(); }
    bool codeViewShown() const { return !child<FormCodeView>("codeView")->isHidden(); }

    // Starts a design through New, answering the picker with the given line
    // and series (positions in the picker's combos).
    void newDesignThroughPicker(int line, int series)
    {
        ModalDriver driver([line, series](QWidget *modal) {
            auto *lines = modal->findChild<CustomComboBox1 *>("productLineComboBox");
            auto *names = modal->findChild<CustomComboBox1 *>("seriesComboBox");
            lines->setCurrentIndex(line);
            names->setCurrentIndex(series);
            clickButton(modal, "okButton");
        });
        child<QAction>("newAction")->trigger();
        QCOMPARE(driver.seen, QStringList{"MCUSelect_Form"});
    }

    void useLanguage(int flag)
    {
        QCoreApplication::removeTranslator(&translator);
        QVERIFY(translator.load(flag ? ":/image/tr_zh.qm" : ":/image/tr_en.qm"));
        QCoreApplication::installTranslator(&translator);
    }

private slots:
    void initTestCase()
    {
        KytoPLLConfig::SeriesOperations ops = KytoPLLConfig::operationsOf<StandInPage>();
        for (int index : {20, 8, 26})
            KytoPLLConfig::overrideSeriesForTesting(index, ops);
    }

    void init()
    {
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
        standInLog() = StandInLog();
        useLanguage(0);
        window = new FormConfiguration;
        window->setLanguageFlag(0);
        window->setTranslator(&translator, true);
    }

    void cleanup()
    {
        UserDialogs::reset();
        delete window;
        window = nullptr;
        QCoreApplication::removeTranslator(&translator);
    }

    void windowAtStart()
    {
        QCOMPARE(window->windowTitle(), QString("Orvane Tessaly V3.0.16"));
        QStringList menus;
        for (QAction *menu : child<QMenuBar>("menuBar")->actions())
            menus << menu->text();
        QCOMPARE(menus, (QStringList{"Project", "Language", "Generate code", "Help"}));
        const QList<QPair<const char *, QStringList>> entries = {
            {"projectMenu", {"New", "Open", "Save"}},
            {"languageMenu", {"English", "Chinese"}},
            {"generateCodeMenu", {"Generate code"}},
            {"helpMenu", {"Open Manual", "New version download", "Version"}},
        };
        for (const auto &menu : entries) {
            QStringList texts;
            for (QAction *action : child<QMenu>(menu.first)->actions())
                texts << action->text();
            QCOMPARE(texts, menu.second);
        }
        QVERIFY(child<QAction>("englishAction")->isCheckable() && child<QAction>("chineseAction")->isCheckable());
        QVERIFY(!child<QLabel>("logoLabel")->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(child<QLabel>("logoLabel")->height(), 60);
        QCOMPARE(caption(), QString("Clock Configuration"));
        QVERIFY(!codeViewShown());
        QVERIFY(child<QAction>("englishAction")->isChecked());
        QVERIFY(!child<QAction>("chineseAction")->isChecked());
        QVERIFY(!container()->hasSeriesWidget());
    }

    void pickerProductLines_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QStringList>("series");
        QTest::newRow("Mainstream") << 0 << mainstream;
        QTest::newRow("Value line") << 1 << QStringList{"KytoR720", "KytoR730", "KytoR740", "KytoR750"};
        QTest::newRow("High performance") << 2 << QStringList{"KytoR810", "KytoR820"};
        QTest::newRow("Automotive") << 3 << QStringList{"KytoH620A", "KytoH740"};
        QTest::newRow("Low Power") << 4 << QStringList{"KytoE105"};
        QTest::newRow("Wireless BLE") << 5 << QStringList{"KytoNS720"};
        QTest::newRow("Motor") << 6 << QStringList{"KytoD515", "KytoD525"};
    }

    void pickerProductLines()
    {
        QFETCH(int, line);
        QFETCH(QStringList, series);
        MCUSelect_Form picker;
        auto *lines = picker.findChild<CustomComboBox1 *>("productLineComboBox");
        auto *names = picker.findChild<CustomComboBox1 *>("seriesComboBox");
        QCOMPARE(comboItems(lines), (QStringList{"Mainstream", "Value line", "High performance",
                                                 "Automotive", "Low Power", "Wireless BLE", "Motor"}));
        QCOMPARE(comboItems(names), mainstream);
        lines->setCurrentIndex(line);
        QCOMPARE(comboItems(names), series);
        QCOMPARE(names->currentIndex(), 0);
        // Back to the first line: the same list as at the start.
        lines->setCurrentIndex(0);
        QCOMPARE(comboItems(names), mainstream);

        lines->setCurrentIndex(line);
        clickButton(&picker, "okButton");
        QCOMPARE(picker.result(), int(QDialog::Accepted));
        QCOMPARE(picker.selectedName, series.first());
    }

    void pickerCancelAndClose()
    {
        MCUSelect_Form cancelled;
        QVERIFY(cancelled.windowFlags().testFlag(Qt::CustomizeWindowHint));
        QVERIFY(cancelled.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!cancelled.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!cancelled.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
        QCOMPARE(cancelled.windowTitle(), QString("MCU Select"));
        clickButton(&cancelled, "cancelButton");
        QCOMPARE(cancelled.result(), int(QDialog::Rejected));
        QVERIFY(!cancelled.selectedName.isNull());
        QVERIFY(cancelled.selectedName.isEmpty());

        MCUSelect_Form closed;
        closed.reject();
        QVERIFY(closed.selectedName.isNull());
    }

    void newWithoutDesignPicksFirstSeries()
    {
        newDesignThroughPicker(0, 0);
        QVERIFY(container()->hasSeriesWidget());
        QCOMPARE(container()->currentSeriesIndex(), 20);
        QCOMPARE(caption(), QString("Clock Configuration---KytoR610"));
        QVERIFY(UserDialogs::shownBoxes().isEmpty());
    }

    void newPicksMappedIndex()
    {
        newDesignThroughPicker(6, 1);
        QCOMPARE(container()->currentSeriesIndex(), 26);
        QCOMPARE(caption(), QString("Clock Configuration---KytoD525"));
    }

    void newCancelledOnQuestionChangesNothing()
    {
        newDesignThroughPicker(0, 0);
        KytoMCUPLL *page = container()->currentSeriesWidget();
        UserDialogs::answerNextBox(QMessageBox::Cancel);
        ModalDriver driver([](QWidget *modal) { static_cast<QDialog *>(modal)->reject(); });
        child<QAction>("newAction")->trigger();
        QVERIFY(driver.seen.isEmpty());
        QCOMPARE(container()->currentSeriesWidget(), page);
        QCOMPARE(caption(), QString("Clock Configuration---KytoR610"));
        const auto boxes = UserDialogs::shownBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].icon, QMessageBox::Warning);
        QCOMPARE(boxes[0].title, QString("Warning"));
        QCOMPARE(boxes[0].text, QString("The current configuration will be closed before creating a new project. Please confirm whether to continue?"));
        QCOMPARE(sorted(boxes[0].buttons), (QStringList{"Cancel", "Yes"}));
    }

    void newYesThenPickerCancelKeepsDesignAndShowsClockView()
    {
        newDesignThroughPicker(0, 0);
        KytoMCUPLL *page = container()->currentSeriesWidget();
        child<QPushButton>("codeViewButton")->click();
        QVERIFY(codeViewShown());
        QCOMPARE(standInLog().lastMode, 0);

        UserDialogs::answerNextBox(QMessageBox::Yes);
        ModalDriver driver([](QWidget *modal) { clickButton(modal, "cancelButton"); });
        child<QAction>("newAction")->trigger();
        QCOMPARE(driver.seen, QStringList{"MCUSelect_Form"});
        QCOMPARE(container()->currentSeriesWidget(), page);
        QCOMPARE(caption(), QString("Clock Configuration---KytoR610"));
        QVERIFY(!codeViewShown());
        QVERIFY(!container()->isHidden());
    }

    void codeViewFailureStaysOnClockView()
    {
        newDesignThroughPicker(0, 0);
        standInLog().generateResult = false;
        child<QPushButton>("codeViewButton")->click();
        QCOMPARE(standInLog().generateCalls, 1);
        QVERIFY(!codeViewShown());
        QVERIFY(!container()->isHidden());

        standInLog().generateResult = true;
        child<QPushButton>("codeViewButton")->click();
        QVERIFY(codeViewShown());
        QVERIFY(container()->isHidden());
        child<QPushButton>("clockConfigButton")->click();
        QVERIFY(!codeViewShown());
        QVERIFY(!container()->isHidden());
    }

    void generateAndSaveReachThePage()
    {
        newDesignThroughPicker(0, 0);
        child<QAction>("generateCodeAction")->trigger();
        QCOMPARE(standInLog().lastMode, 1);
        child<QAction>("saveAction")->trigger();
        QCOMPARE(standInLog().saved, QStringList{"KytoR610"});
        QVERIFY(UserDialogs::shownBoxes().isEmpty());
    }

    void noConfigurationBox_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ok");
        for (const char *trigger : {"saveAction", "generateCodeAction", "codeViewButton"}) {
            QTest::newRow(qPrintable(QString("%1, English").arg(trigger)))
                << trigger << 0 << "Warning" << "Currently no configuration." << "Ok";
            QTest::newRow(qPrintable(QString("%1, Chinese").arg(trigger)))
                << trigger << 1 << "警告" << "当前无配置。" << "确定";
        }
    }

    void noConfigurationBox()
    {
        QFETCH(QString, trigger);
        QFETCH(int, language);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QString, ok);
        useLanguage(language);
        if (auto *action = child<QAction>(qPrintable(trigger)))
            action->trigger();
        else
            child<QPushButton>(qPrintable(trigger))->click();
        const auto boxes = UserDialogs::shownBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].icon, QMessageBox::Warning);
        QCOMPARE(boxes[0].title, title);
        QCOMPARE(boxes[0].text, text);
        QCOMPARE(boxes[0].buttons, QStringList{ok});
        QVERIFY(!codeViewShown());
    }

    // One real box, shown the usual Qt way.
    void noConfigurationRealBox()
    {
        UserDialogs::setTestMode(false);
        QString title, text;
        QStringList buttons;
        ModalDriver driver([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            for (QAbstractButton *b : box->buttons())
                buttons << b->text();
            box->button(QMessageBox::Ok)->click();
        });
        child<QAction>("saveAction")->trigger();
        QCOMPARE(driver.seen, QStringList{"QMessageBox"});
        QCOMPARE(title, QString("Warning"));
        QCOMPARE(text, QString("Currently no configuration."));
        QCOMPARE(buttons, QStringList{"Ok"});
    }

    void captionRule_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("series");
        QTest::addColumn<QString>("expected");
        QTest::newRow("English, KytoR650") << 0 << 0 << 4 << "Clock Configuration---KytoR650";
        QTest::newRow("Chinese, KytoR650") << 1 << 0 << 4 << "时钟配置---KytoR650";
        QTest::newRow("Chinese, KytoD525") << 1 << 6 << 1 << "时钟配置---KytoD525";
    }

    void captionRule()
    {
        QFETCH(int, language);
        QFETCH(int, line);
        QFETCH(int, series);
        QFETCH(QString, expected);
        newDesignThroughPicker(line, series);
        if (language == 1)
            child<QAction>("chineseAction")->trigger();
        QCOMPARE(caption(), expected);
    }

    void languageSwitch()
    {
        QAction *english = child<QAction>("englishAction");
        QAction *chinese = child<QAction>("chineseAction");

        chinese->trigger();
        QVERIFY(chinese->isChecked());
        QVERIFY(!english->isChecked());
        QCOMPARE(caption(), QString("时钟配置"));
        QCOMPARE(child<QPushButton>("codeViewButton")->text(), QString("代码预览"));
        QCOMPARE(child<QMenu>("projectMenu")->title(), QString("项目"));
        QCOMPARE(child<QMenu>("helpMenu")->title(), QString("帮助"));
        QCOMPARE(child<QAction>("newVersionDownloadAction")->text(), QString("新版本下载"));
        QCOMPARE(english->text(), QString("英文"));
        // The code view's context menu and Qt's own dialogs follow the switch.
        QCOMPARE(child<QAction>("copyAction")->text(), QString("拷贝"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("取消"));

        // The language already active: it stays, and so does its mark.
        chinese->trigger();
        QVERIFY(chinese->isChecked());
        QVERIFY(!english->isChecked());
        QCOMPARE(child<QMenu>("languageMenu")->title(), QString("语言"));

        english->trigger();
        QVERIFY(english->isChecked());
        QVERIFY(!chinese->isChecked());
        QCOMPARE(caption(), QString("Clock Configuration"));
        QCOMPARE(child<QMenu>("generateCodeMenu")->title(), QString("Generate code"));
        QCOMPARE(child<QAction>("versionAction")->text(), QString("Version"));
        QCOMPARE(child<QAction>("copyAction")->text(), QString("Copy"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Cancel"));

        english->trigger();
        QVERIFY(english->isChecked());
        QVERIFY(!chinese->isChecked());
    }

    // A switch of language leaves the page where it was: the view buttons
    // keep their height and the container its place, in either direction.
    void languageSwitchMovesNothing()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto placeOfPage = [this] {
            window->layout()->activate();
            return QRect(container()->mapTo(window, QPoint(0, 0)), container()->size());
        };
        const QRect english = placeOfPage();
        const int buttonHeight = child<QPushButton>("clockConfigButton")->height();
        child<QAction>("chineseAction")->trigger();
        QCOMPARE(caption(), QString("时钟配置"));
        QCOMPARE(placeOfPage(), english);
        QCOMPARE(child<QPushButton>("clockConfigButton")->height(), buttonHeight);
        QCOMPARE(child<QPushButton>("codeViewButton")->height(), buttonHeight);
        child<QAction>("englishAction")->trigger();
        QCOMPARE(placeOfPage(), english);
    }

    // 1000x800 where the screen has room, never more than its available
    // area: on a smaller screen the bottom of the window and the view's
    // scrollbar stayed out of reach.
    void minimumSizeFitsTheScreen_data()
    {
        QTest::addColumn<QSize>("available");
        QTest::addColumn<QSize>("minimum");
        QTest::newRow("1920x1080 less a panel") << QSize(1920, 1040) << QSize(1000, 800);
        QTest::newRow("1366x768 less a panel") << QSize(1366, 728) << QSize(1000, 728);
        QTest::newRow("1080 lines at scale 1.5") << QSize(1280, 690) << QSize(1000, 690);
        QTest::newRow("smaller both ways") << QSize(800, 600) << QSize(800, 600);
    }
    void minimumSizeFitsTheScreen()
    {
        QFETCH(QSize, available);
        QFETCH(QSize, minimum);
        QCOMPARE(FormConfiguration::minimumSizeWithin(available), minimum);
    }

    void minimumSizeOfTheShownWindow()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QSize available = window->windowHandle()->screen()->availableGeometry().size();
        QVERIFY2(available.width() < 1000 || available.height() < 800, "the test screen is large");
        // The frame takes its share of the area too.
        const QSize frame = window->frameGeometry().size() - window->size();
        QCOMPARE(window->minimumSize(), FormConfiguration::preferredMinimumSize.boundedTo(available - frame));
    }

    // A start-up catalogue that failed to load was never installed: the
    // switch must still work rather than stop at the removal.
    void languageSwitchAfterFailedStartUpLoad()
    {
        QCoreApplication::removeTranslator(&translator);
        QTranslator empty;
        window->setTranslator(&empty, false);
        child<QAction>("chineseAction")->trigger();
        QVERIFY(child<QAction>("chineseAction")->isChecked());
        QVERIFY(!child<QAction>("englishAction")->isChecked());
        QCOMPARE(child<QMenu>("projectMenu")->title(), QString("项目"));
        child<QAction>("englishAction")->trigger();
        QCOMPARE(child<QMenu>("projectMenu")->title(), QString("Project"));
        QCoreApplication::removeTranslator(&empty);
        window->setTranslator(&translator, false);
    }

    void openAcceptedAndRejected()
    {
        QTemporaryDir dir;
        auto design = [&dir](const QString &name, const QString &mcu) {
            QFile file(dir.filePath(name));
            file.open(QIODevice::WriteOnly);
            file.write(QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Configuration>\n"
                               "    <MCU>%1</MCU>\n</Configuration>\n").arg(mcu).toUtf8());
            return file.fileName();
        };
        const QString r650 = design("r650.ZKCF", "KytoR650");
        const QString foreign = design("foreign.ZKCF", "kytor650");

        UserDialogs::answerNextFileDialog(r650);
        child<QAction>("openAction")->trigger();
        QCOMPARE(UserDialogs::fileQuestions().at(0).kind, QString("open"));
        QCOMPARE(UserDialogs::fileQuestions().at(0).caption, QString("Open"));
        QCOMPARE(UserDialogs::fileQuestions().at(0).filter, QString("Config file (*.ZKCF)"));
        QCOMPARE(standInLog().loaded, QStringList{r650});
        QCOMPARE(caption(), QString("Clock Configuration---KytoR650"));
        KytoMCUPLL *page = container()->currentSeriesWidget();

        // Open with the code view showing keeps it showing, with the preview
        // made anew for the opened design.
        child<QPushButton>("codeViewButton")->click();
        QVERIFY(codeViewShown());
        const int previews = standInLog().generateCalls;
        UserDialogs::answerNextBox(QMessageBox::Yes);
        UserDialogs::answerNextFileDialog(r650);
        child<QAction>("openAction")->trigger();
        QCOMPARE(standInLog().generateCalls, previews + 1);
        QCOMPARE(standInLog().lastMode, 0);
        QVERIFY(codeViewShown());
        page = container()->currentSeriesWidget();

        // A rejected file keeps the open design, its name and its caption.
        UserDialogs::answerNextBox(QMessageBox::Yes);
        UserDialogs::answerNextFileDialog(foreign);
        child<QAction>("openAction")->trigger();
        QCOMPARE(UserDialogs::shownBoxes().last().text, QString("MCU in file not supported."));
        QCOMPARE(container()->currentSeriesWidget(), page);
        QCOMPARE(standInLog().generateCalls, previews + 1);
        QCOMPARE(caption(), QString("Clock Configuration---KytoR650"));
        QVERIFY(codeViewShown());
        child<QAction>("chineseAction")->trigger();
        QCOMPARE(caption(), QString("时钟配置---KytoR650"));

        // Cancel on the question asks for no file.
        const int asked = UserDialogs::fileQuestions().size();
        UserDialogs::answerNextBox(QMessageBox::Cancel);
        child<QAction>("openAction")->trigger();
        QCOMPARE(UserDialogs::fileQuestions().size(), asked);
        QCOMPARE(UserDialogs::shownBoxes().last().text, QString("将关闭当前配置，是否继续？"));
    }

    void closeQuestion()
    {
        window->show();
        QVERIFY(window->close());
        QVERIFY(UserDialogs::shownBoxes().isEmpty());

        window->show();
        newDesignThroughPicker(0, 0);
        UserDialogs::answerNextBox(QMessageBox::Cancel);
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        const auto boxes = UserDialogs::shownBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].icon, QMessageBox::Question);
        QCOMPARE(boxes[0].title, QString("Warning"));
        QCOMPARE(boxes[0].text, QString("The current configuration will be closed. Please confirm whether to continue?"));
        QCOMPARE(sorted(boxes[0].buttons), (QStringList{"Cancel", "Yes"}));

        UserDialogs::answerNextBox(QMessageBox::Yes);
        QVERIFY(window->close());
        QVERIFY(!window->isVisible());
    }

    void aboutBox()
    {
        QString title;
        QStringList lines;
        bool logo = false;
        ModalDriver driver([&](QWidget *modal) {
            title = modal->windowTitle();
            for (int row = 0; row < 4; ++row)
                lines << modal->findChild<QLabel *>(QString("aboutLine%1").arg(row))->text();
            const QPixmap pixmap = modal->findChild<QLabel *>("logoLabel")->pixmap(Qt::ReturnByValue);
            logo = !pixmap.isNull() && pixmap.width() <= 150 && pixmap.height() <= 150;
            static_cast<QDialog *>(modal)->reject();
        });
        child<QAction>("chineseAction")->trigger();
        child<QAction>("versionAction")->trigger();
        QCOMPARE(driver.seen, QStringList{"VersionAbout"});
        QCOMPARE(title, QString("关于"));
        QCOMPARE(lines.mid(0, 2), (QStringList{"Kyto Tessaly", "V3.0.16"}));
        QVERIFY(logo);
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
