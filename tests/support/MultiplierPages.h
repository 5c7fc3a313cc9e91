#ifndef MULTIPLIERPAGES_H
#define MULTIPLIERPAGES_H

#include <QString>
#include <QWidget>
#include <QStringList>

#include <functional>

class CustomComboBox1;
class KytoMultiplierPLL;
class QLineEdit;
class QRadioButton;

// Helpers shared by the tests of the multiplier-PLL series pages: build a
// page by class name, so one test table runs over all five classes, and
// reach its controls by object name.
namespace MultiplierPages {

using Factory = std::function<KytoMultiplierPLL *()>;

// The page constructor of the named class (R710 for an unknown name).
Factory forClass(const QString &className);
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
// Types the text as a user would and confirms it with Return.
void typeAndReturn(QLineEdit *edit, const QString &text);
// "title: text" of every message box shown since the last reset.
QStringList boxTexts();

} // namespace MultiplierPages

#endif // MULTIPLIERPAGES_H
