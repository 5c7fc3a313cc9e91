#include "DesignKeyTable.h"

#include "FiniteNumber.h"
#include "KytoMCUPLL.h"
#include "PageMessages.h"
#include "Readouts.h"

#include <QRadioButton>

DesignKeyTable::Row DesignKeyTable::code(const QString &key, std::function<int()> value,
                                         std::function<void(int)> read, const QVector<int> &codes, int fallback)
{
    Row row;
    row.key = key;
    row.write = [value] { return QString::number(value()); };
    row.readCode = std::move(read);
    row.codes = codes;
    row.fallback = fallback;
    row.accepts = [codes](const QString &text) {
        bool ok = false;
        const int v = text.toInt(&ok, 10);
        return ok && (codes.isEmpty() || codes.contains(v));
    };
    return row;
}

DesignKeyTable::Row DesignKeyTable::radios(const QString &key, std::function<int()> value,
                                           std::function<void(int)> store, const QVector<int> &codes,
                                           std::function<QRadioButton *(int)> radioOf, int fallback)
{
    return code(key, std::move(value), [store, codes, radioOf](int v) {
        radioOf(v)->setChecked(true);
        int checked = v;
        for (int c : codes) {
            QRadioButton *radio = radioOf(c);
            if (radio && radio->isChecked())
                checked = c;
        }
        store(checked);
    }, codes, fallback);
}

DesignKeyTable::Row DesignKeyTable::told(Row row, const char *inputError, std::function<bool(const QString &)> accepts)
{
    row.inputError = inputError;
    if (accepts)
        row.accepts = std::move(accepts);
    return row;
}

DesignKeyTable::Row DesignKeyTable::onOff(const QString &key, std::function<bool()> value,
                                          std::function<void(bool)> read)
{
    Row row;
    row.key = key;
    row.write = [value] { return QString::number(value() ? 1 : 0); };
    row.readCode = [read](int code) { read(code != 0); };
    row.codes = {0, 1};
    row.anyNonzeroIsOne = true;
    return row;
}

DesignKeyTable::Row DesignKeyTable::text(const QString &key, std::function<QString()> write,
                                         std::function<void(const QString &)> read)
{
    Row row;
    row.key = key;
    row.write = std::move(write);
    row.readText = std::move(read);
    return row;
}

DesignKeyTable::Row DesignKeyTable::number(const QString &key, std::function<double()> value,
                                           std::function<QString(double)> format,
                                           std::function<void(double, const QString &)> read, double low,
                                           double high, double fallback)
{
    Row row;
    row.key = key;
    row.write = [value, format] { return format(value()); };
    row.readText = [read, low, high, fallback, format](const QString &text) {
        const QString shown = shownText(text, low, high, format(fallback));
        read(shown.toDouble(), shown);
    };
    row.accepts = [low, high](const QString &text) { return FiniteNumber::inRange(text, low, high); };
    return row;
}

QString DesignKeyTable::shownText(const QString &text, double low, double high, const QString &fallbackText)
{
    const QString taken = FiniteNumber::inRange(text, low, high) ? text : fallbackText;
    // The edit holds eight characters: a longer text would be cut mid-number,
    // so it is rounded to what fits, and the model holds what is shown.
    if (taken.length() <= kEditLength)
        return taken;
    return Readouts::typedValueText(taken.toDouble());
}

void DesignKeyTable::add(const Row &row)
{
    rows << row;
}

bool DesignKeyTable::contains(const QString &key) const
{
    for (const Row &row : rows) {
        if (row.key == key)
            return true;
    }
    return false;
}

DesignFile::Values DesignKeyTable::values() const
{
    DesignFile::Values result;
    for (const Row &row : rows)
        result << qMakePair(row.key, row.write());
    return result;
}

int DesignKeyTable::codeOf(const Row &row, const QString &text)
{
    bool ok = false;
    int v = text.toInt(&ok, 10);
    if (!ok)
        v = 0;
    if (row.anyNonzeroIsOne && v != 0)
        v = 1;
    if (!row.codes.isEmpty() && !row.codes.contains(v))
        v = row.fallback;
    return v;
}

const DesignKeyTable::Row *DesignKeyTable::rowOf(const QString &key) const
{
    for (const Row &row : rows) {
        if (row.key == key)
            return &row;
    }
    return nullptr;
}

void DesignKeyTable::apply(const QString &key, const QString &text) const
{
    const Row *row = rowOf(key);
    if (!row)
        return;
    if (row->readText)
        row->readText(text);
    else if (row->readCode)
        row->readCode(codeOf(*row, text));
}

QHash<QString, QString> DesignKeyTable::load(const QString &path, const QStringList &order, PageMessages &messages)
{
    const QHash<QString, QString> values = KytoMCUPLL::readConfigValues(path);
    QHash<QString, QString> texts;
    replacedOnLoad.clear();
    const PageMessages::QuietScope quiet(messages);
    for (const QString &key : order) {
        const QString text = values.value(key);
        texts.insert(key, text);
        apply(key, text);
        const Row *row = rowOf(key);
        if (row && row->inputError && row->accepts && values.contains(key) && !row->accepts(text)
            && !replacedOnLoad.contains(row->inputError))
            replacedOnLoad << row->inputError;
    }
    return texts;
}

void DesignKeyTable::tellReplacedValues(const PageMessages &messages)
{
    const QVector<const char *> told = replacedOnLoad;
    replacedOnLoad.clear();
    for (const char *text : told)
        messages.showError(messages.text(text));
}
