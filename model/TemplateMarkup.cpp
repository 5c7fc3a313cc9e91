#include "TemplateMarkup.h"

namespace {

QRegExp greedy(const QString &pattern)
{
    QRegExp rx(pattern, Qt::CaseSensitive, QRegExp::RegExp);
    rx.setMinimal(false);
    return rx;
}

} // namespace

QRegExp TemplateMarkup::sectionPattern(const QString &name)
{
    const QString open = QStringLiteral("[#") + name + QLatin1Char(']');
    const QString close = QStringLiteral("[/#") + name + QLatin1Char(']');
    return greedy(QRegExp::escape(open) + QStringLiteral("\n(.+)") + QRegExp::escape(close)
                  + QStringLiteral("\n+"));
}

bool TemplateMarkup::findSection(const QString &text, const QString &name, QString *body)
{
    QRegExp rx = sectionPattern(name);
    if (rx.indexIn(text) < 0)
        return false;
    if (body)
        *body = rx.cap(1);
    return true;
}

bool TemplateMarkup::keepSection(QString &text, const QString &name, bool extraLineEnd)
{
    QString body;
    if (!findSection(text, name, &body))
        return false;
    return replaceSection(text, name, body, extraLineEnd);
}

bool TemplateMarkup::dropSection(QString &text, const QString &name)
{
    return replaceAll(text, sectionPattern(name), QString()) > 0;
}

bool TemplateMarkup::keepOrDrop(QString &text, const QString &name, bool keep, bool extraLineEnd)
{
    return keep ? keepSection(text, name, extraLineEnd) : dropSection(text, name);
}

bool TemplateMarkup::replaceSection(QString &text, const QString &name, const QString &body,
                                    bool extraLineEnd)
{
    const QString replacement = extraLineEnd ? body + QLatin1Char('\n') : body;
    return replaceAll(text, sectionPattern(name), replacement) > 0;
}

QRegExp TemplateMarkup::callPattern(const QString &function, const QString &args)
{
    return greedy(QRegExp::escape(function) + QStringLiteral("\\(") + args + QStringLiteral("\\);{,1}"));
}

bool TemplateMarkup::containsCall(const QString &text, const QString &function, const QString &args)
{
    return callPattern(function, args).indexIn(text) >= 0;
}

bool TemplateMarkup::rewriteCall(QString &text, const QString &function, const QString &args,
                                 const QStringList &values)
{
    return replaceAll(text, callPattern(function, args), callText(function, values)) > 0;
}

bool TemplateMarkup::rewriteLastCall(QString &text, const QString &function, const QString &args,
                                     const QStringList &values)
{
    QRegExp rx = callPattern(function, args);
    const int last = rx.lastIndexIn(text);
    if (last < 0)
        return false;
    QString tail = text.mid(last);
    replaceAll(tail, rx, callText(function, values));
    text = text.left(last) + tail;
    return true;
}

QString TemplateMarkup::callText(const QString &function, const QStringList &values)
{
    return function + QLatin1Char('(') + values.join(QStringLiteral(", ")) + QStringLiteral(");");
}

int TemplateMarkup::replaceAll(QString &text, QRegExp rx, const QString &replacement)
{
    int count = 0;
    int from = 0;
    while (from <= text.size()) {
        const int at = rx.indexIn(text, from);
        if (at < 0)
            break;
        const int length = rx.matchedLength();
        text.replace(at, length, replacement);
        from = at + replacement.size() + (length == 0 ? 1 : 0);
        ++count;
    }
    return count;
}
