#include "R9x0Pages.h"

#include "SeriesPages.h"
#include "series/highperf/KytoR910PLL.h"
#include "series/highperf/KytoR920PLL.h"
#include "series/highperf/KytoR930PLL.h"

#include "ClockTreeModel.h"
#include "UserDialogs.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace R9x0Pages {

QStringList classNames()
{
    return {QStringLiteral("KytoR910PLL"), QStringLiteral("KytoR920PLL"), QStringLiteral("KytoR930PLL")};
}

Factory forClass(const QString &className)
{
    if (className == QLatin1String("KytoR920PLL"))
        return [] { return new KytoR920PLL(nullptr); };
    if (className == QLatin1String("KytoR930PLL"))
        return [] { return new KytoR930PLL(nullptr); };
    return [] { return new KytoR910PLL(nullptr); };
}

QString seriesName(const QString &className)
{
    return className.left(className.size() - 3);
}

QLineEdit *edit(QWidget *page, const QString &node)
{
    return SeriesPages::find<QLineEdit>(page, node + QStringLiteral("_LineEdit"));
}

QLineEdit *readoutBox(QWidget *page, const QString &name)
{
    return SeriesPages::find<QLineEdit>(page, name + QStringLiteral("_ReadOut"));
}

QString readout(QWidget *page, const QString &name)
{
    QLineEdit *box = readoutBox(page, name);
    return box ? box->text() : QStringLiteral("<missing>");
}

QString labelText(QWidget *page, const QString &name)
{
    QLabel *label = SeriesPages::find<QLabel>(page, name + QStringLiteral("_Label"));
    return label ? label->text() : QStringLiteral("<missing>");
}

QStringList pageDump(KytoR9x0PLL *page)
{
    QStringList lines;
    for (QComboBox *c : page->findChildren<QComboBox *>())
        lines << QStringLiteral("%1 %2 %3").arg(c->objectName()).arg(c->currentIndex()).arg(c->isEnabled());
    for (QRadioButton *r : page->findChildren<QRadioButton *>())
        lines << QStringLiteral("%1 %2 %3").arg(r->objectName()).arg(r->isChecked()).arg(r->isEnabled());
    for (QLineEdit *e : page->findChildren<QLineEdit *>()) {
        // A greyed read-out keeps what it last showed.
        if (!e->isEnabled() && e->objectName().endsWith(QLatin1String("_ReadOut")))
            continue;
        // An opened design shows the file's text ("8.000000"), a typed one
        // what was typed: the same number.
        QString text = e->text();
        if (e->objectName() == QLatin1String("hext_LineEdit"))
            text = QString::number(text.toDouble(), 'f', 5);
        // Style sheets that differ only in a doubled ';' look the same, and
        // an applied factor edit is white, whether restyled since or not.
        QString style = e->styleSheet().replace(QLatin1String(";;"), QLatin1String(";"));
        if (e->objectName().startsWith(QLatin1String("pll")))
            style.remove(QLatin1String("background: rgb(255, 255, 255); "));
        lines << QStringLiteral("%1 '%2' %3 %4 %5")
                     .arg(e->objectName(), text)
                     .arg(e->isEnabled())
                     .arg(style)
                     .arg(e->palette().color(QPalette::Text).name());
    }
    // Greyed or hidden labels keep what they last showed.
    for (QLabel *l : page->findChildren<QLabel *>()) {
        if (l->objectName().isEmpty())
            continue;
        if (!l->isEnabled())
            lines << l->objectName() + QStringLiteral(" greyed");
        else if (l->isHidden())
            lines << l->objectName() + QStringLiteral(" hidden");
        else
            lines << QStringLiteral("%1 '%2'").arg(l->objectName(), l->text());
    }
    const ClockTreeModel &m = *page->model;
    lines << QStringLiteral("rtc %1 %2 %3 bypass %4 %5 hext %6 div %7 %8 hick48 %9")
                 .arg(m.rtcSource).arg(m.rtcEnabled).arg(m.rtcHextDiv).arg(m.lextBypass).arg(m.hextBypass)
                 .arg(m.hextMhz).arg(m.hextDiv).arg(m.hickDiv).arg(m.sclkHick48)
          << QStringLiteral("pll %1 %2 %3 %4 %5 mode %6 sclk %7")
                 .arg(m.pllSource).arg(m.pllMs).arg(m.pllNs).arg(m.pllFp).arg(m.pllFu).arg(m.pllFlexibleMode)
                 .arg(m.sclkSource)
          << QStringLiteral("bus %1 %2 %3 %4 usb %5 %6").arg(m.ahbDiv).arg(m.apb1Div).arg(m.apb2Div).arg(m.apb3Div)
                 .arg(m.usbDisabled).arg(m.usbFromHick)
          << QStringLiteral("clkout %1 %2 %3 %4").arg(m.clkoutSource).arg(m.clkoutDiv1).arg(m.clkoutDiv2).arg(m.clkoutPin)
          << QStringLiteral("can %1 %2 %3 %4 %5 %6 i2sf5 %7 %8")
                 .arg(m.can1ClockSource).arg(m.can1Enabled).arg(m.can2ClockSource).arg(m.can2Enabled)
                 .arg(m.can3ClockSource).arg(m.can3Enabled).arg(m.i2sf5ClockSource).arg(m.i2sf5Enabled)
          << QStringLiteral("clocks pll %1 sclk %2 ahb %3 apb %4 %5 %6 usb %7")
                 .arg(m.pllMhz).arg(m.sclkMhz).arg(m.ahbMhz).arg(m.apb1Mhz).arg(m.apb2Mhz).arg(m.apb3Mhz)
                 .arg(m.usbDisabled == 0 ? m.usbMhz : -1.0);
    return lines;
}

bool save(KytoR9x0PLL *page, const QString &className, const QString &path)
{
    UserDialogs::answerNextFileDialog(path);
    page->saveConfig(seriesName(className));
    return SeriesPages::boxTexts().contains(QStringLiteral("Information: Save file succeed!"));
}

QStringList generated(KytoR9x0PLL *page, const QString &dir)
{
    page->model->interactiveGenerate = 1;
    UserDialogs::answerNextFileDialog(dir);
    UserDialogs::answerNextBoxWithText(QStringLiteral("OK"));
    if (!page->generateCode())
        return QStringList{QStringLiteral("generation failed: ") + SeriesPages::boxTexts().join('|')};
    QStringList files;
    for (const QString &sub : {QStringLiteral("inc"), QStringLiteral("src")}) {
        const QDir d(dir + QLatin1Char('/') + sub);
        for (const QString &f : d.entryList(QDir::Files, QDir::Name)) {
            QFile file(d.filePath(f));
            file.open(QIODevice::ReadOnly);
            files << sub + QLatin1Char('/') + f + QLatin1Char('\n') + QString::fromUtf8(file.readAll());
        }
    }
    return files;
}

} // namespace R9x0Pages
