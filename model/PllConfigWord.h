#ifndef PLLCONFIGWORD_H
#define PLLCONFIGWORD_H

#include <QString>
#include <QtGlobal>

class ClockTreeModel;

// The CRM_PLLCFG register word that the chosen PLL factors give, as the pages
// show it beside the flexible PLL. Two register layouts exist; each page
// family uses the one of its chips. Fields are OR-ed unmasked, as the register
// read-out has always shown them.
namespace PllConfigWord {

// pll_ms from bit 0, pll_ns from bit 6, the pll_fr code (1, 2, 4, 8, 16, 32 ->
// 0..5, anything else 0) from bit 16, and bit 22 set for a HEXT reference.
quint32 withFrDivider(const ClockTreeModel &model);

// pll_ms from bit 0, pll_ns from bit 6, the pll_fp code (fp/2 for an even fp
// of 2..30, else 0) from bit 16, the pll_fu code (11, 13, 12, 14, 16, 18, 20 ->
// 0..6, anything else 0) from bit 20, bit 29 set while USB runs from the PLL
// and bit 30 set for a HEXT reference.
quint32 withFpFuDividers(const ClockTreeModel &model);

// "0x" and eight lower-case hexadecimal digits.
QString text(quint32 word);

} // namespace PllConfigWord

#endif // PLLCONFIGWORD_H
