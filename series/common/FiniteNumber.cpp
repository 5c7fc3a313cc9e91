#include "FiniteNumber.h"

#include <QtNumeric>

namespace FiniteNumber {

bool readOrZero(const QString &text, double *value)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    const bool finite = !ok || qIsFinite(v);
    *value = ok && finite ? v : 0.0;
    return finite;
}

double orZero(const QString &text)
{
    double v = 0.0;
    readOrZero(text, &v);
    return v;
}

bool inRange(const QString &text, double low, double high, double *value)
{
    double v = 0.0;
    if (!readOrZero(text, &v) || v < low || v > high)
        return false;
    if (value)
        *value = v;
    return true;
}

double inRangeOr(const QString &text, double low, double high, double fallback)
{
    double v = fallback;
    return inRange(text, low, high, &v) ? v : fallback;
}

} // namespace FiniteNumber
