#include "DesignFile.h"

#include "PageMessages.h"
#include "StagedFileSet.h"
#include "UserDialogs.h"

#include <QXmlStreamWriter>

namespace DesignFile {

bool write(const QString &path, const QString &seriesName, const Values &values)
{
    QByteArray bytes;
    QXmlStreamWriter writer(&bytes);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("Configuration"));
    writer.writeTextElement(QStringLiteral("MCU"), seriesName);
    for (const auto &value : values)
        writer.writeTextElement(value.first, value.second);
    writer.writeEndElement();
#ifdef Q_OS_WIN
    bytes.replace("\n", "\r\n");   // as a text-mode file writes it
#endif

    // Written beside the old file and swapped in only when complete, so that
    // a failed or cut-off write never destroys the previous design; what an
    // earlier Save that was cut off left beside it goes first.
    StagedFileSet::recoverFile(path);
    StagedFileSet file;
    return file.stage(path, bytes) && file.commit();
}

void save(QWidget *page, const PageMessages &messages, const QString &seriesName, const Values &values)
{
    save(page, messages, seriesName, values, seriesName + QStringLiteral("_Clock"));
}

void save(QWidget *page, const PageMessages &messages, const QString &seriesName, const Values &values,
          const QString &startPath)
{
    const QString path = UserDialogs::getSaveFileName(page, messages.text(QT_TRANSLATE_NOOP("SeriesPage", "Save")),
                                                      startPath,
                                                      messages.text(QT_TRANSLATE_NOOP("SeriesPage", "Config file (*.ZKCF)")),
                                                      QStringLiteral("ZKCF"));
    if (path.isNull())
        return;
    if (!write(path, seriesName, values)) {
        messages.showError(messages.text(QT_TRANSLATE_NOOP("SeriesPage", "Save file failed!")));
        return;
    }
    messages.showInformation(messages.text(QT_TRANSLATE_NOOP("SeriesPage", "Save file succeed!")));
}

} // namespace DesignFile
