// Every registered series page on its scene: it draws exactly what its
// controls would draw as plain widgets over the drawing, it costs no
// platform window per control, and mouse and keyboard reach the controls
// as on one window.
#include "CustomComboBox1.h"
#include "KytoMCUPLL.h"
#include "KytoPLLConfig.h"
#include "SeriesPages.h"
#include "PinGraphicsView.h"
#include "UserDialogs.h"
#include "tst_model_clocktreemodel_fields.h"

#include <QAbstractItemView>
#include <QDialog>
#include <QGraphicsPixmapItem>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

namespace {

// The series indices that have a page, found the way New finds them.
QVector<int> registeredPages()
{
    QVector<int> pages;
    KytoPLLConfig config;
    for (int index = 0; index <= 40; ++index) {
        if (KytoPLLConfig::seriesName(index).isEmpty())
            continue;
        config.selectMcu(index);
        if (config.hasSeriesWidget())
            pages << index;
    }
    return pages;
}

QGraphicsPixmapItem *drawingOf(KytoMCUPLL *page)
{
    for (QGraphicsItem *item : page->scene->items()) {
        if (auto *pixmap = qgraphicsitem_cast<QGraphicsPixmapItem *>(item))
            return pixmap;
    }
    return nullptr;
}

// What the page shows, through the scene and its proxies.
QImage sceneRendering(KytoMCUPLL *page, const QRect &area)
{
    QImage image(area.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    page->scene->render(&painter, QRectF(QPointF(0, 0), area.size()), area);
    return image;
}

// The same picture made without the graphics view: the drawing, then each
// visible control frame painted as a plain widget at its place, bottom to
// top, with nothing of a window's background.
QImage plainRendering(KytoMCUPLL *page, const QRect &area)
{
    QImage image(area.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawPixmap(0, 0, drawingOf(page)->pixmap());
    for (QGraphicsItem *item : page->scene->items(Qt::AscendingOrder)) {
        auto *proxy = qgraphicsitem_cast<QGraphicsProxyWidget *>(item);
        if (!proxy || !proxy->isVisible() || !proxy->widget() || proxy->zValue() < 0)
            continue;
        proxy->widget()->render(&painter, proxy->scenePos().toPoint(), QRegion(), QWidget::DrawChildren);
    }
    return image;
}

int differingPixels(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb *pa = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const QRgb *pb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            count += pa[x] != pb[x];
    }
    return count;
}

QVector<QPushButton *> listButtons(KytoMCUPLL *page)
{
    QVector<QPushButton *> buttons;
    for (QPushButton *button : page->findChildren<QPushButton *>()) {
        if (button->objectName().endsWith(QLatin1String("_List_Button")))
            buttons << button;
    }
    return buttons;
}

// The line edits and combos a user can reach, in the order the page made
// them.
QVector<QWidget *> focusableControls(KytoMCUPLL *page)
{
    QVector<QWidget *> controls;
    for (QDialog *holder : page->findChildren<QDialog *>()) {
        for (QWidget *w : holder->findChildren<QWidget *>()) {
            if ((qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w)) && w->isEnabled()
                && w->isVisibleTo(holder) && w->focusPolicy() & Qt::TabFocus)
                controls << w;
        }
    }
    return controls;
}

QPoint viewPointOf(KytoMCUPLL *page, QWidget *control)
{
    const QPointF scenePoint = control->parentWidget()->graphicsProxyWidget()->scenePos()
                               + control->mapTo(control->parentWidget(), control->rect().center());
    return page->view->mapFromScene(scenePoint);
}

uint imageDigest(const QImage &image)
{
    return image.isNull() ? 0 : qHashBits(image.constBits(), size_t(image.sizeInBytes()));
}

// Everything of a page that a user can see or that reaches the generated
// code: each control's state and look, its frame's place, and the model.
QStringList visibleState(KytoMCUPLL *page)
{
    QStringList lines;
    for (QDialog *holder : page->findChildren<QDialog *>()) {
        const QGraphicsProxyWidget *proxy = holder->graphicsProxyWidget();
        lines << QStringLiteral("holder %1 at %2,%3 z %4 %5")
                     .arg(holder->objectName())
                     .arg(proxy->pos().x()).arg(proxy->pos().y()).arg(proxy->zValue())
                     .arg(holder->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"));
        for (QWidget *w : holder->findChildren<QWidget *>()) {
            QString line = QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8")
                               .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName())
                               .arg(w->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"))
                               .arg(w->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"))
                               .arg(w->font().toString(), w->styleSheet())
                               .arg(w->palette().color(QPalette::WindowText).name())
                               .arg(w->palette().color(QPalette::Text).name());
            if (auto *edit = qobject_cast<QLineEdit *>(w))
                line += QStringLiteral(" text '%1'").arg(edit->text());
            else if (auto *label = qobject_cast<QLabel *>(w))
                line += QStringLiteral(" text '%1'").arg(label->text());
            else if (auto *combo = qobject_cast<QComboBox *>(w))
                line += QStringLiteral(" item %1 '%2' of %3").arg(combo->currentIndex()).arg(combo->currentText()).arg(combo->count());
            else if (auto *button = qobject_cast<QAbstractButton *>(w))
                line += QStringLiteral(" '%1' %2 icon %3").arg(button->text())
                            .arg(button->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked"))
                            .arg(imageDigest(button->icon().pixmap(16, 16).toImage()));
            lines << line;
        }
    }
    return lines + ModelFields::dump(*page->model);
}

} // namespace

class TestPageScene : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SeriesPages::silenceOffscreenSizeHints();
        UserDialogs::setTestMode(true);
        QVERIFY2(!registeredPages().isEmpty(), "no series page is registered");
    }

    void rendersLikePlainWidgets_data()
    {
        QTest::addColumn<int>("index");
        for (int index : registeredPages())
            QTest::newRow(qPrintable(KytoPLLConfig::seriesName(index))) << index;
    }
    void rendersLikePlainWidgets()
    {
        QFETCH(int, index);
        KytoPLLConfig config;
        config.resize(1500, 950);
        config.selectMcu(index);
        config.show();
        QVERIFY(QTest::qWaitForWindowExposed(&config));
        KytoMCUPLL *page = config.currentSeriesWidget();
        const QRect area = drawingOf(page)->boundingRect().toAlignedRect();
        QVERIFY(!area.isEmpty());

        // The page as built, then with each pop-out list open in turn; the
        // drawing stays where it is whatever pops out.
        const QRectF sceneRect = page->scene->sceneRect();
        const QPoint drawingOnScreen = page->view->mapFromScene(QPointF(0, 0));
        QStringList states{QStringLiteral("as built")};
        const QVector<QPushButton *> buttons = listButtons(page);
        for (int i = 0; i <= buttons.size(); ++i) {
            if (i > 0) {
                buttons[i - 1]->click();
                states << buttons[i - 1]->objectName();
            }
            QCOMPARE(page->scene->sceneRect(), sceneRect);
            QCOMPARE(page->view->mapFromScene(QPointF(0, 0)), drawingOnScreen);
            const QImage seen = sceneRendering(page, area);
            const QImage plain = plainRendering(page, area);
            const int differing = differingPixels(seen, plain);
            if (differing) {
                const QString stem = QDir::temp().filePath(QStringLiteral("pagescene_%1_%2").arg(index).arg(i));
                seen.save(stem + QStringLiteral("_scene.png"));
                plain.save(stem + QStringLiteral("_plain.png"));
            }
            QVERIFY2(differing == 0, qPrintable(QStringLiteral("%1 pixels differ (%2)").arg(differing).arg(states.last())));
        }
        if (!buttons.isEmpty())
            buttons.last()->click();
        // The lowest combo's drop-down reaches furthest past the controls.
        CustomComboBox1 *lowest = nullptr;
        for (CustomComboBox1 *combo : page->findChildren<CustomComboBox1 *>()) {
            if (!lowest || combo->parentWidget()->pos().y() > lowest->parentWidget()->pos().y())
                lowest = combo;
        }
        QVERIFY(lowest);
        lowest->showPopup();
        QTRY_VERIFY(lowest->view()->isVisible());
        QCOMPARE(page->scene->sceneRect(), sceneRect);
        lowest->hidePopup();
        QCOMPARE(page->scene->sceneRect(), sceneRect);
        QCOMPARE(page->view->mapFromScene(QPointF(0, 0)), drawingOnScreen);
    }

    // The CRM_PLLCFG word lies on the PLL frame: beside its digits the
    // frame's fill shows through, as beside the caption, not a white box.
    void pllCfgWordShowsTheFrameBehindIt_data() { rendersLikePlainWidgets_data(); }
    void pllCfgWordShowsTheFrameBehindIt()
    {
        QFETCH(int, index);
        KytoPLLConfig config;
        config.resize(1500, 950);
        config.selectMcu(index);
        config.show();
        QVERIFY(QTest::qWaitForWindowExposed(&config));
        KytoMCUPLL *page = config.currentSeriesWidget();
        // A dual-mode page shows the word in its flexible mode.
        if (auto *mode = page->findChild<QComboBox *>(QStringLiteral("pllmode_ComboBox")))
            mode->setCurrentIndex(1);
        QVERIFY2(SeriesPages::boxTexts().isEmpty(), qPrintable(SeriesPages::boxTexts().join('|')));
        auto *word = page->findChild<QLineEdit *>(QStringLiteral("pllcfg_ReadOut"));
        if (!word || !word->isVisibleTo(page))
            QSKIP("no CRM_PLLCFG word on the new page");
        const QRect box = word->parentWidget()->graphicsProxyWidget()->mapRectToScene(
                              QRectF(word->mapTo(word->parentWidget(), QPoint(0, 0)), word->size())).toAlignedRect();
        // The column just inside the box's right edge, clear of the digits.
        const QRect column(box.right() - 2, box.top() + 1, 1, box.height() - 2);
        const QImage seen = sceneRendering(page, column);
        const QImage drawing = drawingOf(page)->pixmap().toImage().copy(column).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(differingPixels(seen, drawing), 0);
    }

    // New builds a page once: its constructor resets it to the series
    // defaults, and a second reset would change nothing a user sees.
    void newPageNeedsNoSecondReset_data() { rendersLikePlainWidgets_data(); }
    void newPageNeedsNoSecondReset()
    {
        QFETCH(int, index);
        KytoPLLConfig config;
        config.resize(1500, 950);
        config.selectMcu(index);
        config.show();
        QVERIFY(QTest::qWaitForWindowExposed(&config));
        KytoMCUPLL *page = config.currentSeriesWidget();
        const QRect area = drawingOf(page)->boundingRect().toAlignedRect();
        const QStringList built = visibleState(page);
        const QImage builtPicture = sceneRendering(page, area);

        UserDialogs::reset();
        UserDialogs::answerNextBox(QMessageBox::Yes);
        config.ConfigReset();
        QCOMPARE(config.currentSeriesWidget(), page);
        QCOMPARE(visibleState(page), built);
        QCOMPARE(differingPixels(sceneRendering(page, area), builtPicture), 0);
    }

    void noPlatformWindowPerControl()
    {
        KytoPLLConfig config;
        config.resize(1500, 950);
        config.show();
        QVERIFY(QTest::qWaitForWindowExposed(&config));
        const int before = QGuiApplication::allWindows().size();
        for (int index : registeredPages()) {
            config.selectMcu(index);
            QTest::qWait(1);
            KytoMCUPLL *page = config.currentSeriesWidget();
            const QList<QDialog *> holders = page->findChildren<QDialog *>();
            QVERIFY(holders.size() > 20);
            for (QDialog *holder : holders)
                QVERIFY(!holder->isWindow());
            // The page's one control layer, whatever the number of controls.
            QVERIFY2(QGuiApplication::allWindows().size() <= before + 1,
                     qPrintable(QStringLiteral("%1 windows").arg(QGuiApplication::allWindows().size() - before)));
        }
    }

    void mouseAndKeyboardReachTheControls_data() { rendersLikePlainWidgets_data(); }
    void mouseAndKeyboardReachTheControls()
    {
        QFETCH(int, index);
        KytoPLLConfig config;
        config.resize(1500, 950);
        config.selectMcu(index);
        config.show();
        config.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&config));
        KytoMCUPLL *page = config.currentSeriesWidget();
        QWidget *viewport = page->view->viewport();

        QLineEdit *edit = nullptr;
        CustomComboBox1 *combo = nullptr;
        for (QWidget *w : focusableControls(page)) {
            if (!edit && qobject_cast<QLineEdit *>(w) && !static_cast<QLineEdit *>(w)->isReadOnly())
                edit = static_cast<QLineEdit *>(w);
            if (!combo)
                combo = qobject_cast<CustomComboBox1 *>(w);
        }
        QVERIFY(edit && combo);

        // A click gives a control the focus; typing reaches it.
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, viewPointOf(page, edit));
        QTRY_VERIFY(edit->hasFocus());
        edit->selectAll();
        QTest::keyClicks(page->view, QStringLiteral("12"));
        QCOMPARE(edit->text(), QStringLiteral("12"));

        // A click on another control moves the focus (to the combo's list,
        // which it opens, and back to the combo when the list closes); the
        // combo shows its active look until it loses the focus again.
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, viewPointOf(page, combo));
        QVERIFY(!edit->hasFocus());
        QWidget *popup = combo->view()->window();
        if (popup->isVisible()) {
            QTest::keyClick(combo->view(), Qt::Key_Escape);
            QTRY_VERIFY(!popup->isVisible());
        }
        QTRY_VERIFY(combo->hasFocus());
        QCOMPARE(combo->styleSheet(), CustomComboBox1::activeStyleSheet());
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, viewPointOf(page, edit));
        QTRY_VERIFY(edit->hasFocus());
        QCOMPARE(combo->styleSheet(), CustomComboBox1::normalStyleSheet());

        // Escape leaves every control in place.
        QTest::keyClick(page->view, Qt::Key_Escape);
        QVERIFY(edit->isVisible());

        // Tab walks the controls in the order the page made them.
        QVector<QWidget *> made;
        for (QDialog *holder : page->findChildren<QDialog *>())
            made << holder->findChildren<QWidget *>().toVector();
        auto focused = [&] {
            for (int i = 0; i < made.size(); ++i) {
                if (made[i]->hasFocus())
                    return i;
            }
            return -1;
        };
        QStringList walked;
        int last = focused();
        QVERIFY(last >= 0);
        for (int step = 0; step < 6; ++step) {
            QTest::keyClick(page->view, Qt::Key_Tab);
            const int now = focused();
            walked << (now >= 0 ? made[now]->objectName() : QStringLiteral("?"));
            QVERIFY2(now > last, qPrintable(walked.join(QLatin1Char(' '))));
            last = now;
        }

        // A press on the bare drawing closes an open pop-out list.
        const QVector<QPushButton *> buttons = listButtons(page);
        if (!buttons.isEmpty()) {
            QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, viewPointOf(page, buttons.first()));
            const QList<QDialog *> holders = page->findChildren<QDialog *>();
            auto openLists = [&] {
                return std::count_if(holders.begin(), holders.end(), [](QDialog *h) {
                    return h->findChild<QGroupBox *>() && h->isVisible();
                });
            };
            QCOMPARE(int(openLists()), 1);
            QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, page->view->mapFromScene(QPointF(3, 3)));
            QCOMPARE(int(openLists()), 0);
        }
    }
};

QTEST_MAIN(TestPageScene)
#include "tst_pagescene.moc"
