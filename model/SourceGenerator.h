#ifndef SOURCEGENERATOR_H
#define SOURCEGENERATOR_H

#include <QString>

class ClockTreeModel;

// Fills a series' code templates from its clock model and writes the four
// generated files.
class SourceGenerator
{
public:
    explicit SourceGenerator(ClockTreeModel &model);

    bool writeSourceFiles(const QString &incDir, const QString &srcDir, const QString &stem);
    void askReplaceFile(const QString &fileName, bool &replace, bool &applyToAll);

private:
    ClockTreeModel &m_model;
};

#endif // SOURCEGENERATOR_H
