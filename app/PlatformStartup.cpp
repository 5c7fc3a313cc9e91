#include "PlatformStartup.h"

#include <QByteArray>

namespace PlatformStartup {

namespace {
bool chosenHere = false;
const char glIntegrationVariable[] = "QT_XCB_GL_INTEGRATION";
} // namespace

void chooseGlIntegration()
{
#ifdef Q_OS_LINUX
    if (!qEnvironmentVariableIsSet(glIntegrationVariable)) {
        qputenv(glIntegrationVariable, QByteArrayLiteral("none"));
        chosenHere = true;
    }
#endif
}

void restoreEnvironment()
{
    if (chosenHere) {
        qunsetenv(glIntegrationVariable);
        chosenHere = false;
    }
}

} // namespace PlatformStartup
