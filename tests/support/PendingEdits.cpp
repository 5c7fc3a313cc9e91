#include "PendingEdits.h"

#include "SeriesPages.h"

#include "ClockTreeModel.h"
#include "CustomComboBox1.h"
#include "KytoMCUPLL.h"
#include "UserDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

namespace PendingEdits {

void typeOnly(QLineEdit *edit, const QString &text)
{
    edit->clear();
    QTest::keyClicks(edit, text);
}

void typeInto(QWidget *page, const QString &nodes, const QString &texts)
{
    const QStringList names = nodes.split(QLatin1Char(','));
    const QStringList typed = texts.split(QLatin1Char(','));
    for (int i = 0; i < names.size(); ++i)
        typeOnly(SeriesPages::edit(page, names[i]), typed.value(i));
}

void setUp(QWidget *page, const QStringList &steps)
{
    for (const QString &step : steps) {
        const QString name = step.section(QLatin1Char('='), 0, 0);
        const QString value = step.section(QLatin1Char('='), 1);
        if (auto *c = page->findChild<CustomComboBox1 *>(name + QStringLiteral("_ComboBox")))
            c->setCurrentIndex(value.toInt());
        else if (auto *e = page->findChild<QLineEdit *>(name + QStringLiteral("_LineEdit")))
            SeriesPages::typeAndReturn(e, value);
        else
            SeriesPages::radio(page, name, value)->click();
    }
}

QString readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList finished(const QString &stem)
{
    return {QStringLiteral("Information: Generate code finished!  Files:\n\nsrc/main.c\nsrc/%1_clock.c\n"
                           "inc/%1_clock.h\ninc/%1_conf.h\n").arg(stem)};
}

QString nsQuestion(int vcoMaxMhz)
{
    return QStringLiteral("Warning: pll_ns input error, is it adjusted automatically?\n\nThe following condition "
                          "must be met: \n500MHz <= pll_input * pll_ns / pll_ms <= %1MHz").arg(vcoMaxMhz);
}

void answerQuestions(const QStringList &boxes, bool yes)
{
    for (const QString &box : boxes) {
        if (box.contains(QLatin1String("adjusted automatically")))
            UserDialogs::answerNextBox(yes ? QMessageBox::Yes : QMessageBox::Cancel);
    }
}

Outcome runAction(KytoMCUPLL *page, const KytoPLLConfig::SeriesOperations &ops, const QString &action,
                  const QString &dir, const QString &file, const QString &saveAs)
{
    Outcome outcome;
    outcome.folder = dir;
    outcome.pllMsBefore = page->model->pllMs;
    outcome.pllNsBefore = page->model->pllNs;
    if (action == QLatin1String("save")) {
        UserDialogs::answerNextFileDialog(QDir(dir).filePath(saveAs));
        ops.saveConfig(page, KytoPLLConfig::seriesName(page->model->seriesIndex));
    } else if (action == QLatin1String("preview")) {
        outcome.folder = QCoreApplication::applicationDirPath() + QStringLiteral("/Code_Sample");
        QFile::remove(outcome.folder + QLatin1Char('/') + file);
        page->model->interactiveGenerate = 0;
        outcome.generated = ops.generateCode(page);
    } else {
        page->model->interactiveGenerate = 1;
        UserDialogs::answerNextFileDialog(dir);
        UserDialogs::answerNextBoxWithText(QStringLiteral("OK"));
        outcome.generated = ops.generateCode(page);
    }
    return outcome;
}

QString outputFault(QWidget *page, const Outcome &outcome, const QString &file, const QString &expected,
                    const QString &nodes, const QString &texts)
{
    const QString path = outcome.folder + QLatin1Char('/') + file;
    if (!expected.isEmpty()) {
        const QString written = readFile(path);
        if (!written.contains(expected))
            return QStringLiteral("no \"%1\" in:\n%2").arg(expected, written.left(3000));
        return QString();
    }
    if (QFile::exists(path))
        return file + QStringLiteral(" was written");
    const QStringList names = nodes.split(QLatin1Char(','));
    const QStringList typed = texts.split(QLatin1Char(','));
    for (int i = 0; i < names.size(); ++i) {
        const QString shown = SeriesPages::edit(page, names[i])->text();
        if (!shown.endsWith(typed.value(i)))
            return QStringLiteral("%1 shows \"%2\", not the refused \"%3\"").arg(names[i], shown, typed.value(i));
    }
    const ClockTreeModel *model = qobject_cast<KytoMCUPLL *>(page)->model;
    if (model->pllMs != outcome.pllMsBefore || model->pllNs != outcome.pllNsBefore)
        return QStringLiteral("the model's factors went from /%1 *%2 to /%3 *%4")
            .arg(outcome.pllMsBefore).arg(outcome.pllNsBefore).arg(model->pllMs).arg(model->pllNs);
    return QString();
}

QString oneBoxPerClickFault(QWidget *page, const QString &group, const QStringList &choices)
{
    int boxes = 0;
    for (const QString &choice : choices) {
        QRadioButton *r = SeriesPages::radio(page, group, choice);
        if (!r || !r->isEnabled())
            return choice + QStringLiteral(": not an enabled radio");
        if (r->isChecked())
            continue;   // a refused click before left it checked
        QRadioButton *before = nullptr;
        for (QRadioButton *other : page->findChildren<QRadioButton *>()) {
            if (other->group() && other->group() == r->group() && other->isChecked())
                before = other;
        }
        UserDialogs::reset();
        r->click();
        const int shown = UserDialogs::shownBoxes().size();
        if (shown > 1)
            return choice + QStringLiteral(": ") + SeriesPages::boxTexts().join(QStringLiteral(" | "));
        if (shown == 1 && (r->isChecked() || (before && !before->isChecked())))
            return choice + QStringLiteral(": the refused click was not taken back");
        boxes += shown;
    }
    return boxes > 0 ? QString() : QStringLiteral("the bad text was never reported");
}

QStringList pageState(QWidget *page)
{
    QStringList lines;
    for (QLineEdit *e : page->findChildren<QLineEdit *>())
        lines << QStringLiteral("%1 '%2' %3 %4 %5").arg(e->objectName(), e->text()).arg(e->isEnabled())
                     .arg(e->styleSheet(), e->palette().color(QPalette::Text).name());
    for (QRadioButton *r : page->findChildren<QRadioButton *>())
        lines << QStringLiteral("%1 %2 %3").arg(r->objectName()).arg(r->isChecked()).arg(r->isEnabled());
    for (CustomComboBox1 *c : page->findChildren<CustomComboBox1 *>())
        lines << QStringLiteral("%1 %2 %3").arg(c->objectName()).arg(c->currentIndex()).arg(c->isEnabled());
    const ClockTreeModel &m = *qobject_cast<KytoMCUPLL *>(page)->model;
    lines << QStringLiteral("sources sclk %1 pll %2 usb %3 %4").arg(m.sclkSource).arg(m.pllSource).arg(m.usbDisabled)
                 .arg(m.usbFromHick)
          << QStringLiteral("factors ms %1 ns %2 fr %3 fp %4 fu %5 mult %6").arg(m.pllMs).arg(m.pllNs).arg(m.pllFr)
                 .arg(m.pllFp).arg(m.pllFu).arg(m.pllMult)
          << QStringLiteral("clocks hext %1 pll %2 sclk %3 ahb %4 apb %5 %6 usb %7").arg(m.hextMhz).arg(m.pllMhz)
                 .arg(m.sclkMhz).arg(m.ahbMhz).arg(m.apb1Mhz).arg(m.apb2Mhz).arg(m.usbMhz);
    return lines;
}

QString cancelledClickFault(KytoMCUPLL *page, const KytoPLLConfig::SeriesOperations &ops, const QString &act,
                            const QStringList &boxes, const QString &dir)
{
    const QStringList before = pageState(page);
    answerQuestions(boxes, false);
    if (act.contains(QLatin1Char('='))) {
        const QString name = act.section(QLatin1Char('='), 0, 0) + QStringLiteral("_RadioButton_")
                             + act.section(QLatin1Char('='), 1);
        auto *radio = page->findChild<QRadioButton *>(name);
        if (!radio || !radio->isEnabled())
            return name + QStringLiteral(": no enabled radio");
        radio->click();
    } else if (runAction(page, ops, act, dir, QStringLiteral("src/main.c")).generated) {
        return QStringLiteral("generated");
    }
    if (SeriesPages::boxTexts() != boxes)
        return QStringLiteral("boxes: ") + SeriesPages::boxTexts().join(QStringLiteral(" | "));
    const QStringList after = pageState(page);
    for (int i = 0; i < before.size(); ++i) {
        if (after.value(i) != before[i])
            return QStringLiteral("was: %1\nnow: %2").arg(before[i], after.value(i));
    }
    return QDir(dir).isEmpty() ? QString() : QStringLiteral("files were written");
}

} // namespace PendingEdits
