#ifndef PLLRESOLVE_H
#define PLLRESOLVE_H

#include <functional>

class ClockTreeModel;
class PageMessages;

// What a page's PLL serves when its input or its target moves (a new PLL
// source, a HEXT divider, a system-clock radio, a USB switch).
struct PllDuty {
    bool drivesSclk = false;    // the system clock runs from the PLL
    bool usbRetunes = false;    // a USB switched on and fed by the PLL re-tunes it for 48 MHz
    bool inUse = false;         // anything at all runs from the PLL
};

// The one re-solve of the PLL for the page families with typed factors:
// a PLL driving the system clock is solved for its target, one a USB search
// re-tunes is solved for 48 MHz, and one kept for another clock (a clock-out
// pin, a peripheral) keeps its factors, which checkFactors (the page's
// check of its typed factors, asking as for a typed factor) judges with
// the input now in force. False when that check stopped the click: nothing
// was recomputed, and the page's ClickUndo takes the click back whole. A
// design being applied goes on; its closing check asks once.
//
//   if (!PllResolve::resolve(model, messages, {sclkFromPll(), usbRetunes(), pllInUse()},
//                            [this] { return checkPllSettings(); }))
//       return;
//   showPllParams();
//   refreshFrequencies();
namespace PllResolve {

bool resolve(ClockTreeModel *model, const PageMessages &messages, const PllDuty &duty,
             const std::function<bool()> &checkFactors);

} // namespace PllResolve

#endif // PLLRESOLVE_H
