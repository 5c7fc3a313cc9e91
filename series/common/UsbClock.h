#ifndef USBCLOCK_H
#define USBCLOCK_H

// The USB clock must be 48 MHz. A clock the PLL makes exactly 48 MHz can come
// out of the floating-point divisions a hair off (a 960 MHz VCO over pll_fp 22
// and back, over pll_fu 20: 47.99999999999999), so the test allows for
// rounding: within 1e-9 MHz counts as 48, for the read-out colour and for the
// question alike.
namespace UsbClock {

bool is48(double mhz);

} // namespace UsbClock

#endif // USBCLOCK_H
