// What every registered series page owes the container and the user, run
// over the series registry: a page registered there is covered here without
// a line of its own.
#include "SeriesPages.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "FormCodeView.h"
#include "KytoMCUPLL.h"
#include "KytoPLLConfig.h"
#include "UserDialogs.h"
#include "tst_model_clocktreemodel_fields.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsPixmapItem>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <memory>

using SeriesPages::boxTexts;

namespace {

// Every control by object name. A greyed read-out
// may keep the text it last showed (a new page shows its initial value, a
// reset one the value its switched-off clock gave), so only its state counts.
QStringList stateDump(KytoMCUPLL *page)
{
    QStringList lines;
    for (QComboBox *c : page->findChildren<QComboBox *>())
        lines << QStringLiteral("%1 index %2 enabled %3").arg(c->objectName()).arg(c->currentIndex()).arg(c->isEnabled());
    for (QRadioButton *r : page->findChildren<QRadioButton *>())
        lines << QStringLiteral("%1 checked %2 enabled %3").arg(r->objectName()).arg(r->isChecked()).arg(r->isEnabled());
    for (QLineEdit *e : page->findChildren<QLineEdit *>()) {
        if (e->objectName().isEmpty())
            continue;
        const bool greyedReadout = e->isReadOnly() && !e->isEnabled();
        lines << QStringLiteral("%1 '%2' enabled %3").arg(e->objectName(), greyedReadout ? QString() : e->text()).arg(e->isEnabled());
    }
    for (QLabel *l : page->findChildren<QLabel *>()) {
        if (!l->objectName().isEmpty())
            lines << QStringLiteral("%1 '%2' hidden %3").arg(l->objectName(), l->text()).arg(l->isHidden());
    }
    return lines;
}

QStringList modelDump(const ClockTreeModel &m)
{
    QStringList lines;
    for (const auto &field : ModelFields::fieldList()) {
        if (field.first != QLatin1String("interactiveGenerate"))
            lines << QStringLiteral("%1 = %2").arg(field.first).arg(ModelFields::fieldValue(m, field.first), 0, 'g', 12);
    }
    return lines;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList connectWarnings;
QtMessageHandler handlerBefore = nullptr;

void collectConnectWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("QObject::connect")))
        connectWarnings << message;
    handlerBefore(type, context, message);
}

} // namespace

class TestSeriesPages : public QObject
{
    Q_OBJECT

    // Saves the page's design under path; true when the page says so.
    static bool save(KytoMCUPLL *page, const QString &className, const QString &path)
    {
        UserDialogs::answerNextFileDialog(path);
        SeriesPages::operationsOf(className).saveConfig(page, KytoPLLConfig::seriesName(SeriesPages::indexOfClass(className)));
        return UserDialogs::shownBoxes().size() == 1 && UserDialogs::shownBoxes().first().icon == QMessageBox::Information;
    }

    // One row per registered page.
    static void pageRows()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("className");
        for (int index : SeriesPages::registeredIndices()) {
            const QString className = KytoPLLConfig::seriesClassName(index);
            QTest::newRow(qPrintable(className)) << index << className;
        }
    }

private slots:
    void initTestCase()
    {
        SeriesPages::silenceOffscreenSizeHints();
        QVERIFY(!SeriesPages::registeredIndices().isEmpty());
    }

    // The system-clock edit has the shape of the other typed edits after a
    // Return too: its corners turned round there and square again with the
    // next action.
    void sclkEditKeepsItsShapeOnReturn_data() { pageRows(); }
    void sclkEditKeepsItsShapeOnReturn()
    {
        QFETCH(QString, className);
        UserDialogs::setTestMode(true);
        UserDialogs::reset();
        std::unique_ptr<KytoMCUPLL> page(SeriesPages::createPage(className));
        QVERIFY(page);
        QLineEdit *sclk = page->findChild<QLineEdit *>(QStringLiteral("sclk_LineEdit"));
        if (!sclk || !sclk->isEnabled())
            QSKIP("no system-clock edit in use on the new page");
        SeriesPages::typeAndReturn(sclk, sclk->text());
        QVERIFY2(sclk->styleSheet().contains(QStringLiteral("border-radius:1px;")), qPrintable(sclk->styleSheet()));
        QCOMPARE(boxTexts(), QStringList());
    }

    void init()
    {
        UserDialogs::reset();
        UserDialogs::setTestMode(true);
    }

    // The class the table names, constructed without a connect warning,
    // translating in its own context.
    void classAndContext_data() { pageRows(); }
    void classAndContext()
    {
        QFETCH(int, index);
        QFETCH(QString, className);
        connectWarnings.clear();
        handlerBefore = qInstallMessageHandler(collectConnectWarnings);
        std::unique_ptr<KytoMCUPLL> page(SeriesPages::createPage(className));
        qInstallMessageHandler(handlerBefore);
        QVERIFY(page);
        QCOMPARE(QString::fromLatin1(page->metaObject()->className()), className);
        QVERIFY2(connectWarnings.isEmpty(), qPrintable(connectWarnings.join('\n')));
        QCOMPARE(page->model->seriesIndex, index);

        QTranslator chinese;
        QVERIFY(chinese.load(QStringLiteral(":/image/tr_zh.qm")));
        QCoreApplication::installTranslator(&chinese);
        QTemporaryDir dir;
        UserDialogs::reset();
        QVERIFY(!save(page.get(), className, dir.filePath(QStringLiteral("missing/design.ZKCF"))));
        QCoreApplication::removeTranslator(&chinese);
        QCOMPARE(boxTexts(), QStringList{QString::fromUtf8("错误: 文件保存失败!")});
    }

    // "New" builds the page on its defaults without a box; "Config Reset"
    // brings any state back to exactly that, with no box of the page's own:
    // the same controls and the same design to save. (Model fields a family
    // never uses may keep what a PLL search left in them.)
    void newAndResetAgree_data() { pageRows(); }
    void newAndResetAgree()
    {
        QFETCH(int, index);
        QFETCH(QString, className);
        QTemporaryDir dir;
        KytoPLLConfig config;
        config.selectMcu(index);
        KytoMCUPLL *page = config.currentSeriesWidget();
        QVERIFY(page);
        QCOMPARE(boxTexts(), QStringList());
        const QStringList fresh = stateDump(page);
        UserDialogs::reset();
        QVERIFY(save(page, className, dir.filePath(QStringLiteral("new.ZKCF"))));

        for (CustomComboBox1 *combo : page->findChildren<CustomComboBox1 *>()) {
            if (combo->isEnabled() && combo->count() > 1)
                combo->setCurrentIndex(combo->count() - 1);
        }
        QVERIFY(stateDump(page) != fresh);

        UserDialogs::reset();
        UserDialogs::answerNextBox(QMessageBox::Yes);
        config.ConfigReset();
        QCOMPARE(UserDialogs::shownBoxes().size(), 1);   // the container's question
        // Known departure, left to its family: an unexpected pass fails and
        // asks for these lines to go.
        for (const char *tag : {"KytoD515PLL", "KytoD525PLL", "KytoR610PLL", "KytoR640PLL", "KytoR960PLL",
                                "KytoR740PLL", "KytoH740PLL"})
            QEXPECT_FAIL(tag, "the clock-out frequency label keeps its text after a reset", Continue);
        QCOMPARE(stateDump(page), fresh);
        UserDialogs::reset();
        QVERIFY(save(page, className, dir.filePath(QStringLiteral("reset.ZKCF"))));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("reset.ZKCF"))), readAll(dir.filePath(QStringLiteral("new.ZKCF"))));
    }

    // A preview writes the four files of the page's template stem beside the
    // program, the stem under which the code view reads them back.
    void previewWritesFourFiles_data() { pageRows(); }
    void previewWritesFourFiles()
    {
        QFETCH(int, index);
        QFETCH(QString, className);
        std::unique_ptr<KytoMCUPLL> page(SeriesPages::createPage(className));
        page->model->interactiveGenerate = 0;
        const QDateTime start = QDateTime::currentDateTime().addSecs(-2);
        QVERIFY(SeriesPages::operationsOf(className).generateCode(page.get()));
        QCOMPARE(boxTexts(), QStringList());

        const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/Code_Sample");
        const QString stem = FormCodeView::templateStem(KytoPLLConfig::seriesName(index));
        QVERIFY(!stem.isEmpty());
        for (const QString &file : {QStringLiteral("src/main.c"), QStringLiteral("src/%1_clock.c").arg(stem),
                                    QStringLiteral("inc/%1_clock.h").arg(stem), QStringLiteral("inc/%1_conf.h").arg(stem)}) {
            const QFileInfo info(folder + QLatin1Char('/') + file);
            QVERIFY2(info.exists() && info.size() > 0, qPrintable(file));
            QVERIFY2(info.lastModified() >= start, qPrintable(file + " was not written"));
        }
    }

    // Save, open, save: the same bytes, and the opened page holds the model
    // that was saved, with no box on the way.
    void saveOpenSave_data() { pageRows(); }
    void saveOpenSave()
    {
        QFETCH(int, index);
        QFETCH(QString, className);
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("first.ZKCF"));
        const QString second = dir.filePath(QStringLiteral("second.ZKCF"));
        std::unique_ptr<KytoMCUPLL> page(SeriesPages::createPage(className));
        QVERIFY2(save(page.get(), className, first), qPrintable(boxTexts().join('|')));

        KytoPLLConfig config;
        UserDialogs::reset();
        QString name;
        config.openConfigFile(first, name);
        QCOMPARE(name, KytoPLLConfig::seriesName(index));
        QCOMPARE(boxTexts(), QStringList());
        KytoMCUPLL *opened = config.currentSeriesWidget();
        QVERIFY(opened);
        QCOMPARE(modelDump(*opened->model), modelDump(*page->model));

        UserDialogs::reset();
        QVERIFY(save(opened, className, second));
        QCOMPARE(readAll(second), readAll(first));
    }

    // A name typed without an extension is saved with ".ZKCF", so Open's
    // filter shows the file.
    void saveAddsExtension_data() { pageRows(); }
    void saveAddsExtension()
    {
        QFETCH(QString, className);
        QTemporaryDir dir;
        std::unique_ptr<KytoMCUPLL> page(SeriesPages::createPage(className));
        QVERIFY2(save(page.get(), className, dir.filePath(QStringLiteral("design"))), qPrintable(boxTexts().join('|')));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("design.ZKCF"))).isFile());
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("design"))));
    }

    // The CRM_PLLCFG word of a page with a flexible PLL: whole, beside its
    // caption and above the caption's box, while the PLL is in use; gone with
    // its caption, off the PLL frame's border, once nothing uses the PLL.
    void pllCfgWordBesideItsCaption_data() { pageRows(); }
    void pllCfgWordBesideItsCaption()
    {
        QFETCH(QString, className);
        std::unique_ptr<KytoMCUPLL> page(SeriesPages::createPage(className));
        auto *word = page->findChild<QLineEdit *>(QStringLiteral("pllcfg_ReadOut"));
        auto *caption = page->findChild<QLabel *>(QStringLiteral("pllcfg_Label"));
        if (!word)
            QSKIP("no flexible PLL");
        QVERIFY(caption);
        if (auto *mode = page->findChild<QComboBox *>(QStringLiteral("pllmode_ComboBox")))
            mode->setCurrentIndex(1);

        QVERIFY(!word->isHidden() && !caption->isHidden());
        QVERIFY(word->text().startsWith(QStringLiteral("0x")));
        const QGraphicsProxyWidget *wordProxy = word->parentWidget()->graphicsProxyWidget();
        const QGraphicsProxyWidget *captionProxy = caption->parentWidget()->graphicsProxyWidget();
        const qreal colonEnd = captionProxy->pos().x() + caption->fontMetrics().horizontalAdvance(QStringLiteral("CRM_PLLCFG:"));
        QVERIFY(wordProxy->pos().x() >= colonEnd);
        QVERIFY(wordProxy->zValue() > captionProxy->zValue());
        QVERIFY(word->width() >= word->fontMetrics().horizontalAdvance(QStringLiteral("0xffffffff")) + 4);

        QRadioButton *hext = page->findChild<QRadioButton *>(QStringLiteral("sclkselect_RadioButton_hext"));
        if (!hext)
            hext = page->findChild<QRadioButton *>(QStringLiteral("sclkselect_RadioButton_0"));
        QVERIFY(hext);
        hext->click();
        QVERIFY(word->isHidden() && caption->isHidden());
        QCOMPARE(word->text(), QString());
    }

    // What a zoomed-in page shows: every unchecked radio round (its 12-pixel
    // indicator with a 6-pixel radius), and a limit note beside a divider's
    // name ("apb1div", "144MHz max") apart from it, not run into it.
    void radiosRoundAndNotesApart_data() { pageRows(); }
    void radiosRoundAndNotesApart()
    {
        QFETCH(QString, className);
        std::unique_ptr<KytoMCUPLL> page(SeriesPages::createPage(className));
        for (QRadioButton *radio : page->findChildren<QRadioButton *>())
            QVERIFY2(radio->styleSheet().contains(QStringLiteral("indicator:unchecked {width:10px; height:10px; border-radius:6px;")),
                     qPrintable(radio->objectName()));

        auto posOf = [](const QLabel *label) { return label->parentWidget()->graphicsProxyWidget()->pos(); };
        const QRegularExpression divider(QStringLiteral("^apb\\ddiv$"));
        const QRegularExpression note(QStringLiteral("^\\d+MHz max$"));
        const QList<QLabel *> labels = page->findChildren<QLabel *>();
        for (const QLabel *caption : labels) {
            if (!divider.match(caption->text()).hasMatch())
                continue;
            for (const QLabel *limit : labels) {
                if (!note.match(limit->text()).hasMatch())
                    continue;
                const QPointF c = posOf(caption), n = posOf(limit);
                if (n.x() < c.x() || qAbs(n.y() - c.y()) > 15)
                    continue;
                const QFontMetrics metrics = caption->fontMetrics();
                QVERIFY2(n.x() >= c.x() + metrics.horizontalAdvance(caption->text()) + metrics.horizontalAdvance(' '),
                         qPrintable(caption->text() + " " + limit->text()));
            }
        }
    }

    // A value on the drawing keeps off what is beside it: the PLL's output
    // value, at its widest, covers no line of the drawing (a mux's outline,
    // a divider's box) and is gone while the PLL is unused; a clock-out
    // value leaves a blank after its source's name ("hick48") and stays
    // clear of the pin combo.
    void valuesClearTheirNeighbours_data() { pageRows(); }
    void valuesClearTheirNeighbours()
    {
        QFETCH(QString, className);
        std::unique_ptr<KytoMCUPLL> page(SeriesPages::createPage(className));
        QImage drawing;
        for (QGraphicsItem *item : page->scene->items()) {
            if (auto *pixmap = dynamic_cast<QGraphicsPixmapItem *>(item))
                drawing = pixmap->pixmap().toImage();
        }
        QVERIFY(!drawing.isNull());
        auto boxOf = [](const QWidget *control, const QString &widest = QString()) {
            const QPointF at = control->parentWidget()->graphicsProxyWidget()->pos();
            const int width = widest.isEmpty() ? control->width() : control->fontMetrics().horizontalAdvance(widest);
            return QRectF(at, QSizeF(qMax(width, control->width()), control->height()));
        };

        if (auto *pll = page->findChild<QLabel *>(QStringLiteral("pll_Label"))) {
            const QRect box = boxOf(pll, QStringLiteral("000.000MHz")).toRect();
            QStringList ink;
            for (int y = box.top(); y <= box.bottom(); ++y) {
                for (int x = box.left(); x <= box.right(); ++x) {
                    if (qGray(drawing.pixel(x, y)) < 160)
                        ink << QString("%1,%2").arg(x).arg(y);
                }
            }
            QVERIFY2(ink.isEmpty(), qPrintable(ink.mid(0, 5).join(' ')));

            for (const char *hick : {"sclkselect_RadioButton_hick", "sclkselect_RadioButton_2"}) {
                if (auto *radio = page->findChild<QRadioButton *>(QLatin1String(hick)))
                    radio->click();
            }
            if (pll->text().isEmpty())
                QVERIFY(pll->isHidden());
        }

        for (QLabel *value : page->findChildren<QLabel *>(QRegularExpression(QStringLiteral("^clkoutsrcfreq_Label_")))) {
            const QString choice = value->objectName().section('_', 2);
            auto *caption = page->findChild<QLabel *>(QStringLiteral("clkoutsrc_Label_") + choice);
            QVERIFY(caption);
            const QFontMetrics metrics = caption->fontMetrics();
            QVERIFY2(boxOf(value).left() >= boxOf(caption).left() + metrics.horizontalAdvance(caption->text())
                                                 + metrics.horizontalAdvance(' '),
                     qPrintable(caption->text()));
        }

        auto *clkout = page->findChild<QLabel *>(QStringLiteral("clkoutFreq_Label"));
        auto *pin = page->findChild<QComboBox *>(QStringLiteral("clockoutPinSelect_ComboBox"));
        if (clkout && pin)
            QVERIFY(!boxOf(clkout, QStringLiteral("(000.000 MHz)")).intersects(boxOf(pin).adjusted(-1, -1, 1, 1)));
    }

    // The I2SF5 read-out shows "Actual value" for an external clock with
    // air between the text and the border on both sides (the "A" sat on the
    // border), and back on a number it leaves its unit in view.
    void readoutTextHasRoom_data()
    {
        QTest::addColumn<QString>("className");
        for (const char *name : {"KytoR610PLL", "KytoR640PLL", "KytoR960PLL", "KytoR910PLL", "KytoR920PLL",
                                 "KytoR930PLL"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void readoutTextHasRoom()
    {
        QFETCH(QString, className);
        std::unique_ptr<KytoMCUPLL> page(SeriesPages::createPage(className));
        auto *readout = page->findChild<QLineEdit *>(QStringLiteral("i2sf5_ReadOut"));
        auto *onOff = page->findChild<QComboBox *>(QStringLiteral("i2sf5switch_ComboBox"));
        const QList<QRadioButton *> sources = page->findChildren<QRadioButton *>(
            QRegularExpression(QStringLiteral("^i2sf5clocksel_RadioButton_")));
        QVERIFY(readout && onOff && sources.size() == 4);
        auto radio = [&](const QStringList &names) {
            for (QRadioButton *r : sources) {
                if (names.contains(r->objectName().section('_', 2)))
                    return r;
            }
            return static_cast<QRadioButton *>(nullptr);
        };
        onOff->setCurrentIndex(1);
        radio({"external", "3"})->click();
        QCOMPARE(readout->text(), QString("Actual value"));

        // The text's ink, as the box paints it, against the frame's inside.
        const QImage image = readout->grab().toImage();
        int left = image.width(), right = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qGreen(p) > qRed(p) + 40 && qGreen(p) > qBlue(p) + 40) {
                    left = qMin(left, x);
                    right = qMax(right, x);
                }
            }
        }
        QStyleOptionFrame option;
        option.initFrom(readout);
        const int frame = readout->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, readout);
        QVERIFY(right > left);
        QVERIFY2(left - frame >= 3 && image.width() - frame - 1 - right >= 3,
                 qPrintable(QString("ink %1..%2 in %3").arg(left).arg(right).arg(image.width())));

        radio({"pllp", "0"})->click();
        QVERIFY(readout->text().contains('.'));
        auto sceneBox = [](const QWidget *control) {
            return QRectF(control->parentWidget()->graphicsProxyWidget()->pos(), QSizeF(control->size()));
        };
        const QList<QLabel *> units = page->findChildren<QLabel *>(QRegularExpression(QStringLiteral("^i2sf5(Unit)?_Label$")));
        QCOMPARE(units.size(), 1);
        QCOMPARE(units.first()->text(), QString("(MHz)"));
        QVERIFY(sceneBox(readout).right() < sceneBox(units.first()).left());
    }

    // The page shows its drawing at the size the drawing declares, the size
    // its control positions are measured in.
    void drawingAtDeclaredSize_data() { pageRows(); }
    void drawingAtDeclaredSize()
    {
        QFETCH(int, index);
        QFETCH(QString, className);
        const QSize declared = SeriesPages::declaredDrawingSize(index);
        QVERIFY2(declared.isValid(), qPrintable(SeriesPages::drawingSource(index)));
        std::unique_ptr<KytoMCUPLL> page(SeriesPages::createPage(className));
        QSize shown;
        for (QGraphicsItem *item : page->scene->items()) {
            if (auto *pixmap = dynamic_cast<QGraphicsPixmapItem *>(item))
                shown = pixmap->pixmap().size();
        }
        QCOMPARE(shown, declared);
    }
};

QTEST_MAIN(TestSeriesPages)
#include "tst_seriespages.moc"
