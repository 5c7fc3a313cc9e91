// What the screen really shows after an edit on a page. The window is read
// back from an X server of the test's own (QScreen::grabWindow reads what
// the server holds), once as the page left it and once after a forced full
// repaint; the two must be the same, or the page left something stale on
// the screen until some later click.
#include "CustomComboBox1.h"
#include "KytoMCUPLL.h"
#include "ScratchDisplay.h"
#include "SeriesPages.h"
#include "UserDialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

QImage grab(QWidget *window)
{
    return window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// What the X server holds for the window once it has settled: a stale
// screen settles too, only on the wrong picture. On a busy machine the
// paint may take a while, so this waits for two equal grabs in a row.
QImage onScreen(QWidget *window)
{
    QTest::qWait(300);
    QImage last = grab(window);
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 3000) {
        QTest::qWait(150);
        const QImage now = grab(window);
        if (now == last)
            break;
        last = now;
    }
    return last;
}

// What the window shows once everything on it is painted anew.
QImage afterFullRepaint(QWidget *window)
{
    const QSize size = window->size();
    window->resize(size + QSize(1, 0));
    QTest::qWait(200);
    window->resize(size);
    return onScreen(window);
}

// How many pixels differ, and where.
int differingPixels(const QImage &a, const QImage &b, QRect *where = nullptr)
{
    if (a.size() != b.size())
        return a.width() * a.height();
    int count = 0;
    QRect area;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb *lineA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const QRgb *lineB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (lineA[x] != lineB[x]) {
                ++count;
                area |= QRect(x, y, 1, 1);
            }
        }
    }
    if (where)
        *where = area;
    return count;
}

// An enabled, shown combo of the page with more than one choice.
CustomComboBox1 *someCombo(QWidget *page)
{
    for (CustomComboBox1 *combo : page->findChildren<CustomComboBox1 *>()) {
        if (combo->isEnabled() && combo->isVisibleTo(page) && combo->count() > 1)
            return combo;
    }
    return nullptr;
}

} // namespace

class TestScreenRepaint : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QApplication::setCursorFlashTime(0); // a blinking caret differs between two grabs
        UserDialogs::setTestMode(true);
        UserDialogs::reset();
    }
    void cleanup() { UserDialogs::setTestMode(true); }

    void everyEditShowsAtOnce_data()
    {
        QTest::addColumn<QString>("className");
        QTest::newRow("multiplier") << QStringLiteral("KytoR620PLL");
        QTest::newRow("dual-mode") << QStringLiteral("KytoR720PLL");
        QTest::newRow("flexible") << QStringLiteral("KytoR610PLL");
        QTest::newRow("high-performance R8x0") << QStringLiteral("KytoR810PLL");
        QTest::newRow("high-performance R9x0") << QStringLiteral("KytoR910PLL");
    }

    void everyEditShowsAtOnce()
    {
        QFETCH(QString, className);
        std::unique_ptr<KytoMCUPLL> page(SeriesPages::createPage(className));
        QVERIFY(page);
        page->resize(1200, 800);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
        QImage previous = afterFullRepaint(page.get());

        QLineEdit *hext = SeriesPages::edit(page.get(), QStringLiteral("hext"));
        QLineEdit *sclk = SeriesPages::edit(page.get(), QStringLiteral("sclk"));
        CustomComboBox1 *combo = someCombo(page.get());
        QVERIFY(hext && sclk && combo);
        QVERIFY2(hext->isEnabled(), "HEXT must take typing on a new page");

        bool boxShown = false;
        const std::vector<std::pair<const char *, std::function<void()>>> steps = {
            {"HEXT typed without Return", [&] {
                 hext->setFocus();
                 hext->selectAll();
                 QTest::keyClicks(hext, QStringLiteral("12"));
             }},
            {"SCLK typed with Return", [&] {
                 sclk->setFocus();
                 sclk->selectAll();
                 QTest::keyClicks(sclk, QStringLiteral("48"));
                 QTest::keyClick(sclk, Qt::Key_Return);
             }},
            {"combo changed", [&] { combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count()); }},
            {"message box closed", [&] {
                 // A real box over the page, closed the way a user would.
                 UserDialogs::setTestMode(false);
                 auto *closer = new QTimer(page.get());
                 closer->setInterval(100);
                 QObject::connect(closer, &QTimer::timeout, [&boxShown, closer] {
                     if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                         boxShown = true;
                         closer->stop();
                         QTest::qWait(200);
                         box->buttons().first()->click();
                     }
                 });
                 closer->start();
                 sclk->setFocus();
                 sclk->selectAll();
                 QTest::keyClicks(sclk, QStringLiteral("99999"));
                 QTest::keyClick(sclk, Qt::Key_Return);
                 closer->stop();
                 UserDialogs::setTestMode(true);
             }},
        };

        for (const auto &step : steps) {
            step.second();
            const QImage seen = onScreen(page.get());
            const QImage truth = afterFullRepaint(page.get());
            QRect where;
            const int stale = differingPixels(seen, truth, &where);
            if (stale) {
                const QString stem = QDir::temp().filePath(QStringLiteral("screenrepaint_%1_%2_")
                                                               .arg(className, QString::fromLatin1(step.first).replace(' ', '_')));
                seen.save(stem + QStringLiteral("seen.png"));
                truth.save(stem + QStringLiteral("repainted.png"));
                std::fprintf(stderr, "pictures: %sseen.png, %srepainted.png\n", qPrintable(stem), qPrintable(stem));
            }
            QVERIFY2(stale == 0, qPrintable(QStringLiteral("%1: %2 pixels stale until a repaint, within %3,%4 %5x%6")
                                                .arg(QLatin1String(step.first)).arg(stale)
                                                .arg(where.x()).arg(where.y()).arg(where.width()).arg(where.height())));
            // Each step must show something new, or it proved nothing.
            QVERIFY2(differingPixels(previous, truth) > 0,
                     qPrintable(QStringLiteral("%1: nothing changed on the page").arg(QLatin1String(step.first))));
            previous = truth;
        }
        QVERIFY2(boxShown, "the invalid SCLK must have shown a box");
    }
};

int main(int argc, char *argv[])
{
    ScratchDisplay display;
    if (!display.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(display.errorString()));
        return 1;
    }
    QApplication app(argc, argv);
    SeriesPages::silenceOffscreenSizeHints();
    TestScreenRepaint test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screenrepaint.moc"
