#include "SourceGenerator.h"

SourceGenerator::SourceGenerator(ClockTreeModel &model)
    : m_model(model)
{
}

bool SourceGenerator::writeSourceFiles(const QString &, const QString &, const QString &)
{
    return false;
}

void SourceGenerator::askReplaceFile(const QString &, bool &replace, bool &applyToAll)
{
    replace = false;
    applyToAll = false;
}
