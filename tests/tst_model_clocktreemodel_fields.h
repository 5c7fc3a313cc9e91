#ifndef TST_MODEL_CLOCKTREEMODEL_FIELDS_H
#define TST_MODEL_CLOCKTREEMODEL_FIELDS_H

// Test helper: set and read ClockTreeModel fields by name, so that test rows
// can state a configuration as "sclkSource=1 hextMhz=12" and the expected
// result as "sclkMhz=4 apb1Div=2".

#include "ClockTreeModel.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTest>

#include <cmath>
#include <variant>

namespace ModelFields {

using FieldPtr = std::variant<int ClockTreeModel::*, double ClockTreeModel::*, bool ClockTreeModel::*>;

#define KYTO_MODEL_FIELD(name) {QStringLiteral(#name), FieldPtr(&ClockTreeModel::name)}

inline const QList<QPair<QString, FieldPtr>> &fieldList()
{
    static const QList<QPair<QString, FieldPtr>> fields = {
        KYTO_MODEL_FIELD(seriesIndex), KYTO_MODEL_FIELD(applyToAllConflicts), KYTO_MODEL_FIELD(lextKhz),
        KYTO_MODEL_FIELD(lextBypass), KYTO_MODEL_FIELD(hextMhz), KYTO_MODEL_FIELD(hickMhz),
        KYTO_MODEL_FIELD(hextBypass), KYTO_MODEL_FIELD(rtcSource), KYTO_MODEL_FIELD(rtcEnabled),
        KYTO_MODEL_FIELD(rtcHextDiv), KYTO_MODEL_FIELD(hextDiv), KYTO_MODEL_FIELD(hickDiv),
        KYTO_MODEL_FIELD(pllHextDivEnabled), KYTO_MODEL_FIELD(pllSource), KYTO_MODEL_FIELD(pllMs),
        KYTO_MODEL_FIELD(pllNs), KYTO_MODEL_FIELD(pllFr), KYTO_MODEL_FIELD(pllFp), KYTO_MODEL_FIELD(pllFu),
        KYTO_MODEL_FIELD(sclkSource), KYTO_MODEL_FIELD(ahbDiv), KYTO_MODEL_FIELD(apb1Div),
        KYTO_MODEL_FIELD(apb2Div), KYTO_MODEL_FIELD(apb3Div), KYTO_MODEL_FIELD(pllMhz),
        KYTO_MODEL_FIELD(sclkMhz), KYTO_MODEL_FIELD(ahbMhz), KYTO_MODEL_FIELD(apb1Mhz),
        KYTO_MODEL_FIELD(apb1TimerMult), KYTO_MODEL_FIELD(apb1TimerMhz), KYTO_MODEL_FIELD(apb2Mhz),
        KYTO_MODEL_FIELD(apb3Mhz), KYTO_MODEL_FIELD(apb2TimerMult), KYTO_MODEL_FIELD(apb2TimerMhz),
        KYTO_MODEL_FIELD(adcEnabled), KYTO_MODEL_FIELD(adcDiv), KYTO_MODEL_FIELD(adcMhz),
        KYTO_MODEL_FIELD(usbDiv), KYTO_MODEL_FIELD(usbDisabled), KYTO_MODEL_FIELD(usbMhz),
        KYTO_MODEL_FIELD(usbFromHick), KYTO_MODEL_FIELD(sclkHick48), KYTO_MODEL_FIELD(clkout1Div1),
        KYTO_MODEL_FIELD(clkout1Div2), KYTO_MODEL_FIELD(clkout1Pin), KYTO_MODEL_FIELD(clkout2Div1),
        KYTO_MODEL_FIELD(clkout2Div2), KYTO_MODEL_FIELD(clkout2Pin), KYTO_MODEL_FIELD(clkout1Source),
        KYTO_MODEL_FIELD(clkout2Source), KYTO_MODEL_FIELD(clkoutDiv), KYTO_MODEL_FIELD(clkoutPin),
        KYTO_MODEL_FIELD(clkoutSource), KYTO_MODEL_FIELD(clkoutDiv1), KYTO_MODEL_FIELD(clkoutDiv2),
        KYTO_MODEL_FIELD(usart1Enabled), KYTO_MODEL_FIELD(usart2Enabled), KYTO_MODEL_FIELD(usart3Enabled),
        KYTO_MODEL_FIELD(i2c1Enabled), KYTO_MODEL_FIELD(i2sf5Enabled), KYTO_MODEL_FIELD(can1Enabled),
        KYTO_MODEL_FIELD(can2Enabled), KYTO_MODEL_FIELD(can3Enabled), KYTO_MODEL_FIELD(pllFlexibleMode),
        KYTO_MODEL_FIELD(pllMult), KYTO_MODEL_FIELD(usart1ClockSource), KYTO_MODEL_FIELD(usart2ClockSource),
        KYTO_MODEL_FIELD(usart3ClockSource), KYTO_MODEL_FIELD(i2c1ClockSource),
        KYTO_MODEL_FIELD(adcClockSource), KYTO_MODEL_FIELD(i2sf5ClockSource),
        KYTO_MODEL_FIELD(can1ClockSource), KYTO_MODEL_FIELD(can2ClockSource),
        KYTO_MODEL_FIELD(can3ClockSource), KYTO_MODEL_FIELD(interactiveGenerate),
    };
    return fields;
}

#undef KYTO_MODEL_FIELD

inline const FieldPtr *findField(const QString &name)
{
    for (const auto &entry : fieldList()) {
        if (entry.first == name)
            return &entry.second;
    }
    return nullptr;
}

inline double fieldValue(const ClockTreeModel &m, const QString &name)
{
    const FieldPtr *field = findField(name);
    if (!field)
        qFatal("unknown model field %s", qPrintable(name));
    return std::visit([&m](auto ptr) { return static_cast<double>(m.*ptr); }, *field);
}

inline void setField(ClockTreeModel &m, const QString &name, double value)
{
    const FieldPtr *field = findField(name);
    if (!field)
        qFatal("unknown model field %s", qPrintable(name));
    std::visit([&m, value](auto ptr) {
        using T = std::remove_reference_t<decltype(m.*ptr)>;
        m.*ptr = static_cast<T>(value);
    }, *field);
}

// "name=value name=value ..."
inline QList<QPair<QString, double>> parseAssignments(const QString &text)
{
    QList<QPair<QString, double>> result;
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const int eq = part.indexOf(QLatin1Char('='));
        bool ok = false;
        const double value = part.mid(eq + 1).toDouble(&ok);
        if (eq <= 0 || !ok)
            qFatal("bad assignment %s", qPrintable(part));
        result.append(qMakePair(part.left(eq), value));
    }
    return result;
}

inline void apply(ClockTreeModel &m, const QString &assignments)
{
    for (const auto &a : parseAssignments(assignments))
        setField(m, a.first, a.second);
}

// Every field that differs from the expectation, as "name: actual (expected)".
inline QStringList mismatches(const ClockTreeModel &m, const QString &expected)
{
    QStringList out;
    for (const auto &e : parseAssignments(expected)) {
        const double actual = fieldValue(m, e.first);
        if (!(std::fabs(actual - e.second) <= 1e-9 * std::max(1.0, std::fabs(e.second))))
            out << QStringLiteral("%1: %2 (expected %3)").arg(e.first).arg(actual, 0, 'g', 12).arg(e.second, 0, 'g', 12);
    }
    return out;
}

// Every field as "name=value", for comparing two models as a whole.
inline QStringList dump(const ClockTreeModel &m, const QStringList &skip = QStringList())
{
    QStringList out;
    for (const auto &entry : fieldList()) {
        if (skip.contains(entry.first))
            continue;
        out << QStringLiteral("%1=%2").arg(entry.first).arg(fieldValue(m, entry.first), 0, 'g', 15);
    }
    return out;
}

} // namespace ModelFields

#define VERIFY_MODEL_FIELDS(model, expected)                                           \
    do {                                                                              \
        const QStringList bad_ = ModelFields::mismatches((model), (expected));        \
        if (!bad_.isEmpty())                                                          \
            QFAIL(qPrintable(bad_.join(QStringLiteral("; "))));                       \
    } while (false)

#endif // TST_MODEL_CLOCKTREEMODEL_FIELDS_H
