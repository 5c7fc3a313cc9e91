#include "PllConfigWord.h"

#include "ClockTreeModel.h"

namespace {

quint32 frCode(int fr)
{
    switch (fr) {
    case 2: return 1;
    case 4: return 2;
    case 8: return 3;
    case 16: return 4;
    case 32: return 5;
    default: return 0;
    }
}

quint32 fpCode(int fp)
{
    return (fp >= 2 && fp <= 30 && fp % 2 == 0) ? quint32(fp / 2) : 0;
}

quint32 fuCode(int fu)
{
    // The register orders the USB divider codes 11, 13, 12, 14, 16, 18, 20.
    switch (fu) {
    case 13: return 1;
    case 12: return 2;
    case 14: return 3;
    case 16: return 4;
    case 18: return 5;
    case 20: return 6;
    default: return 0;
    }
}

bool referenceIsHext(const ClockTreeModel &model)
{
    return (model.pllSource & 1) == 0;
}

quint32 msNs(const ClockTreeModel &model)
{
    return quint32(model.pllMs) | (quint32(model.pllNs) << 6);
}

} // namespace

quint32 PllConfigWord::withFrDivider(const ClockTreeModel &model)
{
    return msNs(model) | (frCode(model.pllFr) << 16) | (referenceIsHext(model) ? (1u << 22) : 0u);
}

quint32 PllConfigWord::withFpFuDividers(const ClockTreeModel &model)
{
    const bool usbFromPll = model.usbDisabled == 0 && model.usbFromHick == 0;
    return msNs(model) | (fpCode(model.pllFp) << 16) | (fuCode(model.pllFu) << 20)
        | (usbFromPll ? (1u << 29) : 0u) | (referenceIsHext(model) ? (1u << 30) : 0u);
}

QString PllConfigWord::text(quint32 word)
{
    return QStringLiteral("0x%1").arg(word, 8, 16, QLatin1Char('0'));
}
