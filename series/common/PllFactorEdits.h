#ifndef PLLFACTOREDITS_H
#define PLLFACTOREDITS_H

#include "DesignKeyTable.h"
#include "Readouts.h"

#include <QString>
#include <QVector>

#include <memory>

class KytoMCUPLL;
class PageMessages;
class QLineEdit;

// The two typed factors of a flexible PLL: the pre-divider pll_ms, shown as
// "/" and the number, and the multiplier pll_ns, shown as "*" and the
// number. A typed factor stays pending (pale yellow) until it is taken into
// the model by checkTyped(), which first asks to adjust a factor that breaks
// the PLL input window (2..16 MHz) or the VCO window (500 MHz up to the
// series' ceiling) and puts the model's suggestion in on Yes.
//
// Every page family with such a PLL owns one, next to its PageMessages:
//
//   PllFactorEdits factors{this, messages};                 // members of the page
//
//   // building: place each edit with the family's own factory, then
//   pllmsLineEdit = addLineEdit("1", x, y, 60);
//   PllFactorEdits::configure(pllmsLineEdit, PllFactorEdits::Ms);
//   ... likewise pllns ...;
//   factors.attach(pllmsLineEdit, pllnsLineEdit);
//
//   void Page::onPllMsTextChanged(const QString &text) { factors.restyle(PllFactorEdits::Ms, text); }
//   void Page::onPllMsReturnPressed()
//   {
//       if (!factors.acceptTyped(PllFactorEdits::Ms))     // "pll_ms input error!" outside 1..15
//           return;
//       if (pllrcs HEXT radio checked && !takeHext())
//           return;
//       if (checkPllSettings()) { model->recompute(); refreshFrequencies(); }
//       factors.restyle(PllFactorEdits::Ms);
//   }
//   bool Page::checkPllSettings()
//   {
//       ... the family's HEXT check ...
//       return !pllInUse() || factors.checkTyped();
//   }
//   before an action: Readouts::confirmPendingEdits(factors.pageEdits(hext, sclk));
//   first in a reset:  Readouts::discardPendingEdits(factors.pageEdits(hext, sclk));
//   for the take-back: undo.setTypedEdits([this] { return factors.pageEditsAsShown(hext, sclk); });
//   showPllParams: factors.showModel(), then the family's post-divider combo;
//   highlighting:  factors.setInUse(pllInUse()), with the family's captions.
//
// The boxes go through the page's PageMessages, so they are translated in the
// page's class context: each page class using the edits needs catalogue
// entries for the texts below. The pll_ns question names the VCO ceiling of
// the page's series, 1200 MHz or 1000 MHz, as the model's series groups say.
// While the messages are quiet (a design file being applied key by key) no
// box and no question is shown: a factor that would need one makes
// checkTyped() and acceptTyped() fail, and the page's closing check speaks.
class PllFactorEdits
{
public:
    enum Factor { Ms, Ns };

    // Source texts, translated in the page's class context.
    static const char *const msInputError;    // "pll_ms input error!"
    static const char *const nsInputError;    // "pll_ns input error!"
    static const char *const msQuestion;
    static const char *const nsQuestionTo1200;
    static const char *const nsQuestionTo1000;

    PllFactorEdits(KytoMCUPLL *page, PageMessages &messages);

    // Object name ("pllms_LineEdit", "pllns_LineEdit"), validator (digits
    // after an optional "/" or "*"), the built look and a height of 25.
    static void configure(QLineEdit *edit, Factor factor);
    void attach(QLineEdit *msEdit, QLineEdit *nsEdit);

    // The number in a factor text: one leading prefix dropped, base 10,
    // 0 when the rest is no number.
    static int readFactor(const QString &text, Factor factor);
    static QString factorText(int value, Factor factor);
    static bool inRange(int value, Factor factor);
    // The design-file key of a factor stored in *field: the edit shows the
    // number as the file writes it ("05" as "/05"); a text that is no factor
    // within range opens as the lowest factor, and Open tells the factor's
    // input-error text.
    DesignKeyTable::Row designKey(const QString &key, Factor factor, int *field) const;
    int typed(Factor factor) const;
    // True while the typed number differs from the model's factor.
    bool pending(Factor factor) const { return typed(factor) != modelValue(factor); }

    // The body of a textChanged slot: nothing while the edit is disabled;
    // a text without its prefix gets one (which re-enters the slot); then
    // applied (white) when the number equals the model's factor, else
    // pending (pale yellow), and red text outside the factor's range.
    void restyle(Factor factor, const QString &text);
    void restyle(Factor factor);

    // First step of a returnPressed slot: false, after the input error box,
    // when the typed number lies outside 1..15 (ms) or 31..500 (ns).
    bool acceptTyped(Factor factor) const;

    // Takes both typed factors into the model: range errors as acceptTyped,
    // then the model's window checks with the adjust questions. False when a
    // factor is out of range or a question was not answered Yes; a pll_ms
    // accepted before a failing pll_ns stays stored, except while confirmed
    // for an action (typedEdits()).
    bool checkTyped();

    // Both edits for Readouts::confirmPendingEdits before Generate, Code
    // View or Save: each factor left pending is confirmed as Return would
    // confirm it (its edit's returnPressed slot runs). When one is refused
    // the action stops, and neither factor was stored, so the typed pll_ms
    // is still there to mend and no later check asks about it again. While
    // the returned edits live, a checkTyped() that takes both factors (run
    // by any slot of the action, the HEXT's too) settles them: the action
    // neither confirms them again nor puts the typed text back over an
    // answered question's value.
    QVector<Readouts::TypedEdit> typedEdits();
    // The typed edits of a page with these factors in the order an action
    // confirms them: HEXT, pll_ms, pll_ns, SCLK.
    QVector<Readouts::TypedEdit> pageEdits(QLineEdit *hextEdit, QLineEdit *sclkEdit);
    // The same edits with what they show and hold only, for the click
    // take-back (ClickUndo::setTypedEdits); no action is begun.
    QVector<Readouts::TypedEdit> pageEditsAsShown(QLineEdit *hextEdit, QLineEdit *sclkEdit);

    // The model's factors back into the edits ("/" + pllMs, "*" + pllNs).
    void showModel();

    // Frame of both edits for a PLL in use (blue) or not (grey), and their
    // enabled state.
    void setInUse(bool on);

    QLineEdit *edit(Factor factor) const { return factor == Ms ? msEdit : nsEdit; }

private:
    int modelValue(Factor factor) const;
    Readouts::TypedEdit shownEdit(Factor factor);
    void store(Factor factor, int value);
    const char *nsQuestion() const;
    void takeBackMs(int msBefore);

    // Whether checkTyped() took both factors since an action began
    // confirming its pending edits; shared by that action's edits.
    struct ActionFactors {
        bool taken = false;
    };

    KytoMCUPLL *page;
    PageMessages &messages;
    QLineEdit *msEdit = nullptr;
    QLineEdit *nsEdit = nullptr;
    bool confirmingForAction = false;
    std::weak_ptr<ActionFactors> action;
};

#endif // PLLFACTOREDITS_H
