#include "UserDialogs.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPushButton>
#include <QFileInfo>
#include <QQueue>

namespace {

struct BoxAnswer {
    QMessageBox::StandardButton button = QMessageBox::NoButton;
    QString buttonText;
    UserDialogs::CheckBoxAnswer checkBox = UserDialogs::LeaveCheckBox;
};

struct DialogState {
    bool testMode = false;
    QQueue<BoxAnswer> boxAnswers;
    QQueue<QString> fileAnswers;
    QList<UserDialogs::ShownBox> shownBoxes;
    QList<UserDialogs::FileQuestion> fileQuestions;
};

DialogState &state()
{
    static DialogState s;
    return s;
}

QAbstractButton *defaultTestButton(QMessageBox &box)
{
    for (QMessageBox::StandardButton b : {QMessageBox::Cancel, QMessageBox::Abort, QMessageBox::No}) {
        if (QAbstractButton *button = box.button(b))
            return button;
    }
    const QList<QAbstractButton *> buttons = box.buttons();
    return buttons.isEmpty() ? nullptr : buttons.first();
}

QString answerFileDialog(const QString &kind, const QString &caption, const QString &directory,
                         const QString &filter, bool *handled)
{
    DialogState &s = state();
    *handled = s.testMode || !s.fileAnswers.isEmpty();
    if (!*handled)
        return QString();
    UserDialogs::FileQuestion question{kind, caption, directory, filter, !s.fileAnswers.isEmpty(), QString()};
    s.fileQuestions.append(question);
    return s.fileAnswers.isEmpty() ? QString() : s.fileAnswers.dequeue();
}

} // namespace

QMessageBox::StandardButton UserDialogs::exec(QMessageBox &box)
{
    DialogState &s = state();
    if (!s.testMode && s.boxAnswers.isEmpty()) {
        box.exec();
        return box.standardButton(box.clickedButton());
    }

    ShownBox shown;
    shown.title = box.windowTitle();
    shown.text = box.text();
    shown.icon = box.icon();
    for (QAbstractButton *button : box.buttons())
        shown.buttons.append(button->text());
    if (box.checkBox())
        shown.checkBoxText = box.checkBox()->text();
    if (box.defaultButton())
        shown.defaultButton = box.defaultButton()->text();
    if (box.escapeButton())
        shown.escapeButton = box.escapeButton()->text();

    QAbstractButton *chosen = nullptr;
    if (!s.boxAnswers.isEmpty()) {
        const BoxAnswer answer = s.boxAnswers.dequeue();
        if (answer.buttonText.isEmpty()) {
            chosen = box.button(answer.button);
        } else {
            for (QAbstractButton *button : box.buttons()) {
                if (button->text() == answer.buttonText)
                    chosen = button;
            }
        }
        if (!chosen)
            qWarning("UserDialogs: the queued answer matches no button of \"%s\"", qPrintable(shown.text));
        if (box.checkBox() && answer.checkBox != LeaveCheckBox)
            box.checkBox()->setChecked(answer.checkBox == CheckIt);
    } else {
        shown.answered = false;
    }
    if (!chosen)
        chosen = defaultTestButton(box);
    s.shownBoxes.append(shown);
    if (chosen)
        chosen->click();   // sets clickedButton() exactly as a user's click would
    return box.standardButton(box.clickedButton());
}

QString UserDialogs::getExistingDirectory(QWidget *parent, const QString &caption,
                                          const QString &directory, QFileDialog::Options options)
{
    bool handled = false;
    const QString answer = answerFileDialog(QStringLiteral("directory"), caption, directory, QString(), &handled);
    if (handled)
        return answer;
    return QFileDialog::getExistingDirectory(parent, caption, directory, options);
}

QString UserDialogs::getOpenFileName(QWidget *parent, const QString &caption,
                                     const QString &directory, const QString &filter)
{
    bool handled = false;
    const QString answer = answerFileDialog(QStringLiteral("open"), caption, directory, filter, &handled);
    if (handled)
        return answer;
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QString UserDialogs::getSaveFileName(QWidget *parent, const QString &caption,
                                     const QString &directory, const QString &filter,
                                     const QString &defaultSuffix)
{
    bool handled = false;
    QString answer = answerFileDialog(QStringLiteral("save"), caption, directory, filter, &handled);
    if (handled) {
        state().fileQuestions.last().defaultSuffix = defaultSuffix;
        // What the real dialog does with a bare name.
        if (!answer.isEmpty() && !defaultSuffix.isEmpty() && QFileInfo(answer).suffix().isEmpty())
            answer += QLatin1Char('.') + defaultSuffix;
        return answer;
    }
    QFileDialog dialog(parent, caption, directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void UserDialogs::setTestMode(bool on) { state().testMode = on; }
bool UserDialogs::testMode() { return state().testMode; }

void UserDialogs::answerNextBox(QMessageBox::StandardButton button, CheckBoxAnswer checkBox)
{
    BoxAnswer answer;
    answer.button = button;
    answer.checkBox = checkBox;
    state().boxAnswers.enqueue(answer);
}

void UserDialogs::answerNextBoxWithText(const QString &buttonText)
{
    BoxAnswer answer;
    answer.buttonText = buttonText;
    state().boxAnswers.enqueue(answer);
}

void UserDialogs::answerNextFileDialog(const QString &path) { state().fileAnswers.enqueue(path); }

int UserDialogs::pendingAnswers() { return state().boxAnswers.size() + state().fileAnswers.size(); }

QList<UserDialogs::ShownBox> UserDialogs::shownBoxes() { return state().shownBoxes; }

QList<UserDialogs::FileQuestion> UserDialogs::fileQuestions() { return state().fileQuestions; }

void UserDialogs::reset()
{
    DialogState &s = state();
    s.boxAnswers.clear();
    s.fileAnswers.clear();
    s.shownBoxes.clear();
    s.fileQuestions.clear();
}
