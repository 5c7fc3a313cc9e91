#include "ClockTreeModel.h"

#include "RegisterNameTables.h"
#include "SeriesGroups.h"
#include "SourceGenerator.h"

#include <QtGlobal>

#include <cmath>
#include <iterator>
#include <limits>

namespace {

constexpr double kVcoMin = 500.0;
constexpr double kVcoMax = 1000.0;
constexpr double kVcoMaxWide = 1200.0;
// The searches keep the VCO lower while a PllFpFuGroup PLL also feeds USB.
constexpr double kVcoMaxWithUsb = 960.0;
constexpr double kMsInputMin = 2.0;
constexpr double kMsInputMax = 16.0;
constexpr int kMsFirst = 1;
constexpr int kMsLast = 15;
constexpr int kNsFirst = 31;
constexpr int kNsLast = 500;
constexpr int kMultMin = 2;
constexpr int kMultMax = 64;
constexpr double kNoMatchError = 10000.0;

const int kFpDividers[] = {1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30};
const int kFrDividers[] = {1, 2, 4, 8, 16, 32};

// Whole part of a frequency as an integer. Non-finite or huge values (from a
// zero divisor somewhere upstream) give 0 or the range limit instead of an
// undefined conversion.
qint64 wholePart(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double t = std::trunc(value);
    constexpr double limit = 1e15;
    if (t > limit)
        return static_cast<qint64>(limit);
    if (t < -limit)
        return static_cast<qint64>(-limit);
    return static_cast<qint64>(t);
}

int clampToInt(qint64 value, int lo, int hi)
{
    return static_cast<int>(qBound<qint64>(lo, value, hi));
}

// Multiplier that brings a reference of inK kHz nearest to targetK kHz,
// halves rounded up, within the multiplier's range. A reference below 1 kHz
// makes no output at all: the lowest multiplier is kept.
int fitMultiplier(qint64 targetK, qint64 inK)
{
    if (inK <= 0)
        return kMultMin;
    const double ratio = std::floor(static_cast<double>(targetK) / static_cast<double>(inK) + 0.5);
    if (!(ratio >= kMultMin))
        return kMultMin;
    if (ratio > kMultMax)
        return kMultMax;
    return static_cast<int>(ratio);
}

// The nearest PLL factors to a target, kept apart for outputs at or below
// the series' limit and beyond it: a target within the limit takes the best
// factors that stay within it, and only when none do the nearest beyond.
// Strictly smaller errors replace, so the order of the offers settles ties.
class LimitedFit
{
public:
    struct Factors {
        double error = kNoMatchError;
        int ms = 0;
        int ns = 0;
        int div = 0;
    };

    LimitedFit(double target, double limit)
        : m_target(target)
        , m_limit(limit)
    {
    }

    void offer(double output, int ms, int ns, int div)
    {
        Factors &slot = output <= m_limit ? m_within : m_beyond;
        const double error = std::fabs(output - m_target);
        if (error < slot.error)
            slot = {error, ms, ns, div};
    }

    const Factors &best() const { return m_within.error < kNoMatchError ? m_within : m_beyond; }

private:
    double m_target;
    double m_limit;
    Factors m_within;
    Factors m_beyond;
};

// The entry of a divider table whose number equals value (the names end in
// "_<value>"); the first entry when there is none.
QString nameForValue(const QStringList &table, int value)
{
    const QString suffix = QLatin1Char('_') + QString::number(value);
    for (const QString &name : table) {
        if (name.endsWith(suffix))
            return name;
    }
    return table.first();
}

// Entry `code` of a source table; entry 0 for any other code.
QString nameForCode(const QStringList &table, int code)
{
    if (code > 0 && code < table.size())
        return table.at(code);
    return table.first();
}

} // namespace

ClockTreeModel::ClockTreeModel(int seriesIndex)
    : seriesIndex(seriesIndex)
{
    applyToAllConflicts = false;
    setDefaults();
}

void ClockTreeModel::setDefaults()
{
    lextKhz = 32.768;
    lextBypass = false;
    hextMhz = 8.0;
    hickMhz = SeriesGroups::hickMhz(seriesIndex);
    hextBypass = false;
    rtcSource = 0;
    rtcEnabled = false;
    pllHextDivEnabled = 0;
    pllSource = 0;
    pllMs = 2;
    pllNs = 192;
    pllFr = 8;
    pllFp = 2;
    pllFu = 18;
    sclkSource = 2;
    ahbDiv = 1;
    apb1Div = 1;
    apb2Div = 1;
    apb3Div = 1;
    pllMhz = 0.0;
    sclkMhz = 0.0;
    ahbMhz = 0.0;
    apb1Mhz = 0.0;
    apb1TimerMult = 1;
    apb1TimerMhz = 0.0;
    apb2Mhz = 0.0;
    apb3Mhz = 0.0;
    apb2TimerMult = 1;
    apb2TimerMhz = 0.0;
    adcEnabled = false;
    adcDiv = 2;
    adcMhz = 0.0;
    usbDiv = 1.0;
    usbDisabled = 0;
    usbMhz = 0.0;
    clkout1Div1 = 1;
    clkout1Div2 = 1;
    clkout2Div1 = 1;
    clkout2Div2 = 1;
    clkout1Source = 0;
    clkout2Source = 0;
    clkoutDiv = 1;
    clkoutPin = 0;
    clkoutSource = 0;
    usart1Enabled = false;
    usart2Enabled = false;
    usart3Enabled = false;
    i2c1Enabled = false;
    i2sf5Enabled = false;
    can1Enabled = false;
    pllFlexibleMode = 1;
    usart1ClockSource = 0;
    usart2ClockSource = 0;
    usart3ClockSource = 0;
    i2c1ClockSource = 0;
    adcClockSource = 0;
    i2sf5ClockSource = 0;
    can1ClockSource = 2;
}

// ---------------------------------------------------------------------------
// Frequency computation

double ClockTreeModel::pllInputFrequency() const
{
    const bool direct = SeriesGroups::DirectPllInputGroup.contains(seriesIndex);
    if (pllSource == 0) {
        if (!direct && pllHextDivEnabled != 0)
            return hextMhz / hextDiv;
        return hextMhz;
    }
    // The HICK reaches the PLL through a fixed /6, and outside the direct
    // group through a further /2; index 2 halves its 8 MHz HICK instead.
    if (seriesIndex == 2)
        return hickMhz * 0.5;
    if (direct)
        return hickMhz / 6;
    return hickMhz / 6 * 0.5;
}

int ClockTreeModel::maxSclk() const
{
    return SeriesGroups::maxSclkMhz(seriesIndex);
}

double ClockTreeModel::pllOutputLimit() const
{
    const double limit = maxSclk();
    return SeriesGroups::HalfSclkGroup.contains(seriesIndex) ? 2 * limit : limit;
}

int ClockTreeModel::pllOutputDivider() const
{
    return SeriesGroups::PllFpFuGroup.contains(seriesIndex) ? pllFp : pllFr;
}

void ClockTreeModel::computePllOutput()
{
    const double in = pllInputFrequency();
    if (pllFlexibleMode == 0)
        pllMhz = pllMult * in;
    else
        pllMhz = pllNs * in / (static_cast<double>(pllMs) * pllOutputDivider());
}

bool ClockTreeModel::isUsbSkipped() const
{
    if (SeriesGroups::NoUsbGroup.contains(seriesIndex))
        return true;
    if (seriesIndex == 2)
        return usbDisabled != 0;
    return usbDisabled != 0 || usbFromHick != 0;
}

void ClockTreeModel::recompute()
{
    const bool flexibleSclk = SeriesGroups::FlexibleSclkDividerGroup.contains(seriesIndex);
    if (sclkSource == 0) {
        sclkMhz = flexibleSclk ? hextMhz / hextDiv : hextMhz;
        if (isPllUsed())
            computePllOutput();
    } else if (sclkSource == 2) {
        if (seriesIndex == 2) {
            sclkMhz = hickMhz;
        } else {
            const double branch = sclkHick48 != 0 ? hickMhz : hickMhz / 6;
            sclkMhz = flexibleSclk ? branch / hickDiv : branch;
        }
        if (isPllUsed())
            computePllOutput();
    } else {
        computePllOutput();
        sclkMhz = SeriesGroups::HalfSclkGroup.contains(seriesIndex) ? pllMhz * 0.5 : pllMhz;
    }

    computeBuses();

    if (isUsbSkipped())
        return;
    if (SeriesGroups::PllFpFuGroup.contains(seriesIndex))
        usbMhz = pllFp * pllMhz / pllFu;
    else
        usbMhz = pllMhz / usbDiv;
}

// Buses, automatic APB divider raise, timers and ADC from sclkMhz.
void ClockTreeModel::computeBuses()
{
    ahbMhz = sclkMhz / ahbDiv;
    apb1Mhz = ahbMhz / apb1Div;
    apb2Mhz = ahbMhz / apb2Div;
    apb3Mhz = ahbMhz / apb3Div;

    if (SeriesGroups::ApbHalfMaxGroup.contains(seriesIndex)) {
        const int half = maxSclk() / 2;
        if (apb1Mhz > half) {
            if (apb1Div == 1)
                apb1Div = 2;
            apb1Mhz = ahbMhz / apb1Div;
        }
        if (apb2Mhz > half) {
            if (apb2Div == 1)
                apb2Div = 2;
            apb2Mhz = ahbMhz / apb2Div;
        }
    } else if (SeriesGroups::Apb1Above120Group.contains(seriesIndex)) {
        if (ahbMhz > 120.0) {
            if (apb1Div == 1)
                apb1Div = 2;
            apb1Mhz = ahbMhz / apb1Div;
        }
    }

    apb1TimerMult = apb1Div == 1 ? 1 : 2;
    apb2TimerMult = apb2Div == 1 ? 1 : 2;
    apb1TimerMhz = apb1TimerMult * apb1Mhz;
    apb2TimerMhz = apb2TimerMult * apb2Mhz;

    adcMhz = adcEnabled ? apb2Mhz / adcDiv : 0.0;
}

bool ClockTreeModel::isPllUsed() const
{
    if (sclkSource == 1)
        return true;

    const int s = seriesIndex;
    const bool clkoutOn = clkoutPin != 0;
    const bool clkoutPllHalfOrQuarter = clkoutOn && (clkoutSource == 8 || clkoutSource == 9);
    const bool clkoutPll = clkoutOn && clkoutSource == 10;
    const bool usbFromPll = usbDisabled == 0 && usbFromHick == 0;

    if (s == 2)
        return usbDisabled == 0 || clkoutPllHalfOrQuarter;
    if (SeriesGroups::NoUsbGroup.contains(s))
        return clkoutPllHalfOrQuarter;
    if (SeriesGroups::DualClockOutGroup.contains(s)) {
        return usbFromPll
            || (clkout1Pin != 0 && clkout1Source == 3)
            || (clkout2Pin != 0 && clkout2Source == 2);
    }
    if (SeriesGroups::SingleCanGroup.contains(s))
        return (can1Enabled && can1ClockSource == 1) || clkoutPll;
    if (SeriesGroups::ClockOutFullPllGroup.contains(s)) {
        if (clkoutPll || usbFromPll)
            return true;
        if (SeriesGroups::AdcFromPllGroup.contains(s) && adcEnabled && adcClockSource == 1)
            return true;
        if (SeriesGroups::ThreeCanGroup.contains(s)) {
            // The PCLK code counts as well as the PLL code on these series.
            auto canNeedsPll = [](bool enabled, int source) {
                return enabled && (source == 1 || source == 2);
            };
            if (canNeedsPll(can1Enabled, can1ClockSource)
                || canNeedsPll(can2Enabled, can2ClockSource)
                || canNeedsPll(can3Enabled, can3ClockSource))
                return true;
        }
        return SeriesGroups::I2sf5Group.contains(s) && i2sf5Enabled && i2sf5ClockSource == 0;
    }
    // 4, 5, 7, 8, 15, 17, 24 and indices that name no series.
    return usbFromPll || clkoutPllHalfOrQuarter;
}

bool ClockTreeModel::isHextUsed() const
{
    const int s = seriesIndex;
    if (SeriesGroups::DualClockOutGroup.contains(s)) {
        if ((clkout1Pin != 0 && clkout1Source == 2)
            || (clkout2Pin != 0 && clkout2Source == 1)
            || (clkout1Pin != 0 && clkout1Source == 3 && pllSource == 0)
            || (clkout2Pin != 0 && clkout2Source == 2 && pllSource == 0))
            return true;
    } else if (clkoutPin != 0
               && (clkoutSource == 4
                   || ((clkoutSource == 8 || clkoutSource == 9) && pllSource == 0))) {
        return true;
    }

    if (sclkSource == 0 || (sclkSource == 1 && pllSource == 0))
        return true;

    if (s == 2) {
        if (usbDisabled == 0 && pllSource == 0)
            return true;
    } else if (SeriesGroups::UsbSelectableGroup.contains(s)) {
        if (usbDisabled == 0 && usbFromHick == 0 && pllSource == 0)
            return true;
    }

    // A CAN controller clocked straight from HEXT needs the oscillator
    // running as much as the system clock does.
    if (SeriesGroups::ThreeCanGroup.contains(s) || SeriesGroups::SingleCanGroup.contains(s)) {
        if (can1Enabled && can1ClockSource == 0)
            return true;
        if (SeriesGroups::ThreeCanGroup.contains(s)
            && ((can2Enabled && can2ClockSource == 0) || (can3Enabled && can3ClockSource == 0)))
            return true;
    }

    // A PLL that runs from HEXT needs HEXT whatever it feeds (ADC, I2SF5,
    // CAN or the undivided PLL clock-out included).
    return pllSource == 0 && isPllUsed();
}

bool ClockTreeModel::isHickUsed() const
{
    const int s = seriesIndex;
    if (SeriesGroups::DualClockOutGroup.contains(s)) {
        if ((clkout1Pin != 0 && clkout1Source == 0)
            || (clkout2Pin != 0 && clkout2Source == 4)
            || (clkout1Pin != 0 && clkout1Source == 3 && pllSource == 1)
            || (clkout2Pin != 0 && clkout2Source == 2 && pllSource == 1))
            return true;
    } else if (clkoutPin != 0
               && (clkoutSource == 3
                   || ((clkoutSource == 8 || clkoutSource == 9) && pllSource == 1))) {
        return true;
    }

    if (sclkSource == 2 || (sclkSource == 1 && pllSource == 1))
        return true;

    if (s == 2) {
        if (usbDisabled == 0 && pllSource == 1)
            return true;
    } else if (SeriesGroups::UsbSelectableGroup.contains(s)) {
        if (usbDisabled == 0
            && (usbFromHick == 1 || (usbFromHick == 0 && pllSource == 1)))
            return true;
    }

    // A PLL that runs from HICK needs HICK whatever it feeds.
    return pllSource == 1 && isPllUsed();
}

bool ClockTreeModel::isHextDivUsed() const
{
    return isPllUsed() && pllSource == 0
        && !SeriesGroups::DirectPllInputGroup.contains(seriesIndex)
        && pllHextDivEnabled != 0;
}

// ---------------------------------------------------------------------------
// PLL factor search and factor checks

void ClockTreeModel::validMsRange(double in, int &maxMs, int &minMs) const
{
    maxMs = kMsLast;
    minMs = kMsFirst;
    bool found = false;
    for (int ms = kMsFirst; ms <= kMsLast; ++ms) {
        const double r = in / ms;
        if (r >= kMsInputMin && r <= kMsInputMax) {
            if (!found)
                minMs = ms;
            maxMs = ms;
            found = true;
        }
    }
}

void ClockTreeModel::validNsRange(double in, double ms, int &maxNs, int &minNs) const
{
    maxNs = kNsLast;
    minNs = kNsFirst;
    double vcoMax = SeriesGroups::Vco1200Group.contains(seriesIndex) ? kVcoMaxWide : kVcoMax;
    if (usbDisabled == 0 && usbFromHick == 0 && SeriesGroups::PllFpFuGroup.contains(seriesIndex))
        vcoMax = kVcoMaxWithUsb;
    bool found = false;
    for (int ns = kNsFirst; ns <= kNsLast; ++ns) {
        const double vco = ns * in / ms;
        if (vco >= kVcoMin && vco <= vcoMax) {
            if (!found)
                minNs = ns;
            maxNs = ns;
            found = true;
        }
    }
}

// The ns window depends on ms alone, so the searches work it out once per
// ms instead of once per output divider and ms.
ClockTreeModel::NsWindows ClockTreeModel::nsWindows(double in, int minMs, int maxMs) const
{
    NsWindows windows{};
    for (int ms = minMs; ms <= maxMs; ++ms)
        validNsRange(in, ms, windows[ms].maxNs, windows[ms].minNs);
    return windows;
}

void ClockTreeModel::searchPllForSclk(double in)
{
    const bool fpFu = SeriesGroups::PllFpFuGroup.contains(seriesIndex);
    const bool half = SeriesGroups::HalfSclkGroup.contains(seriesIndex);
    double target = sclkMhz > maxSclk() ? maxSclk() : sclkMhz;
    if (half)
        target *= 2;
    LimitedFit fit(target, pllOutputLimit());

    int maxMs = 0;
    int minMs = 0;
    validMsRange(in, maxMs, minMs);
    const NsWindows windows = nsWindows(in, minMs, maxMs);
    const int *dividers = fpFu ? kFpDividers : kFrDividers;
    const int count = fpFu ? int(std::size(kFpDividers)) : int(std::size(kFrDividers));
    // Largest divider first; with strict improvement, ties go to the largest
    // divider, then the smallest ms, then the smallest ns.
    for (int i = count - 1; i >= 0; --i) {
        const int d = dividers[i];
        for (int ms = minMs; ms <= maxMs; ++ms) {
            for (int ns = windows[ms].minNs; ns <= windows[ms].maxNs; ++ns)
                fit.offer(ns * in / (ms * d), ms, ns, d);
        }
    }

    const LimitedFit::Factors &best = fit.best();
    pllMs = best.ms;
    pllNs = best.ns;
    pllFp = fpFu ? best.div : 0;
    pllFr = fpFu ? 0 : best.div;
    pllMhz = best.ns * in / (best.ms * best.div);
    sclkMhz = half ? pllMhz * 0.5 : pllMhz;
}

void ClockTreeModel::searchPllForUsb(double in)
{
    const bool fpFu = SeriesGroups::PllFpFuGroup.contains(seriesIndex);
    const bool half = SeriesGroups::HalfSclkGroup.contains(seriesIndex);

    double sclkTarget = 192.0;
    if (sclkSource == 1)
        sclkTarget = sclkMhz > maxSclk() ? maxSclk() : sclkMhz;
    if (half)
        sclkTarget *= 2;
    // In the fp/fu group the USB clock is the VCO over pllFu, elsewhere the
    // PLL output over usbDiv: aim at the frequency that gives 48 MHz.
    const double usbTarget = std::trunc(fpFu ? pllFu * 48.0 : usbDiv * 48.0);

    double bestUsbError = kNoMatchError;
    int bestMs = 0;
    int bestNs = 0;
    int bestDiv = 0;

    int maxMs = 0;
    int minMs = 0;
    validMsRange(in, maxMs, minMs);

    if (fpFu) {
        // First the VCO for USB: smallest ms, then largest ns on ties.
        for (int ms = minMs; ms <= maxMs; ++ms) {
            int maxNs = 0;
            int minNs = 0;
            validNsRange(in, ms, maxNs, minNs);
            for (int ns = maxNs; ns >= minNs; --ns) {
                const double error = std::fabs(ns * in / ms - usbTarget);
                if (error < bestUsbError) {
                    bestUsbError = error;
                    bestMs = ms;
                    bestNs = ns;
                }
            }
        }
        // Then the output divider nearest the SCLK target, largest first.
        // When it makes SCLK, it stays within the series' limit wherever a
        // divider can.
        LimitedFit fit(sclkTarget, sclkSource == 1 ? pllOutputLimit() : std::numeric_limits<double>::infinity());
        for (int i = int(std::size(kFpDividers)) - 1; i >= 0; --i) {
            const int fp = kFpDividers[i];
            fit.offer(bestNs * in / (bestMs * fp), bestMs, bestNs, fp);
        }
        bestDiv = fit.best().div;
    } else {
        const NsWindows windows = nsWindows(in, minMs, maxMs);
        for (int i = int(std::size(kFrDividers)) - 1; i >= 0; --i) {
            const int fr = kFrDividers[i];
            for (int ms = minMs; ms <= maxMs; ++ms) {
                for (int ns = windows[ms].minNs; ns <= windows[ms].maxNs; ++ns) {
                    const double error = std::fabs(ns * in / (ms * fr) - usbTarget);
                    if (error < bestUsbError) {
                        bestUsbError = error;
                        bestMs = ms;
                        bestNs = ns;
                        bestDiv = fr;
                    }
                }
            }
        }
    }

    pllFp = fpFu ? bestDiv : 0;
    pllMs = bestMs;
    pllNs = bestNs;
    pllFr = fpFu ? 0 : bestDiv;
    pllMhz = bestNs * in / (bestMs * bestDiv);
    if (sclkSource == 1)
        sclkMhz = half ? pllMhz * 0.5 : pllMhz;
}

void ClockTreeModel::recomputeFromPll()
{
    if (sclkSource == 1) {
        const double in = pllInputFrequency();
        if (pllFlexibleMode != 0) {
            searchPllForSclk(in);
        } else {
            // The multiplier is fitted in whole kHz; the output is what the
            // chip makes of the exact input, as every recompute has it, so
            // that a second fit or a reopened design shows the same clock.
            const qint64 inK = wholePart(in * 1000.0);
            const qint64 sK = wholePart(sclkMhz * 1000.0);
            pllMult = fitMultiplier(sK, inK);
            // Rounding up must not carry a target within the series' limit
            // past it: the nearest multiplier below the limit is taken then.
            const int limit = maxSclk();
            if (sK <= static_cast<qint64>(limit) * 1000) {
                while (pllMult > kMultMin && pllMult * in > limit)
                    --pllMult;
            }
            computePllOutput();
            sclkMhz = pllMhz;
        }
    }

    computeBuses();

    if (isUsbSkipped())
        return;
    if (seriesIndex == 2 && usbFromHick != 0)
        return;

    if (SeriesGroups::HalfSclkGroup.contains(seriesIndex)) {
        const qint64 s = 2 * wholePart(sclkMhz);
        if (s % 48 == 0)
            usbDiv = s / 48.0;
        usbDiv = qBound(2.0, usbDiv, 8.0);
        usbMhz = sclkMhz * 2 / usbDiv;
    } else if (SeriesGroups::PllFpFuGroup.contains(seriesIndex)) {
        const qint64 s = wholePart(sclkMhz) * pllFp;
        if (s % 48 == 0)
            pllFu = clampToInt(s / 48, 11, 20);
        pllFu = qBound(11, pllFu, 20);
        // There is no divider 15, 17 or 19: take the next one up.
        if (pllFu == 15 || pllFu == 17 || pllFu == 19)
            ++pllFu;
        usbMhz = pllFp * sclkMhz / pllFu;
    } else {
        const qint64 s = wholePart(sclkMhz);
        if (s % 24 == 0)
            usbDiv = s / 48.0;
        const double maxDiv = SeriesGroups::WideUsbDividerGroup.contains(seriesIndex) ? 7.0 : 4.0;
        usbDiv = qBound(1.0, usbDiv, maxDiv);
        usbMhz = sclkMhz / usbDiv;
    }
}

void ClockTreeModel::recomputeUsb()
{
    if (isUsbSkipped())
        return;

    const double in = pllInputFrequency();
    if (pllFlexibleMode != 0) {
        searchPllForUsb(in);
    } else {
        const qint64 inK = wholePart(in * 1000.0);
        const qint64 uK = wholePart(usbDiv * 48.0 * 1000.0);
        pllMult = fitMultiplier(uK, inK);
        computePllOutput();
    }

    if (SeriesGroups::PllFpFuGroup.contains(seriesIndex))
        usbMhz = pllFp * pllMhz / pllFu;
    else
        usbMhz = pllMhz / usbDiv;
}

bool ClockTreeModel::fixPllMs(int ms, int &suggested) const
{
    suggested = kMsFirst;
    const double in = pllInputFrequency();
    const double r = in / ms;
    if (r >= kMsInputMin && r <= kMsInputMax)
        return true;
    if (ms < kMsFirst || ms > kMsLast)
        return false;
    if (r < kMsInputMin) {
        for (int m = ms; m >= kMsFirst; --m) {
            if (in / m >= kMsInputMin) {
                suggested = m;
                break;
            }
        }
    } else if (r > kMsInputMax) {
        for (int m = ms; m <= kMsLast; ++m) {
            if (in / m <= kMsInputMax) {
                suggested = m;
                break;
            }
        }
    }
    return false;
}

bool ClockTreeModel::fixPllNs(int ns, int ms, int &suggested) const
{
    suggested = kNsFirst;
    const double in = pllInputFrequency();
    const double vcoMax = SeriesGroups::Vco1200Group.contains(seriesIndex) ? kVcoMaxWide : kVcoMax;
    const double vco = ns * in / ms;
    if (vco >= kVcoMin && vco <= vcoMax)
        return true;
    if (ns < kNsFirst || ns > kNsLast)
        return false;
    if (vco < kVcoMin) {
        for (int n = ns; n <= kNsLast; ++n) {
            if (n * in / ms >= kVcoMin) {
                suggested = n;
                break;
            }
        }
    } else if (vco > vcoMax) {
        for (int n = ns; n >= kNsFirst; --n) {
            if (n * in / ms <= vcoMax) {
                suggested = n;
                break;
            }
        }
    }
    return false;
}

// ---------------------------------------------------------------------------
// Value-to-name mappers

QString ClockTreeModel::adcClockSourceName() const
{
    return nameForCode(RegisterNameTables::adcClockSourceNames, adcClockSource);
}

QString ClockTreeModel::canClockSourceName(int source) const
{
    const QStringList &names = RegisterNameTables::canClockSourceNames;
    if (source == 1)
        return SeriesGroups::ThreeCanGroup.contains(seriesIndex) ? names.at(3) : names.at(1);
    if (source == 2)
        return names.at(2);
    return names.at(0);
}

QString ClockTreeModel::clkout1SourceName() const
{
    return nameForCode(RegisterNameTables::clkout1SourceNames, clkout1Source);
}

QString ClockTreeModel::clkout2SourceName() const
{
    return nameForCode(RegisterNameTables::clkout2SourceNames, clkout2Source);
}

QString ClockTreeModel::clkoutSourceName() const
{
    return nameForCode(RegisterNameTables::clkoutSourceNames, clkoutSource);
}

QString ClockTreeModel::i2cClockSourceName() const
{
    return nameForCode(RegisterNameTables::i2cClockSourceNames, i2c1ClockSource);
}

QString ClockTreeModel::i2sf5ClockSourceName() const
{
    return nameForCode(RegisterNameTables::i2sf5ClockSourceNames, i2sf5ClockSource);
}

QString ClockTreeModel::usart1ClockSourceName() const
{
    return nameForCode(RegisterNameTables::usartClockSourceNames, usart1ClockSource);
}

QString ClockTreeModel::usart2ClockSourceName() const
{
    return nameForCode(RegisterNameTables::usartClockSourceNames, usart2ClockSource);
}

QString ClockTreeModel::usart3ClockSourceName() const
{
    return nameForCode(RegisterNameTables::usartClockSourceNames, usart3ClockSource);
}

QString ClockTreeModel::adcDivName() const
{
    return nameForValue(RegisterNameTables::adcDivNames, adcDiv);
}

QString ClockTreeModel::ahbDivName() const
{
    return nameForValue(RegisterNameTables::ahbDivNames, ahbDiv);
}

QString ClockTreeModel::apb1DivName() const
{
    return nameForValue(RegisterNameTables::apb1DivNames, apb1Div);
}

QString ClockTreeModel::apb2DivName() const
{
    return nameForValue(RegisterNameTables::apb2DivNames, apb2Div);
}

QString ClockTreeModel::apb3DivName() const
{
    return nameForValue(RegisterNameTables::apb3DivNames, apb3Div);
}

QString ClockTreeModel::clkoutDiv1Name(int div) const
{
    return nameForValue(RegisterNameTables::clkoutDiv1Names, div);
}

QString ClockTreeModel::clkoutDiv2Name(int div) const
{
    return nameForValue(RegisterNameTables::clkoutDiv2Names, div);
}

QString ClockTreeModel::clkoutDivName(int div) const
{
    return nameForValue(RegisterNameTables::clkoutDivNames, div);
}

QString ClockTreeModel::hextSclkDivName() const
{
    return nameForValue(RegisterNameTables::hextSclkDivNames, hextDiv);
}

QString ClockTreeModel::hickSclkDivName() const
{
    return nameForValue(RegisterNameTables::hickSclkDivNames, hickDiv);
}

QString ClockTreeModel::rtcHextDivName() const
{
    // The table covers 2..31; anything else is clamped into it rather than
    // read outside it.
    const QStringList &names = RegisterNameTables::ertcHextDivNames;
    return names.at(qBound(0, rtcHextDiv - 2, names.size() - 1));
}

QString ClockTreeModel::usbDivName() const
{
    const QStringList &names = RegisterNameTables::usbDivNames;
    if (usbDisabled != 0 || usbFromHick != 0 || SeriesGroups::NoUsbGroup.contains(seriesIndex))
        return names.first();
    // Entry k is the divider 1.0 + 0.5 k; only an exact value has its own name.
    for (int k = 0; k < names.size(); ++k) {
        if (usbDiv == 1.0 + 0.5 * k)
            return names.at(k);
    }
    return names.first();
}

bool ClockTreeModel::pllInFlexibleUse() const
{
    return pllFlexibleMode == 1 && isPllUsed();
}

QString ClockTreeModel::pllSourceName() const
{
    const QStringList &names = RegisterNameTables::pllSourceNames;
    if (!isPllUsed())
        return names.at(0);
    if (pllSource != 0)
        return names.at(2);
    if (SeriesGroups::DirectPllInputGroup.contains(seriesIndex))
        return names.at(0);
    if (pllHextDivEnabled != 0)
        return names.at(1);
    return names.at(0);
}

QString ClockTreeModel::pllFpName() const
{
    // Entry 0 (/1) is also the fallback, so a value without a name maps there.
    if (!pllInFlexibleUse())
        return RegisterNameTables::pllFpNames.first();
    return nameForValue(RegisterNameTables::pllFpNames, pllFp);
}

QString ClockTreeModel::pllFrName() const
{
    if (!pllInFlexibleUse())
        return RegisterNameTables::pllFrNames.first();
    return nameForValue(RegisterNameTables::pllFrNames, pllFr);
}

QString ClockTreeModel::pllFuName() const
{
    if (!pllInFlexibleUse())
        return RegisterNameTables::pllFuNames.first();
    return nameForValue(RegisterNameTables::pllFuNames, pllFu);
}

QString ClockTreeModel::pllMsText() const
{
    return pllInFlexibleUse() ? QString::number(pllMs) : QStringLiteral("1");
}

QString ClockTreeModel::pllNsText() const
{
    return pllInFlexibleUse() ? QString::number(pllNs) : QStringLiteral("31");
}

QString ClockTreeModel::pllMultName() const
{
    if (isPllUsed() && pllFlexibleMode == 0)
        return RegisterNameTables::pllMultPrefix.first() + QString::number(pllMult);
    return QString();
}

QString ClockTreeModel::pllOutputRangeName() const
{
    if (!isPllUsed())
        return QString();
    return RegisterNameTables::pllOutputRangeNames.at(pllMhz > 72.0 ? 1 : 0);
}

QString ClockTreeModel::hextDivName() const
{
    if (!isHextDivUsed())
        return QString();
    return RegisterNameTables::hextDivPrefix.first() + QString::number(hextDiv);
}

QString ClockTreeModel::flashWaitCycleName() const
{
    static const double upperBounds[] = {32, 64, 96, 128, 160, 192, 216};
    const QStringList &names = RegisterNameTables::flashWaitCycleNames;
    for (int i = 0; i < int(std::size(upperBounds)); ++i) {
        if (sclkMhz <= upperBounds[i])
            return names.at(i);
    }
    return names.at(7);
}

QString ClockTreeModel::flashClockDivName() const
{
    return RegisterNameTables::flashClockDivNames.at(sclkMhz > 208.0 ? 1 : 0);
}

QString ClockTreeModel::ldoOutputName() const
{
    const QStringList &names = RegisterNameTables::ldoOutputNames;
    const QString &v13 = names.at(0);
    const QString &v12 = names.at(1);
    const QString &v11 = names.at(2);
    const int s = seriesIndex;
    const double f = sclkMhz;

    // Per series: SCLK above which the core needs 1.3 V and 1.2 V.
    struct LdoSteps {
        SeriesIndexSet series;
        double above13;
        double above12;
    };
    static const LdoSteps steps[] = {
        {SeriesIndexSet{13, 14}, 240, 144},
        {SeriesIndexSet{18, 29}, 120, 64},
        {SeriesIndexSet{19, 20, 30}, 192, 108},
        {SeriesIndexSet{21, 22, 23}, 160, 108},
    };
    for (const LdoSteps &step : steps) {
        if (step.series.contains(s))
            return f > step.above13 ? v13 : (f > step.above12 ? v12 : v11);
    }
    if (s == 16)
        return f > 32 ? v12 : v11;
    if (SeriesGroups::SingleCanGroup.contains(s))
        return (f > 150 && f <= 180) ? v13 : v12;
    return QString();
}

namespace {
// Clock-out pin codes: 0 none, 1 PA8, 2 PA9, 3 PB13, 4 PC9, 5 PF2, 6 PE4.
// Pin number within its port; none gives pin 0.
int clkoutPinNumber(int pin)
{
    static const int numbers[] = {0, 8, 9, 13, 9, 2, 4};
    return (pin >= 1 && pin <= 6) ? numbers[pin] : 0;
}

// Port as a position in the GPIO port tables; none gives port A.
int clkoutPortIndex(int pin)
{
    static const int ports[] = {0, 0, 0, 1, 2, 5, 4};
    return (pin >= 1 && pin <= 6) ? ports[pin] : 0;
}
} // namespace

QString ClockTreeModel::clkoutPinName() const
{
    return RegisterNameTables::gpioPinNames.at(clkoutPinNumber(clkoutPin));
}

QString ClockTreeModel::clkoutPinSourceName() const
{
    return RegisterNameTables::gpioPinSourceNames.at(clkoutPinNumber(clkoutPin));
}

QString ClockTreeModel::clkoutGpioPortName() const
{
    return RegisterNameTables::gpioPortNames.at(clkoutPortIndex(clkoutPin));
}

QString ClockTreeModel::clkoutGpioClockName() const
{
    return RegisterNameTables::gpioPeriphClockNames.at(clkoutPortIndex(clkoutPin));
}

QString ClockTreeModel::clkoutMuxName() const
{
    const QStringList &mux = RegisterNameTables::gpioMuxNames;
    const int s = seriesIndex;
    if (s == 9 && clkoutPin == 2)
        return mux.at(5);
    if (s == 15 || s == 16) {
        if (clkoutPin == 2)
            return mux.at(5);
        if (clkoutPin == 3)
            return mux.at(3);
    }
    return mux.at(0);
}

QString ClockTreeModel::clkout1PinName() const
{
    const QStringList &pins = RegisterNameTables::gpioPinNames;
    if (clkout1Pin == 1)
        return pins.at(8);
    if (clkout1Pin == 2)
        return pins.at(4);
    return pins.at(0);
}

QString ClockTreeModel::clkout1PinSourceName() const
{
    const QStringList &pins = RegisterNameTables::gpioPinSourceNames;
    if (clkout1Pin == 1)
        return pins.at(8);
    if (clkout1Pin == 2)
        return pins.at(4);
    return pins.at(0);
}

QString ClockTreeModel::clkout1GpioPortName() const
{
    return RegisterNameTables::gpioPortNames.at(clkout1Pin == 2 ? 4 : 0);
}

QString ClockTreeModel::clkout1GpioClockName() const
{
    return RegisterNameTables::gpioPeriphClockNames.at(clkout1Pin == 2 ? 4 : 0);
}

QString ClockTreeModel::clkout1MuxName() const
{
    return RegisterNameTables::gpioMuxNames.at(0);
}

QString ClockTreeModel::clkoutIndexName(int n) const
{
    return RegisterNameTables::clkoutIndexNamesB.at(n == 2 ? 1 : 0);
}

namespace {
const char *const kClkoutPinNames[] = {"PA8", "PA9", "PB13", "PC9", "PF2", "PE4"};
}

int ClockTreeModel::pinIndexFromName(const QString &name)
{
    for (int i = 0; i < int(std::size(kClkoutPinNames)); ++i) {
        if (name == QLatin1String(kClkoutPinNames[i]))
            return i + 1;
    }
    return 0;
}

QString ClockTreeModel::pinNameFromIndex(int index)
{
    if (index >= 1 && index <= int(std::size(kClkoutPinNames)))
        return QString::fromLatin1(kClkoutPinNames[index - 1]);
    return QStringLiteral("NONE");
}

// ---------------------------------------------------------------------------
// Code generator

bool ClockTreeModel::writeSourceFiles(const QString &incDir, const QString &srcDir, const QString &stem,
                                      QString *failedPath)
{
    return SourceGenerator(*this).writeSourceFiles(incDir, srcDir, stem, failedPath);
}

bool ClockTreeModel::findUnwritableClock(QString *name, double *mhz) const
{
    return SourceGenerator::findUnwritableClock(*this, name, mhz);
}

void ClockTreeModel::askReplaceFile(const QString &fileName, bool &replace, bool &applyToAll)
{
    SourceGenerator(*this).askReplaceFile(fileName, replace, applyToAll);
}
