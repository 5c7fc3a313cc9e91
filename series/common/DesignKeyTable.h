#ifndef DESIGNKEYTABLE_H
#define DESIGNKEYTABLE_H

#include "DesignFile.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class PageMessages;
class QRadioButton;

// The design-file keys of one page family: one row per key, saying how
// the key is written and read. The write order is the row order; the load
// order is a list of names, since a family may read in another order (each
// key's slot runs as it is applied).
//
// Integer keys are read base-10 (a missing key or a text that is no
// integer reads as 0). A value outside the codes a control offers takes
// the row's fall-back, so a control never ends at -1. On/off keys take any
// nonzero value as 1. Text keys (a typed frequency, a fractional divider)
// get the text as read and convert it themselves; number keys take only a
// finite number in their range, else their fall-back.
//
// A row for a value the user types (HEXT, a PLL factor) names the edit's
// input-error text: when Open finds the key with a value the row does not
// take, the page tells the user once, after the design is in
// (tellReplacedValues). A missing key is no error.
//
//   DesignKeyTable keys;                                   // built once after the controls
//   keys.add(DesignKeyTable::onOff("lextbypass", [this] { return model->lextBypass; },
//            [this](bool on) { lextbypassComboBox->setCurrentIndex(on); model->lextBypass = on; }));
//   keys.add(DesignKeyTable::code("ahbdiv", [this] { return model->ahbDiv; }, [this](int v) { ... },
//            DividerTable::ahb().codes(), 1));
//   keys.add(DesignKeyTable::text("hext", [this] { return QString::number(model->hextMhz, 'f', 6); },
//            [this](const QString &t) { ... }));
//
//   DesignFile::save(this, messages, seriesName, keys.values());
//   QHash<QString, QString> texts = keys.load(path, loadOrder, messages);   // quiet; then one closing check
class DesignKeyTable
{
public:
    struct Row {
        QString key;
        std::function<QString()> write;
        std::function<void(int)> readCode;              // integer keys
        std::function<void(const QString &)> readText;  // text keys
        QVector<int> codes;                             // empty: any integer
        int fallback = 0;
        bool anyNonzeroIsOne = false;
        // Whether a text from the file is taken as it is; empty: any text.
        std::function<bool(const QString &)> accepts;
        // Untranslated; null: a replaced value is replaced silently.
        const char *inputError = nullptr;
    };

    static Row code(const QString &key, std::function<int()> value, std::function<void(int)> read,
                    const QVector<int> &codes, int fallback);
    static Row onOff(const QString &key, std::function<bool()> value, std::function<void(bool)> read);
    static Row text(const QString &key, std::function<QString()> write, std::function<void(const QString &)> read);
    // A decimal key typed into an edit of eight characters (a crystal): the
    // text counts when it is a finite number within low..high. Any other
    // text (nan, inf, empty, a word, a number out of range) is read as the
    // fallback as format writes it, so a bad value never reaches Save or the
    // code. read gets the text the edit shows (shownText) and its value, so
    // the edit and the model agree.
    static Row number(const QString &key, std::function<double()> value, std::function<QString(double)> format,
                      std::function<void(double value, const QString &text)> read, double low, double high,
                      double fallback);
    // A radio group: checks the radio of the code (unknown: the fallback's)
    // and lets its slots run, then stores the code of the radio that ends up
    // checked, since a slot may move the choice on at once (a clock-out
    // whose source is off).
    // radioOf gives the radio of a code when the key is read.
    static Row radios(const QString &key, std::function<int()> value, std::function<void(int)> store,
                      const QVector<int> &codes, std::function<QRadioButton *(int code)> radioOf, int fallback);
    // The row, telling inputError when Open replaces a value it does not
    // take (accepts: which texts it takes, when the row does not know).
    static Row told(Row row, const char *inputError, std::function<bool(const QString &)> accepts = {});

    // The text a number row shows for a file's text: the text itself when
    // it is in range, else fallbackText; one longer than the edit's eight
    // characters is rounded to fit, never cut. Its value is what the model
    // holds.
    static QString shownText(const QString &text, double low, double high, const QString &fallbackText);
    static constexpr int kEditLength = 8;

    void add(const Row &row);
    bool contains(const QString &key) const;

    // Every key and its text, in row order.
    DesignFile::Values values() const;

    // Converts the text as the key's row says and applies it; an unknown key
    // is ignored.
    void apply(const QString &key, const QString &text) const;

    // Reads the keys of the order from the file and applies them one by one,
    // with the page's messages quiet, so the page runs one check at the end.
    // Returns every text read, for the page to put back what its slots
    // changed on the way.
    QHash<QString, QString> load(const QString &path, const QStringList &order, PageMessages &messages);
    // One error box per key of the last load whose value was present but
    // replaced, in load order; each is told once.
    void tellReplacedValues(const PageMessages &messages);

    // The code a row takes for the text: base-10 integer, 0 when none, the
    // fall-back when outside the codes.
    static int codeOf(const Row &row, const QString &text);

private:
    const Row *rowOf(const QString &key) const;

    QVector<Row> rows;
    QVector<const char *> replacedOnLoad;
};

#endif // DESIGNKEYTABLE_H
