#ifndef DIVIDERTABLE_H
#define DIVIDERTABLE_H

#include <QString>
#include <QStringList>
#include <QVector>

#include <initializer_list>

// The values of one divider combo box, in item order, with the item texts
// and the two lookups a page needs: item index -> divisor (slots) and
// divisor -> item index (design files, model write-backs). Every lookup
// falls back to the first item, so a combo box never ends at -1.
//
//   ahbdivComboBox->insertItems(0, DividerTable::ahb().items());
//   model->ahbDiv = DividerTable::ahb().intAt(index);
//   ahbdivComboBox->setCurrentIndex(DividerTable::ahb().indexOrFirst(model->ahbDiv));
//
// A family with a divider of its own builds one: DividerTable({2, 3, 4, 5}).
class DividerTable
{
public:
    // itemPrefix goes before each value in the item text ("  /2").
    DividerTable(std::initializer_list<double> values, const QString &itemPrefix = QStringLiteral("  /"));

    static const DividerTable &ahb();       // 1, 2, 4, 8, 16, 64, 128, 256, 512
    static const DividerTable &clockOut();  // as ahb()
    static const DividerTable &apb();       // 1, 2, 4, 8, 16
    static const DividerTable &adc();       // 2, 4, 6, 8, 12, 16 (items " /2")

    int count() const { return values.size(); }
    // The divisor of an item; the first divisor for an index outside the list.
    double valueAt(int index) const;
    int intAt(int index) const { return int(valueAt(index)); }
    // The item of a divisor; -1, or 0 with indexOrFirst, when none.
    int indexOf(double value) const;
    int indexOrFirst(double value) const;
    QStringList items() const;
    // The divisors as integer codes, for a design-file key row.
    QVector<int> codes() const;

private:
    QVector<double> values;
    QString prefix;
};

#endif // DIVIDERTABLE_H
