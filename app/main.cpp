#include "FormConfiguration.h"
#include "PlatformStartup.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    PlatformStartup::chooseGlIntegration();
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);

    // The catalogue follows the system locale. The flag follows it even when
    // the catalogue cannot be loaded, so the menu marks the intended language.
    QTranslator translator;
    int languageFlag = 0;
    bool loaded = false;
    if (QLocale().language() == QLocale::Chinese) {
        loaded = translator.load(QStringLiteral(":/image/tr_zh.qm"));
        languageFlag = 1;
    } else {
        loaded = translator.load(QStringLiteral(":/image/tr_en.qm"));
        languageFlag = 0;
    }

    QApplication app(argc, argv);
    app.setWindowIcon(QIcon(QStringLiteral(":/image/Kyto_tool_CRM.png")));

    // An empty translator is never installed; the window is told, so that a
    // later language switch does not take "not installed" for a failed removal.
    const bool installed = loaded && QCoreApplication::installTranslator(&translator);

    FormConfiguration window;
    window.setLanguageFlag(languageFlag);
    window.setTranslator(&translator, installed);
    window.show();
    PlatformStartup::restoreEnvironment();

    return app.exec();
}
