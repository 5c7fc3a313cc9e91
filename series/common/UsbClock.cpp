#include "UsbClock.h"

#include <cmath>

bool UsbClock::is48(double mhz)
{
    return std::fabs(mhz - 48.0) <= 1e-9;
}
