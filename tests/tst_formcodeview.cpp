// The code view: which files fill which tab, the tab labels, the kept scroll
// position, and the editor's read-only text and context menu.
#include "FormCodeView.h"
#include "MyQsciScintilla.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

double luminance(QRgb rgb)
{
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

// Contrast of a label's text against its background as it paints: the
// background is the corner pixel, the text the pixel that differs most.
double contrastOf(QLabel *label)
{
    const QImage image = label->grab().toImage();
    const double background = luminance(image.pixel(0, 0));
    double text = background;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double l = luminance(image.pixel(x, y));
            if (qAbs(l - background) > qAbs(text - background))
                text = l;
        }
    }
    return (qMax(text, background) + 0.05) / (qMin(text, background) + 0.05);
}

// A small C file with fold points; `lines` pads it to scroll.
QString cSource(const QString &tag, int lines = 0)
{
    QString text = QString("/* %1 */\r\nint main(void)\r\n{\r\n    while (1)\r\n    {\r\n    }\r\n}\r\n").arg(tag);
    for (int i = 0; i < lines; ++i)
        text += QString("static int pad%1(void)\r\n{\r\n    return %1;\r\n}\r\n").arg(i);
    return text;
}

void writeFile(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

// The four generated files of a stem, each naming itself in its first line.
void writeGenerated(const QString &dir, const QString &stem, int lines = 0)
{
    writeFile(dir + "/src/main.c", cSource("main.c", lines));
    writeFile(dir + "/src/" + stem + "_clock.c", cSource(stem + "_clock.c", lines));
    writeFile(dir + "/inc/" + stem + "_conf.h", cSource(stem + "_conf.h", lines));
    writeFile(dir + "/inc/" + stem + "_clock.h", cSource(stem + "_clock.h", lines));
}

MyQsciScintilla *editor(FormCodeView &view, int tab)
{
    return view.findChild<MyQsciScintilla *>(QString("codeEditor%1").arg(tab));
}

QString label(FormCodeView &view, int tab)
{
    return view.findChild<QLabel *>(QString("tabLabel%1").arg(tab))->text();
}

bool lineVisible(MyQsciScintilla *e, int line)
{
    return e->SendScintilla(QsciScintilla::SCI_GETLINEVISIBLE, line) != 0;
}

} // namespace

class TestFormCodeView : public QObject
{
    Q_OBJECT
private slots:
    void templateStem_data()
    {
        QTest::addColumn<QString>("series");
        QTest::addColumn<QString>("stem");
        QTest::newRow("R920 shares kytor9x0") << "KytoR920" << "kytor9x0";
        QTest::newRow("R910") << "KytoR910" << "kytor9x0";
        QTest::newRow("R650 in lower case") << "kytor650" << "kytor620a_650";
        QTest::newRow("R620A") << "KytoR620A" << "kytor620a_650";
        QTest::newRow("R820") << "KytoR820" << "kytor810_820";
        QTest::newRow("R640") << "KytoR640" << "kytor610_640";
        QTest::newRow("D525 in upper case") << "KYTOD525" << "kytod515_525";
        QTest::newRow("R620 own stem") << "KytoR620" << "kytor620";
        QTest::newRow("H620A own stem") << "KytoH620A" << "kytoh620a";
        QTest::newRow("R960 own stem") << "KytoR960" << "kytor960";
    }
    void templateStem()
    {
        QFETCH(QString, series);
        QFETCH(QString, stem);
        QCOMPARE(FormCodeView::templateStem(series), stem);
    }

    void showCodeFillsTheFourTabs_data()
    {
        QTest::addColumn<QString>("series");
        QTest::addColumn<QString>("stem");
        QTest::newRow("KytoR920") << "KytoR920" << "kytor9x0";
        QTest::newRow("lower-case R650") << "kytor650" << "kytor620a_650";
        QTest::newRow("KytoR620") << "KytoR620" << "kytor620";
    }
    void showCodeFillsTheFourTabs()
    {
        QFETCH(QString, series);
        QFETCH(QString, stem);
        QTemporaryDir dir;
        writeGenerated(dir.path(), stem);
        writeGenerated(dir.path(), "decoy");   // other stems beside it are not read
        FormCodeView view;
        view.ShowCode(series, dir.path());
        const QStringList expected = {"main.c", stem + "_clock.c", stem + "_conf.h", stem + "_clock.h"};
        for (int tab = 0; tab < 4; ++tab) {
            QCOMPARE(label(view, tab), expected[tab]);
            // Read in text mode: the CR LF of the generated files become LF.
            QCOMPARE(editor(view, tab)->text(), cSource(expected[tab]).replace("\r\n", "\n"));
        }
        QCOMPARE(view.findChild<QTabWidget *>("codeTabWidget")->tabPosition(), QTabWidget::West);
    }

    void missingFileKeepsItsTabAndShiftsNoLabel()
    {
        QTemporaryDir dir;
        writeGenerated(dir.path(), "kytor620");
        FormCodeView view;
        view.ShowCode("KytoR620", dir.path());

        writeGenerated(dir.path(), "kytor9x0");
        QVERIFY(QFile::remove(dir.path() + "/src/kytor9x0_clock.c"));
        view.ShowCode("KytoR920", dir.path());
        QCOMPARE(label(view, 0), QString("main.c"));
        QCOMPARE(label(view, 1), QString("kytor620_clock.c"));   // unreadable: left as it was
        QCOMPARE(editor(view, 1)->text(), cSource("kytor620_clock.c").replace("\r\n", "\n"));
        QCOMPARE(label(view, 2), QString("kytor9x0_conf.h"));
        QCOMPARE(label(view, 3), QString("kytor9x0_clock.h"));
        QCOMPARE(editor(view, 3)->text(), cSource("kytor9x0_clock.h").replace("\r\n", "\n"));
    }

    void reloadKeepsTheScrollPosition()
    {
        QTemporaryDir dir;
        writeGenerated(dir.path(), "kytor620", 200);
        FormCodeView view;
        view.resize(900, 600);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.ShowCode("KytoR620", dir.path());
        QScrollBar *bar = editor(view, 0)->verticalScrollBar();
        QVERIFY(bar->maximum() > 300);
        bar->setValue(300);
        QCOMPARE(editor(view, 0)->firstVisibleLine(), 300);
        view.ShowCode("KytoR620", dir.path());
        QCOMPARE(bar->value(), 300);
        QCOMPARE(editor(view, 0)->firstVisibleLine(), 300);
    }

    void tabLabelsFollowTheSelectedTab()
    {
        FormCodeView view;
        view.TabWidgetTabBarClicked(2);
        for (int tab = 0; tab < 4; ++tab) {
            const QString sheet = view.findChild<QLabel *>(QString("tabLabel%1").arg(tab))->styleSheet();
            QCOMPARE(sheet, tab == 2 ? QString("background:rgb(123, 199, 233); color:rgb(0, 32, 82); border: 0px;")
                                     : QString("background:rgb(57, 169, 220); color:white; border: 0px;"));
        }
        view.TabWidgetTabBarClicked(-1);   // a click beside the tabs changes nothing
        QVERIFY(view.findChild<QLabel *>("tabLabel2")->styleSheet().startsWith("background:rgb(123, 199, 233)"));
        QTemporaryDir dir;
        writeGenerated(dir.path(), "kytor620");
        view.ShowCode("KytoR620", dir.path());
        QVERIFY(view.findChild<QLabel *>("tabLabel2")->styleSheet().startsWith("background:rgb(123, 199, 233)"));
        QVERIFY(!view.sizeHint().isValid());
    }

    // The selected tab's name reads at least as well as its neighbours':
    // the contrast of text and background as painted, by the usual
    // relative-luminance ratio.
    void selectedTabReadsAsWellAsTheOthers()
    {
        QTemporaryDir dir;
        writeGenerated(dir.path(), "kytor620");
        FormCodeView view;
        view.ShowCode("KytoR620", dir.path());
        view.TabWidgetTabBarClicked(1);
        const double selected = contrastOf(view.findChild<QLabel *>("tabLabel1"));
        for (int tab : {0, 2, 3}) {
            const double other = contrastOf(view.findChild<QLabel *>(QString("tabLabel%1").arg(tab)));
            QVERIFY2(selected >= other, qPrintable(QString("selected %1, tab %2 %3").arg(selected).arg(tab).arg(other)));
        }
    }

    void contextMenu()
    {
        MyQsciScintilla editor;
        QMenu *menu = editor.preparedContextMenu();
        QStringList entries;
        for (QAction *action : menu->actions())
            entries << (action->isSeparator() ? QString("-") : action->objectName());
        QCOMPARE(entries, QStringList({"foldAllAction", "expandAllAction", "-", "copyAction", "selectAllAction"}));
        QVERIFY(!editor.findChild<QAction *>("selectAllAction")->isEnabled());
        QVERIFY(editor.findChild<QAction *>("copyAction")->isEnabled());
        QVERIFY(editor.findChild<QAction *>("foldAllAction")->isEnabled());

        editor.setText("int x;");
        editor.preparedContextMenu();
        QVERIFY(editor.findChild<QAction *>("selectAllAction")->isEnabled());
        QCOMPARE(editor.preparedContextMenu()->actions().size(), 5);   // built afresh, not appended
    }

    void foldAllFoldsOnce()
    {
        QTemporaryDir dir;
        writeGenerated(dir.path(), "kytor620", 3);
        FormCodeView view;
        view.ShowCode("KytoR620", dir.path());
        MyQsciScintilla *e = editor(view, 0);
        const int inside = 3;   // a line within main's braces
        QVERIFY(lineVisible(e, inside));

        e->findChild<QAction *>("foldAllAction")->trigger();
        QVERIFY(!lineVisible(e, inside));
        e->findChild<QAction *>("foldAllAction")->trigger();   // a second Fold All must not unfold
        QVERIFY(!lineVisible(e, inside));
        QVERIFY(e->isFolded());

        e->findChild<QAction *>("expandAllAction")->trigger();
        QVERIFY(lineVisible(e, inside));
        QVERIFY(!e->isFolded());
        e->FoldAll();
        QVERIFY(!lineVisible(e, inside));
    }

    void editorsAreReadOnlyButCopy()
    {
        QTemporaryDir dir;
        writeGenerated(dir.path(), "kytor620");
        FormCodeView view;
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.ShowCode("KytoR620", dir.path());
        for (int tab = 0; tab < 4; ++tab) {
            MyQsciScintilla *e = editor(view, tab);
            QVERIFY(e->isReadOnly());
            const QString before = e->text();
            e->setCursorPosition(0, 0);
            QTest::keyClicks(e, "xyz");
            QTest::keyClick(e, Qt::Key_Delete);
            QCOMPARE(e->text(), before);
        }
        MyQsciScintilla *e = editor(view, 2);
        QApplication::clipboard()->clear();
        e->findChild<QAction *>("selectAllAction")->trigger();
        QVERIFY(e->hasSelectedText());
        e->findChild<QAction *>("copyAction")->trigger();
        QCOMPARE(QApplication::clipboard()->text(), e->text());
    }
};

QTEST_MAIN(TestFormCodeView)
#include "tst_formcodeview.moc"
