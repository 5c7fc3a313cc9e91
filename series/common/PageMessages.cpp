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
    if (quiet || clickStopped())
        return;
    ++refused;
    QMessageBox box(QMessageBox::Critical, text(QT_TRANSLATE_NOOP("SeriesPage", "Error")), message);
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(text(QT_TRANSLATE_NOOP("SeriesPage", "Ok")));
    UserDialogs::exec(box);
}

bool PageMessages::ask(int icon, const QString &message) const
{
    if (clickStopped())
        return false;
    QMessageBox box(QMessageBox::Icon(icon), text(QT_TRANSLATE_NOOP("SeriesPage", "Warning")), message);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::Cancel);
    box.button(QMessageBox::Yes)->setText(text(QT_TRANSLATE_NOOP("SeriesPage", "Yes")));
    box.button(QMessageBox::Cancel)->setText(text(QT_TRANSLATE_NOOP("SeriesPage", "Cancel")));
    const bool yes = UserDialogs::exec(box) == QMessageBox::Yes;
    refused += yes ? 0 : 1;
    return yes;
}

bool PageMessages::askYesCancel(const QString &message) const
{
    return ask(QMessageBox::Warning, message);
}

bool PageMessages::askFactor(const QString &message) const
{
    return ask(QMessageBox::Question, message);
}

void PageMessages::beginClick()
{
    clicking = true;
    refusedBeforeClick = refused;
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
