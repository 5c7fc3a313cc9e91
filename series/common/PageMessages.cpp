#include "PageMessages.h"

#include "UserDialogs.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>

PageMessages::PageMessages(const QObject *ownerPage)
    : page(ownerPage)
{
}

QString PageMessages::text(const char *sourceText) const
{
    return QCoreApplication::translate(page->metaObject()->className(), sourceText);
}

void PageMessages::showError(const QString &message) const
{
    if (quiet)
        return;
    ++refused;
    QMessageBox box(QMessageBox::Critical, text(QT_TRANSLATE_NOOP("SeriesPage", "Error")), message);
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(text(QT_TRANSLATE_NOOP("SeriesPage", "Ok")));
    UserDialogs::exec(box);
}

static bool askWithIcon(const PageMessages &messages, QMessageBox::Icon icon, const QString &message)
{
    QMessageBox box(icon, messages.text(QT_TRANSLATE_NOOP("SeriesPage", "Warning")), message);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::Cancel);
    box.button(QMessageBox::Yes)->setText(messages.text(QT_TRANSLATE_NOOP("SeriesPage", "Yes")));
    box.button(QMessageBox::Cancel)->setText(messages.text(QT_TRANSLATE_NOOP("SeriesPage", "Cancel")));
    return UserDialogs::exec(box) == QMessageBox::Yes;
}

bool PageMessages::askYesCancel(const QString &message) const
{
    const bool yes = askWithIcon(*this, QMessageBox::Warning, message);
    refused += yes ? 0 : 1;
    return yes;
}

bool PageMessages::askFactor(const QString &message) const
{
    const bool yes = askWithIcon(*this, QMessageBox::Question, message);
    refused += yes ? 0 : 1;
    return yes;
}

void PageMessages::showInformation(const QString &message) const
{
    QMessageBox box(QMessageBox::Information, text(QT_TRANSLATE_NOOP("SeriesPage", "Information")), message);
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(text(QT_TRANSLATE_NOOP("SeriesPage", "Ok")));
    UserDialogs::exec(box);
}

PageMessages::QuietScope::QuietScope(PageMessages &pageMessages)
    : messages(pageMessages)
    , wasQuiet(pageMessages.quiet)
{
    messages.quiet = true;
}

PageMessages::QuietScope::~QuietScope()
{
    messages.quiet = wasQuiet;
}
