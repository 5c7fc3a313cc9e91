#include "PllResolve.h"

#include "ClockTreeModel.h"
#include "PageMessages.h"

namespace PllResolve {

bool resolve(ClockTreeModel *model, const PageMessages &messages, const PllDuty &duty,
             const std::function<bool()> &checkFactors)
{
    if (duty.drivesSclk) {
        model->recomputeFromPll();
        return true;
    }
    if (duty.usbRetunes) {
        // A USB search re-tunes the PLL, and whatever the PLL drives follows it.
        model->recomputeUsb();
        model->recompute();
        return true;
    }
    if (duty.inUse && !checkFactors() && !messages.isQuiet())
        return false;
    model->recompute();
    return true;
}

} // namespace PllResolve
