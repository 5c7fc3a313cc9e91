#ifndef READOUTS_H
#define READOUTS_H

#include <QColor>
#include <QString>
#include <QVector>

#include <functional>

class QLineEdit;
class QAbstractButton;
class QWidget;

// How a page shows frequencies and typed values.
//
// Read-outs: three decimals, dark green within the limit, red strictly
// above it, grey while the clock is switched off.
//
//   Readouts::show(apb1Readout, model->apb1Mhz, apbMax);
//   Readouts::show(adcReadout, model->adcMhz, 28.0, adcSwitchedOn);
//   pllLabel->setText(Readouts::mhz(model->pllMhz) + "MHz");
//
// The RTC read-out, in kHz, for the source radio the page has checked: "0"
// while the RTC is off, the LICK's "40", the LEXT's "32.768", or else the
// HEXT the model holds through its divider. A HEXT typed but not applied
// (or taken back after a Cancel) is not the RTC's clock, so the edit's text
// never counts.
//
//   rtcReadout->setText(Readouts::rtcKhz(on, rtcselRadios[0], rtcselRadios[1], model->hextMhz, 128));
//
// Typed edits (hext, sclk, ...): "applied" while the text equals the model's
// value at the shown precision, "pending" while it differs, "idle" when the
// edit is disabled but its text is applied; red text when out of range.
//
//   auto state = Readouts::typedState(text, model->hextMhz, 5);
//   Readouts::showTypedEdit(hextLineEdit, state, inRange, Qt::black);
namespace Readouts {

QString mhz(double value);
QColor limitColour(double value, double limit);

// Text colour of a label (WindowText) or of an edit (Text).
void setLabelColour(QWidget *label, const QColor &colour);
void setEditColour(QWidget *edit, const QColor &colour);
// A read-out greyed or lit with its group: grey while off; lit, it keeps
// the colour its value was last shown in (red over a limit), and a
// read-out coming from grey is green until its value is shown.
void setReadoutInUse(QWidget *readout, bool on);

void show(QLineEdit *box, double value, double limit, bool on = true);

QString rtcKhz(bool on, const QAbstractButton *lickRadio, const QAbstractButton *lextRadio, double hextMhz,
               double hextDivider);

// A read-out that may show a word in place of a number ("Actual value")
// keeps a few pixels of air between its text and its border: from now on
// it widens to the right as far as each text needs and returns to its own
// width for a shorter one (a number, with its unit beside it again).
void fitToText(QLineEdit *box);

enum class EditState { Applied, Pending, Idle };
EditState typedState(const QString &typed, double applied, int decimals, bool enabled = true);
// Sets the style of the state and the text colour: inRangeColour, or red.
void showTypedEdit(QLineEdit *edit, EditState state, bool inRange, const QColor &inRangeColour);

// One typed edit of a page, for confirming several in a row before an
// action: pending tells whether its text differs from what the model holds;
// confirm applies it as Return would (empty: the edit's returnPressed);
// settled (may be empty) turns true once an earlier edit's confirmation in
// the same action took this edit's value too, as typed or as the answer to
// its question, so that it is neither typed back nor asked about again;
// showModel writes the model's value into the edit.
struct TypedEdit {
    QLineEdit *edit = nullptr;
    std::function<bool()> pending;
    std::function<void()> confirm;
    std::function<bool()> settled;
    std::function<void()> showModel;
};
TypedEdit typedEdit(QLineEdit *edit, const double &applied, int decimals);
// A typed value left pending is confirmed as Return would confirm it (its
// slot runs, with its checks and boxes). Confirms the edits in order and
// returns false at the first one still pending afterwards: the slot refused
// it, and the action that asked (generate, save) must stop. A disabled or
// hidden edit is not typed into and counts as confirmed. Applying one edit
// refreshes the page, which may write the model's value over a text typed
// into a later one; that text is put back before its turn, so a typed value
// is applied or stays pending, never silently replaced, unless the later
// edit is settled: a question already answered decided its value.
bool confirmPendingEdits(const QVector<TypedEdit> &edits);

// A reset discards what was typed: every edit left pending, greyed or not,
// shows the model's value again before the reset runs a slot that would
// read it, check it or ask about it.
void discardPendingEdits(const QVector<TypedEdit> &edits);

// A value for a typed edit of eight characters: three decimals at least
// ("16.000"), more when the value has them, never cut mid-number.
QString typedValueText(double value);

} // namespace Readouts

#endif // READOUTS_H
