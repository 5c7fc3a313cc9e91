#ifndef SERIESPAGES_H
#define SERIESPAGES_H

#include "KytoPLLConfig.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

class CustomComboBox1;
class KytoMCUPLL;
class QLineEdit;
class QRadioButton;

// Helpers shared by the tests of the series pages: build a page by class
// name through the series registry (so a test table can run over several
// classes, and every registered page is reachable without a switch here),
// and reach its controls by object name.
namespace SeriesPages {

// The series indices with a registered page, in index order.
QList<int> registeredIndices();
// The series index of a page class; 0 when the class has no series.
int indexOfClass(const QString &className);
// The registered operations of a page class (empty when none).
KytoPLLConfig::SeriesOperations operationsOf(const QString &className);

// A new page of the named class, without a parent; null when the class is
// not registered. Page is the class's family base (or KytoMCUPLL).
KytoMCUPLL *createPage(const QString &className);
template <class Page = KytoMCUPLL>
Page *create(const QString &className)
{
    KytoMCUPLL *page = createPage(className);
    Page *typed = dynamic_cast<Page *>(page);
    if (page && !typed) {
        qWarning("%s is not of the requested family", qPrintable(className));
        delete page;
    }
    return typed;
}

// The SVG source of a series' drawing (image/drawings/) and the width and
// height it declares for itself; an empty size when it has none yet.
QString drawingSource(int seriesIndex);
QSize declaredDrawingSize(int seriesIndex);

// The offscreen platform complains once per embedded control; that says
// nothing about the pages, so tests silence just that message.
void silenceOffscreenSizeHints();

// A control of the page by object name; warns when there is none.
template <class T>
T *find(QWidget *page, const QString &name)
{
    T *control = page->findChild<T *>(name);
    if (!control)
        qWarning("control %s not found", qPrintable(name));
    return control;
}

CustomComboBox1 *combo(QWidget *page, const QString &node);
QRadioButton *radio(QWidget *page, const QString &group, int n);
// Pages that name their radios by choice: "<group>_RadioButton_<choice>".
QRadioButton *radio(QWidget *page, const QString &group, const QString &choice);
// "<node>_LineEdit" and the read-only "<node>_ReadOut".
QLineEdit *edit(QWidget *page, const QString &node);
QLineEdit *readout(QWidget *page, const QString &node);
// Types the text as a user would and confirms it with Return.
void typeAndReturn(QLineEdit *edit, const QString &text);
// "title: text" of every message box shown since the last reset.
QStringList boxTexts();

} // namespace SeriesPages

#endif // SERIESPAGES_H
