#ifndef FLEXIBLETABLES_H
#define FLEXIBLETABLES_H

#include "../common/DividerTable.h"

// The dividers of a flexible-PLL page that the kit does not name, and the
// model's clock-out source codes its selections store.
namespace FlexibleTables {

const DividerTable &hextDiv();     // 1, 2, 4, 8, 16, 32
const DividerTable &hickDiv();     // 1, 2, 4, 8, 16
const DividerTable &clkoutDiv1();  // 1 .. 5
const DividerTable &rtcDiv();      // 2 .. 31
const DividerTable &pllFp();       // 1, 2, 4, 6, ..., 30
const DividerTable &pllFr();       // 1, 2, 4, 8, 16, 32
const DividerTable &pllFu();       // 11, 13, 12, 14, 16, 18, 20: the register's order
const DividerTable &usbDiv();      // 2 .. 8

enum ClkoutCode { ClkoutLick = 1, ClkoutLext = 2, ClkoutHick = 3, ClkoutHext = 4, ClkoutSclk = 5,
                  ClkoutUsb = 6, ClkoutAdc = 7, ClkoutPll = 10, ClkoutUsbFs = 11 };

} // namespace FlexibleTables

#endif // FLEXIBLETABLES_H
