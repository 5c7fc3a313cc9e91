#ifndef PAGEMESSAGES_H
#define PAGEMESSAGES_H

#include <QString>

class QObject;

// The message boxes of a series page, shown through UserDialogs, with every
// title, text and button translated in the context of the page's concrete
// class (its metaObject()->className(), looked up at each call, so a
// family base without Q_OBJECT translates as the class the user sees).
//
// Texts are passed untranslated, as marked with QT_TRANSLATE_NOOP:
//
//   PageMessages messages{this};                   // a member of the page
//   messages.showError(messages.text(QT_TRANSLATE_NOOP("KytoMultiplierPLL", "hext input error!")));
//   if (!messages.askYesCancel(messages.text(question))) return false;
//
// Quiet loading: while a QuietScope lives, showError shows nothing, so a
// design file can be applied key by key (each key's slot runs) and checked
// once at the end. Questions are never silenced.
class PageMessages
{
public:
    explicit PageMessages(const QObject *page);

    QString text(const char *sourceText) const;

    // Critical box "Error" with the button "Ok"; nothing while quiet.
    void showError(const QString &message) const;
    // Warning box "Warning" with "Yes" and "Cancel"; true on Yes.
    bool askYesCancel(const QString &message) const;
    // A typed PLL factor breaks a rule: Question box "Warning" with "Yes"
    // (take the suggestion) and "Cancel"; true on Yes.
    bool askFactor(const QString &message) const;
    // Information box "Information" with the button "Ok".
    void showInformation(const QString &message) const;

    bool isQuiet() const { return quiet; }

    // Error boxes shown and questions answered Cancel so far: a click
    // during which this grows was stopped by a check (see ClickUndo).
    int refusals() const { return refused; }

    // A click under way (ClickUndo opens and closes it): once a check has
    // stopped it, the click is taken back whole, so a later check in it
    // shows no box of its own and a question counts as Cancel.
    void beginClick();
    void endClick() { clicking = false; }

    class QuietScope
    {
    public:
        explicit QuietScope(PageMessages &messages);
        ~QuietScope();
        QuietScope(const QuietScope &) = delete;
        QuietScope &operator=(const QuietScope &) = delete;

    private:
        PageMessages &messages;
        bool wasQuiet;
    };

private:
    const QObject *page;
    bool clickStopped() const { return clicking && refused != refusedBeforeClick; }
    bool ask(int icon, const QString &message) const;

    bool quiet = false;
    mutable int refused = 0;
    bool clicking = false;
    int refusedBeforeClick = 0;
};

#endif // PAGEMESSAGES_H
