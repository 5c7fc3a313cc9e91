#include "MultiplierPageFactory.h"

#include "KytoH620APLL.h"
#include "KytoR620APLL.h"
#include "KytoR620PLL.h"
#include "KytoR650PLL.h"
#include "KytoR710PLL.h"

namespace {

QtMessageHandler previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("propagateSizeHints")))
        return;
    previousHandler(type, context, message);
}

} // namespace

MultiplierPageFactory::Factory MultiplierPageFactory::forClass(const QString &className)
{
    if (className == QLatin1String("KytoR620PLL"))
        return [] { return new KytoR620PLL(nullptr); };
    if (className == QLatin1String("KytoR620APLL"))
        return [] { return new KytoR620APLL(nullptr); };
    if (className == QLatin1String("KytoR650PLL"))
        return [] { return new KytoR650PLL(nullptr); };
    if (className == QLatin1String("KytoH620APLL"))
        return [] { return new KytoH620APLL(nullptr); };
    return [] { return new KytoR710PLL(nullptr); };
}

void MultiplierPageFactory::silenceOffscreenSizeHints()
{
    if (!previousHandler)
        previousHandler = qInstallMessageHandler(quietHandler);
}
