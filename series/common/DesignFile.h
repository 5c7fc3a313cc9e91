#ifndef DESIGNFILE_H
#define DESIGNFILE_H

#include <QPair>
#include <QString>
#include <QVector>

class PageMessages;
class QWidget;

// The frame of a design file (".ZKCF"): root "Configuration", "MCU" first,
// then one element per key in the order given. It is written through
// StagedFileSet, so the file on disk is complete or untouched, also when the
// program is killed while saving (the next Save or Open of it tidies up).
//
//   DesignFile::save(this, messages, seriesName, keyTable.values());
namespace DesignFile {

// Key name and its text, in write order.
using Values = QVector<QPair<QString, QString>>;

// False when the file could not be written completely.
bool write(const QString &path, const QString &seriesName, const Values &values);

// The save road after a page's checks: the file name question ("Save",
// "<series>_Clock", "Config file (*.ZKCF)"; a name without an extension
// gets ".ZKCF", so Open's filter shows it), the write, then "Save file
// failed!" or "Save file succeed!". Nothing happens when the question is
// cancelled.
void save(QWidget *page, const PageMessages &messages, const QString &seriesName, const Values &values);
// The same with the file dialog opening on startPath (empty: the dialog's
// own choice) instead of "<series>_Clock".
void save(QWidget *page, const PageMessages &messages, const QString &seriesName, const Values &values,
          const QString &startPath);

} // namespace DesignFile

#endif // DESIGNFILE_H
