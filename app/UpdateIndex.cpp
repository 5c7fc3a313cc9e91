#include "UpdateIndex.h"

#include "BoundedXmlReader.h"

namespace {
// Root, group, entry, value.
constexpr int valueDepth = 4;
} // namespace

UpdateIndex::UpdateIndex(const QString &path, const QString &group, const QString &toolName)
{
    BoundedXmlReader xml(path, maximumSize, maximumDepth, valueDepth);
    bool groupSeen = false;
    bool inGroup = false;
    bool isTool = false;
    while (xml.readNextElement()) {
        const int depth = xml.depth();
        if (xml.isStartElement()) {
            if (depth == 2 && !groupSeen && xml.name() == group)
                groupSeen = inGroup = true;
            else if (depth == 3)
                isTool = false;
        } else if (depth == 2) {
            inGroup = false;
        } else if (depth == valueDepth && inGroup) {
            if (xml.text() == toolName)
                isTool = true;
            if (isTool)
                values.append({xml.name(), xml.text()});
        }
    }
    if (xml.failed())
        values.clear();
}

QString UpdateIndex::value(const QString &key) const
{
    for (const auto &entry : values) {
        if (entry.first == key)
            return entry.second;
    }
    return QString();
}
