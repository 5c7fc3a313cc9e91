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

QString PageMessages::tr(const char *sourceText) const
{
    return QCoreApplication::translate(page->metaObject()->className(), sourceText);
}

void PageMessages::showError(const QString &text) const
{
    if (quiet)
        return;
    QMessageBox box(QMessageBox::Critical, tr(QT_TRANSLATE_NOOP("SeriesPage", "Error")), text);
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(tr(QT_TRANSLATE_NOOP("SeriesPage", "Ok")));
    UserDialogs::exec(box);
}

static bool askWithIcon(const PageMessages &messages, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, messages.tr(QT_TRANSLATE_NOOP("SeriesPage", "Warning")), text);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::Cancel);
    box.button(QMessageBox::Yes)->setText(messages.tr(QT_TRANSLATE_NOOP("SeriesPage", "Yes")));
    box.button(QMessageBox::Cancel)->setText(messages.tr(QT_TRANSLATE_NOOP("SeriesPage", "Cancel")));
    return UserDialogs::exec(box) == QMessageBox::Yes;
}

bool PageMessages::askYesCancel(const QString &text) const
{
    return askWithIcon(*this, QMessageBox::Warning, text);
}

bool PageMessages::askFactor(const QString &text) const
{
    return askWithIcon(*this, QMessageBox::Question, text);
}

void PageMessages::showInformation(const QString &text) const
{
    QMessageBox box(QMessageBox::Information, tr(QT_TRANSLATE_NOOP("SeriesPage", "Information")), text);
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(tr(QT_TRANSLATE_NOOP("SeriesPage", "Ok")));
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
