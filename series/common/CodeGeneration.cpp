#include "CodeGeneration.h"

#include "ClockTreeModel.h"
#include "PageMessages.h"
#include "UserDialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

namespace CodeGeneration {

static bool makeFolder(const PageMessages &messages, const QString &dir, const char *error)
{
    if (QDir(dir).exists() || QDir().mkpath(dir))
        return true;
    QMessageBox box(QMessageBox::Critical, messages.text(QT_TRANSLATE_NOOP("SeriesPage", "Error")), messages.text(error));
    box.setStandardButtons(QMessageBox::Ok);
    UserDialogs::exec(box);
    return false;
}

// The folders on the way to dir that do not exist yet.
static QStringList missingFolders(const QString &dir)
{
    QStringList missing;
    QString path = QDir::cleanPath(QDir(dir).absolutePath());
    while (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink()) {
        missing << path;
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            break;
        path = parent;
    }
    return missing;
}

// Takes away what this Generate created, deepest first; a folder that
// holds anything by now stays.
static void removeFolders(QStringList folders)
{
    std::sort(folders.begin(), folders.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
    for (const QString &folder : qAsConst(folders))
        QDir().rmdir(folder);
}

bool writeSources(QWidget *page, const PageMessages &messages, ClockTreeModel *model, const QString &stem)
{
    // The last guard: a clock that is no frequency (nan, inf, 0 or below) never
    // reaches the code, and no folder is asked for in vain.
    QString clock;
    double mhz = 0.0;
    if (model->findUnwritableClock(&clock, &mhz)) {
        messages.showError(messages.text(QT_TRANSLATE_NOOP(
            "SeriesPage", "Generate code failed! The %1 clock of %2 MHz is not a valid frequency."))
                               .arg(clock, QString::number(mhz)));
        return false;
    }

    const bool interactive = model->interactiveGenerate == 1;
    QString folder;
    if (interactive) {
        folder = UserDialogs::getExistingDirectory(page, messages.text(QT_TRANSLATE_NOOP("SeriesPage", "Select directory")),
                                                   QString(), QFileDialog::ShowDirsOnly);
        if (folder.isNull())
            return false;
    } else {
        folder = QCoreApplication::applicationDirPath() + QStringLiteral("/Code_Sample");
    }

    const QString incDir = folder + QStringLiteral("/inc");
    const QString srcDir = folder + QStringLiteral("/src");
    // A Generate that writes nothing leaves the folder as it found it.
    const QStringList created = missingFolders(incDir) + missingFolders(srcDir);
    if (!makeFolder(messages, incDir, QT_TRANSLATE_NOOP("SeriesPage", "Creating \"inc\" folder error!"))
        || !makeFolder(messages, srcDir, QT_TRANSLATE_NOOP("SeriesPage", "Creating \"src\" folder error!"))) {
        removeFolders(created);
        return false;
    }

    QString failedPath;
    if (!model->writeSourceFiles(incDir, srcDir, stem, &failedPath)) {
        removeFolders(created);
        QString text = messages.text(QT_TRANSLATE_NOOP("SeriesPage", "Generate code failed!"));
        if (!failedPath.isEmpty())
            text += QLatin1Char('\n') + messages.text(QT_TRANSLATE_NOOP("SeriesPage", "Cannot write %1"))
                                          .arg(QDir::toNativeSeparators(failedPath));
        QMessageBox box(QMessageBox::Critical, messages.text(QT_TRANSLATE_NOOP("SeriesPage", "Error")), text);
        box.setStandardButtons(QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(messages.text(QT_TRANSLATE_NOOP("SeriesPage", "OK")));
        UserDialogs::exec(box);
        return false;
    }
    if (interactive) {
        QString text = messages.text(QT_TRANSLATE_NOOP("SeriesPage", "Generate code finished!  Files:")) + QStringLiteral("\n\n");
        for (const QString &file : {QStringLiteral("src/main.c"), QStringLiteral("src/%1_clock.c").arg(stem),
                                    QStringLiteral("inc/%1_clock.h").arg(stem), QStringLiteral("inc/%1_conf.h").arg(stem)})
            text += file + QStringLiteral("\n");
        QMessageBox box(QMessageBox::Information, messages.text(QT_TRANSLATE_NOOP("SeriesPage", "Information")), text);
        QPushButton *openFolder = box.addButton(messages.text(QT_TRANSLATE_NOOP("SeriesPage", " Open Folder  ")), QMessageBox::ActionRole);
        QPushButton *ok = box.addButton(messages.text(QT_TRANSLATE_NOOP("SeriesPage", "OK")), QMessageBox::ActionRole);
        // Enter and Escape close the box; opening the folder takes a click.
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        UserDialogs::exec(box);
        if (box.clickedButton() == openFolder)
            QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    }
    return true;
}

} // namespace CodeGeneration
