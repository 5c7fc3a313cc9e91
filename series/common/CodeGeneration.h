#ifndef CODEGENERATION_H
#define CODEGENERATION_H

#include <QString>

class ClockTreeModel;
class PageMessages;
class QWidget;

// The road of "Generate code" after a page's own checks: the generator's
// guard against a clock that is no frequency (an error box, nothing asked
// or written), the folder (asked
// for in interactive mode, "Code_Sample" beside the program in preview),
// its "inc" and "src" subfolders (taken away again when they were made for
// a Generate that writes nothing), the four files of the template stem, the
// failure boxes and, in interactive mode, the result box with " Open Folder  ".
//
//   bool Page::generateCode()
//   {
//       if (!validateLineEdits() || !runLimitChecks()) return false;
//       return CodeGeneration::writeSources(this, messages, model, table.templateStem);
//   }
namespace CodeGeneration {

// True when the four files were written.
bool writeSources(QWidget *page, const PageMessages &messages, ClockTreeModel *model, const QString &stem);

} // namespace CodeGeneration

#endif // CODEGENERATION_H
