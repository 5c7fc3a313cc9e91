#include "DesignKeyTable.h"

#include "FiniteNumber.h"
#include "KytoMCUPLL.h"
#include "PageMessages.h"

DesignKeyTable::Row DesignKeyTable::code(const QString &key, std::function<int()> value,
                                         std::function<void(int)> read, const QVector<int> &codes, int fallback)
{
    Row row;
    row.key = key;
    row.write = [value] { return QString::number(value()); };
    row.readCode = std::move(read);
    row.codes = codes;
    row.fallback = fallback;
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
    row.readText = [format, read, low, high, fallback](const QString &text) {
        double v = fallback;
        if (FiniteNumber::inRange(text, low, high, &v))
            read(v, text);
        else
            read(fallback, format(fallback));
    };
    return row;
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

void DesignKeyTable::apply(const QString &key, const QString &text) const
{
    for (const Row &row : rows) {
        if (row.key != key)
            continue;
        if (row.readText)
            row.readText(text);
        else if (row.readCode)
            row.readCode(codeOf(row, text));
        return;
    }
}

QHash<QString, QString> DesignKeyTable::load(const QString &path, const QStringList &order, PageMessages &messages) const
{
    const QHash<QString, QString> values = KytoMCUPLL::readConfigValues(path);
    QHash<QString, QString> texts;
    const PageMessages::QuietScope quiet(messages);
    for (const QString &key : order) {
        const QString text = values.value(key);
        texts.insert(key, text);
        apply(key, text);
    }
    return texts;
}
