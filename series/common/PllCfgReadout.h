#ifndef PLLCFGREADOUT_H
#define PLLCFGREADOUT_H

#include <QString>

class QLabel;
class QLineEdit;

// The "CRM_PLLCFG" caption and the register word beside it, on every page
// with a flexible PLL.
//
//   PllCfgReadout::placeBesideCaption(pllcfgLabel, pllcfgReadout);   // once built
//   PllCfgReadout::show(pllcfgLabel, pllcfgReadout, pllInUse, formatPllCfgValue());
namespace PllCfgReadout {

// The caption's box is as wide as its build-time text and reached over the
// start of the word, cutting its "0x": the word's box is moved to begin one
// blank after the caption's colon, above the caption's box, and made wide
// enough for any word ("0x" and eight digits) in its font. The word has no
// box of its own: it shows on the frame's fill as the caption does.
void placeBesideCaption(QLabel *caption, QLineEdit *word);

// While the PLL is in use, "CRM_PLLCFG: " and the word; otherwise both are
// emptied and hidden, so that their boxes leave the drawing (the PLL frame's
// border) uncovered. onPage false hides them whatever the PLL does (a
// dual-mode page in the normal mode).
void show(QLabel *caption, QLineEdit *word, bool inUse, const QString &value, bool onPage = true);

} // namespace PllCfgReadout

#endif // PLLCFGREADOUT_H
