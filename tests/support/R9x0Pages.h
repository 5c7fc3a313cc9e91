#ifndef R9X0PAGES_H
#define R9X0PAGES_H

#include <QString>
#include <QStringList>

#include <functional>

class KytoR9x0PLL;
class QLineEdit;
class QWidget;

// Helpers of the R910/R920/R930 page tests: one table of cases runs over the
// three classes, built by name.
namespace R9x0Pages {

using Factory = std::function<KytoR9x0PLL *()>;

QStringList classNames();
Factory forClass(const QString &className);
// "KytoR910" for "KytoR910PLL".
QString seriesName(const QString &className);

QLineEdit *edit(QWidget *page, const QString &node);
QLineEdit *readoutBox(QWidget *page, const QString &name);
QString readout(QWidget *page, const QString &name);
QString labelText(QWidget *page, const QString &name);

// Every control's state and the model's inputs and clocks, as text lines,
// for comparing two pages.
QStringList pageDump(KytoR9x0PLL *page);

// Saves through the page's own road into path (true on "Save file succeed!").
bool save(KytoR9x0PLL *page, const QString &className, const QString &path);
// Generates interactively into dir; the files' names and contents, or the
// boxes that stopped it.
QStringList generated(KytoR9x0PLL *page, const QString &dir);

} // namespace R9x0Pages

#endif // R9X0PAGES_H
