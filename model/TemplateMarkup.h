#ifndef TEMPLATEMARKUP_H
#define TEMPLATEMARKUP_H

#include <QRegExp>
#include <QString>
#include <QStringList>

// The two kinds of mark-up in a code template, on LF-only text:
//
//  - named sections: a line "[#name]", body lines, a line "[/#name]" and one
//    or more line ends, kept (marks removed) or dropped (everything removed);
//  - library calls "f(args);" whose argument list is rewritten.
//
// Matching is greedy with the dot matching line ends, so a name used twice in
// the searched text spans from its first opening to its last closing mark;
// templates use each name once per searched text. A call whose arguments do
// not have the expected shape counts as absent.
class TemplateMarkup
{
public:
    // The section pattern: opening mark, LF, (body), closing mark, LF+.
    static QRegExp sectionPattern(const QString &name);

    // Whether the section is present; its body (ending with the LF of its
    // last line) goes to *body.
    static bool findSection(const QString &text, const QString &name, QString *body = nullptr);

    // Keeps the section's lines, followed by exactly one empty line, or,
    // without extraLineEnd, by nothing. False when the section is missing.
    static bool keepSection(QString &text, const QString &name, bool extraLineEnd = true);
    // Removes the section with all line ends after it. False when missing.
    static bool dropSection(QString &text, const QString &name);
    static bool keepOrDrop(QString &text, const QString &name, bool keep, bool extraLineEnd = true);
    // Puts an edited body in place of the section, as keepSection would.
    static bool replaceSection(QString &text, const QString &name, const QString &body,
                               bool extraLineEnd = true);

    // f\(args\);{,1} with args a capture group such as (\s*\w+).
    static QRegExp callPattern(const QString &function, const QString &args);
    static bool containsCall(const QString &text, const QString &function, const QString &args);
    // Rewrites every occurrence to "f(v1, v2, ...);". False when absent.
    static bool rewriteCall(QString &text, const QString &function, const QString &args,
                            const QStringList &values);
    // Rewrites the last occurrence only; earlier ones stay as written.
    static bool rewriteLastCall(QString &text, const QString &function, const QString &args,
                                const QStringList &values);
    static QString callText(const QString &function, const QStringList &values);

    // Replaces every match of rx by the literal replacement (no capture
    // references are expanded). Returns the number of matches.
    static int replaceAll(QString &text, QRegExp rx, const QString &replacement);
};

#endif // TEMPLATEMARKUP_H
