#ifndef USERDIALOGS_H
#define USERDIALOGS_H

#include <QFileDialog>
#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

// The one door through which the program shows message boxes and file
// dialogs. In the program it simply runs them; a test can queue the answers
// beforehand and read back what was shown, so that no dialog blocks a
// headless run.
class UserDialogs
{
public:
    struct ShownBox {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttons;      // button texts, in the box's order
        QString checkBoxText;     // empty when the box has no check box
        QString defaultButton;    // texts of the buttons Enter and Escape press;
        QString escapeButton;     // empty when the box leaves it to Qt
        bool answered = true;     // false: test mode answered it by default
    };
    struct FileQuestion {
        QString kind;             // "directory", "open" or "save"
        QString caption;
        QString directory;
        QString filter;
        bool answered = true;
        QString defaultSuffix;    // save dialogs only
    };
    enum CheckBoxAnswer { LeaveCheckBox, CheckIt, UncheckIt };

    // Runs the box modally. Returns the standard button that closed it, or
    // QMessageBox::NoButton for a button of the caller's own; the caller then
    // compares box.clickedButton().
    static QMessageBox::StandardButton exec(QMessageBox &box);

    static QString getExistingDirectory(QWidget *parent, const QString &caption,
                                        const QString &directory = QString(),
                                        QFileDialog::Options options = QFileDialog::ShowDirsOnly);
    static QString getOpenFileName(QWidget *parent, const QString &caption,
                                   const QString &directory = QString(),
                                   const QString &filter = QString());
    // A name chosen without an extension gets `defaultSuffix`, so that the
    // file shows under the filter it was saved for; a typed one is kept.
    static QString getSaveFileName(QWidget *parent, const QString &caption,
                                   const QString &directory = QString(),
                                   const QString &filter = QString(),
                                   const QString &defaultSuffix = QString());

    // ---- for tests ----
    // In test mode nothing is ever shown: a box without a queued answer takes
    // Cancel (else No, else its first button) and a file dialog is cancelled;
    // both are logged with answered = false.
    static void setTestMode(bool on);
    static bool testMode();
    static void answerNextBox(QMessageBox::StandardButton button, CheckBoxAnswer checkBox = LeaveCheckBox);
    static void answerNextBoxWithText(const QString &buttonText);
    // An empty path answers the next file dialog with Cancel.
    static void answerNextFileDialog(const QString &path);
    static int pendingAnswers();
    static QList<ShownBox> shownBoxes();
    static QList<FileQuestion> fileQuestions();
    // Forgets queued answers and the logs.
    static void reset();
};

#endif // USERDIALOGS_H
