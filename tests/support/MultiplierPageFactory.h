#ifndef MULTIPLIERPAGEFACTORY_H
#define MULTIPLIERPAGEFACTORY_H

#include <QString>

#include <functional>

class KytoMultiplierPLL;

// Builds the multiplier-PLL series pages by class name, so that one test
// table can run over all five classes.
class MultiplierPageFactory
{
public:
    using Factory = std::function<KytoMultiplierPLL *()>;

    // The page constructor of the named class (R710 for an unknown name).
    static Factory forClass(const QString &className);
    // The offscreen platform complains once per embedded control; that says
    // nothing about the pages, so tests silence just that message.
    static void silenceOffscreenSizeHints();
};

#endif // MULTIPLIERPAGEFACTORY_H
