#ifndef LIMITCHECKS_H
#define LIMITCHECKS_H

#include <QVector>

class PageMessages;

// The checks before a design is generated or saved, as rows. A limit row
// stops with the error "<message> <limit>MHz" when value > limit; a question
// row asks Yes/Cancel when its clock is wrong, and Cancel stops. Rows run in
// order: every limit row first, then the questions. Messages are source
// texts (QT_TRANSLATE_NOOP), translated in the page's class context.
//
//   QVector<LimitRow> limits{{model->sclkMhz, sclkMax, QT_TRANSLATE_NOOP("Family", "Can not support sclk greater than")}};
//   if (pllInUse) limits.append({model->pllMhz, sclkMax, ...});
//   QVector<LimitQuestion> questions{{model->usbMhz != 48.0, QT_TRANSLATE_NOOP("Family", "USB clock must be 48MHz. ...")}};
//   if (!LimitChecks::pass(messages, limits, questions)) return false;
struct LimitRow {
    double value;
    double limit;
    const char *message;
};

struct LimitQuestion {
    bool wrong;
    const char *question;
};

namespace LimitChecks {

bool pass(const PageMessages &messages, const QVector<LimitRow> &limits,
          const QVector<LimitQuestion> &questions = {});

} // namespace LimitChecks

#endif // LIMITCHECKS_H
