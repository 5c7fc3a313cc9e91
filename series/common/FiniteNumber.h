#ifndef FINITENUMBER_H
#define FINITENUMBER_H

#include <QString>

// Reads a decimal number from a typed value or a design-file text. Only a
// finite number counts: QString::toDouble accepts "nan" and "inf", and a
// range test written as `v < low || v > high` lets NaN through, so every
// page reads its numbers here instead. As the pages always have, a text
// that is no number at all (an empty edit, a word) reads as 0.
//
//   double hext = 0;
//   if (!FiniteNumber::inRange(hextEdit->text(), FiniteNumber::hextMinMhz, FiniteNumber::hextMaxMhz, &hext))
//       return error;                                                // typed: the edit's error box
//   model->hextMhz = FiniteNumber::inRangeOr(text, 4.0, 25.0, 8.0);   // file: the key's fallback
namespace FiniteNumber {

// The crystal range every family accepts for HEXT.
constexpr double hextMinMhz = 4.0;
constexpr double hextMaxMhz = 25.0;

// The number of the text, or 0 when it is no number; false (and 0) only
// for nan and inf, which no edit or file may hold.
bool readOrZero(const QString &text, double *value);
// The number of the text; 0 for no number, nan and inf.
double orZero(const QString &text);
// True, with the number in *value (when given), when the text reads as a
// finite number within low..high, both included.
bool inRange(const QString &text, double low, double high, double *value = nullptr);
// The number of the text when inRange, else the fallback.
double inRangeOr(const QString &text, double low, double high, double fallback);

} // namespace FiniteNumber

#endif // FINITENUMBER_H
