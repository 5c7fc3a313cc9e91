#ifndef PAGESTYLES_H
#define PAGESTYLES_H

#include <QString>
#include <QVector>

class QLabel;
class QRadioButton;
class QWidget;
#include <QStringList>

// Every style sheet a series page sets on its controls, once. A page asks
// for the look of a state ("in use", "pending") and never spells a sheet.
//
//   radio->setStyleSheet(PageStyles::radio(inUse));
//   hextLineEdit->setStyleSheet(PageStyles::editGreyed());
//   outLabel->setStyleSheet(PageStyles::pinText(on));
//   PageStyles::applyRadioGroup(pllrcsLabel, pllrcsRadios, pllInUse);
namespace PageStyles {

// Radio buttons of a branch in use (blue) or not (grey).
QString radio(bool inUse);

// Frame of an oscillator read-out box (lick, lext, hick) in use or greyed.
QString frame(bool inUse);

// Typed edits (hext, sclk, ...), one shape in every state: applied (green),
// pending (pale yellow: typed but not yet applied), idle (white, blue frame:
// disabled but part of the path) and greyed (white, grey frame: not in use).
QString editApplied();
QString editPending();
QString editIdle();
QString editGreyed();

// The "IN"/"OUT" pin labels beside an oscillator (blue or grey text).
QString pinText(bool on);

// The small fixed boxes of the systick divider and the timer multipliers.
QString fixedBox();

// Icons of a List button with its list closed or open.
QString listClosedIcon();
QString listOpenIcon();

// Width of a combo on the drawing that shows its longest item uncut
// (text, frame and drop-down arrow), never below `minimum`.
int comboWidthFor(const QStringList &items, int minimum);

// Sets a style sheet unless the control has it already: setting one
// re-polishes the control even when it is the same, and a click restyles
// every typed edit and the radios of every path.
void set(QWidget *control, const QString &styleSheet);

// Two looks made of several controls: a radio group with its caption in
// use or greyed, and an "IN"/"OUT" pin label lit (blue, enabled) or not.
void applyRadioGroup(QLabel *caption, const QVector<QRadioButton *> &radios, bool inUse);
void applyPin(QLabel *pin, bool on);

} // namespace PageStyles

#endif // PAGESTYLES_H
