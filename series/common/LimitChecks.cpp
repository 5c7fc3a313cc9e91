#include "LimitChecks.h"

#include "PageMessages.h"

#include <QString>

namespace LimitChecks {

bool pass(const PageMessages &messages, const QVector<LimitRow> &limits, const QVector<LimitQuestion> &questions)
{
    for (const LimitRow &row : limits) {
        if (row.value > row.limit) {
            messages.showError(messages.text(row.message) + QStringLiteral(" ") + QString::number(row.limit)
                               + QStringLiteral("MHz"));
            return false;
        }
    }
    for (const LimitQuestion &row : questions) {
        if (row.wrong && !messages.askYesCancel(messages.text(row.question)))
            return false;
    }
    return true;
}

} // namespace LimitChecks
