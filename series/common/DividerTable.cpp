#include "DividerTable.h"

DividerTable::DividerTable(std::initializer_list<double> divisors, const QString &itemPrefix)
    : values(divisors)
    , prefix(itemPrefix)
{
}

const DividerTable &DividerTable::ahb()
{
    static const DividerTable table{1, 2, 4, 8, 16, 64, 128, 256, 512};
    return table;
}

const DividerTable &DividerTable::clockOut()
{
    return ahb();
}

const DividerTable &DividerTable::apb()
{
    static const DividerTable table{1, 2, 4, 8, 16};
    return table;
}

const DividerTable &DividerTable::adc()
{
    static const DividerTable table({2, 4, 6, 8, 12, 16}, QStringLiteral(" /"));
    return table;
}

double DividerTable::valueAt(int index) const
{
    return index >= 0 && index < values.size() ? values[index] : values.value(0);
}

int DividerTable::indexOf(double value) const
{
    return values.indexOf(value);
}

int DividerTable::indexOrFirst(double value) const
{
    return qMax(0, indexOf(value));
}

QStringList DividerTable::items() const
{
    QStringList texts;
    for (double v : values)
        texts << prefix + QString::number(v);
    return texts;
}

QVector<int> DividerTable::codes() const
{
    QVector<int> result;
    for (double v : values)
        result << int(v);
    return result;
}
