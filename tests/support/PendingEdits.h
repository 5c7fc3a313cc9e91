#ifndef PENDINGEDITS_H
#define PENDINGEDITS_H

#include "KytoPLLConfig.h"

#include <QString>
#include <QStringList>

class KytoMCUPLL;
class QLineEdit;
class QWidget;

// Helpers of the tests that leave typed values unconfirmed on a series page
// and then act: type without Return, take an action through the page's
// registered operations, and read back what it wrote.
namespace PendingEdits {

// Types without confirming: the edit is left pending.
void typeOnly(QLineEdit *edit, const QString &text);
// Types each text into its node's edit, both lists comma separated.
void typeInto(QWidget *page, const QString &nodes, const QString &texts);
// "group=choice" clicks the radio, "combo=index" sets the combo,
// "node=text" types the text and confirms it with Return.
void setUp(QWidget *page, const QStringList &steps);

QString readFile(const QString &path);
// The box that ends an interactive Generate of a template stem.
QStringList finished(const QString &stem);

// The box of the pll_ns adjust question for a VCO ceiling of 1200 or 1000 MHz.
QString nsQuestion(int vcoMaxMhz);
// Queues an answer for each adjust question among the expected boxes: Yes
// when the action is to go on, else Cancel.
void answerQuestions(const QStringList &boxes, bool yes);

// What an action left: the folder it writes into, what Generate or Code
// View returned (false for a save) and the model's PLL factors before it.
struct Outcome {
    QString folder;
    bool generated = false;
    int pllMsBefore = 0;
    int pllNsBefore = 0;
};
// Runs "generate" (into dir, the result box answered OK), "preview" (Code
// View into "Code_Sample" beside the program, file removed first) or
// "save" (saveAs in dir; a bare name leaves the extension to the page).
Outcome runAction(KytoMCUPLL *page, const KytoPLLConfig::SeriesOperations &ops, const QString &action,
                  const QString &dir, const QString &file, const QString &saveAs = QStringLiteral("design"));

// Empty when the output is right, else what is wrong: with expected empty,
// file was not written, every typed text still stands for mending and the
// model's PLL factors are as before; otherwise file contains expected.
QString outputFault(QWidget *page, const Outcome &outcome, const QString &file, const QString &expected,
                    const QString &nodes, const QString &texts);

// Clicks the choices of a radio group in turn (each enabled; one still
// checked is passed over); empty when no click showed more than one box,
// some click showed one and each click that did was taken back (the radio
// checked before it is checked again), else what went wrong.
QString oneBoxPerClickFault(QWidget *page, const QString &group, const QStringList &choices);

// What a user sees of the page and what its model holds, one line per
// control (text, check, index, enabled state, style, text colour) and for the model's
// sources, factors and clocks, for comparing the page before and after an
// action that must leave it as it was.
QStringList pageState(QWidget *page);

// Clicks a radio ("group=choice") or runs an action as runAction does,
// with each expected question answered Cancel; empty when exactly the
// expected boxes showed, nothing was generated and the page is as it was
// before, else what went wrong.
QString cancelledClickFault(KytoMCUPLL *page, const KytoPLLConfig::SeriesOperations &ops, const QString &act,
                            const QStringList &boxes, const QString &dir);

} // namespace PendingEdits

#endif // PENDINGEDITS_H
