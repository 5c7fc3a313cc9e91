#ifndef REGISTERNAMETABLES_H
#define REGISTERNAMETABLES_H

#include <QStringList>

// The firmware library's constant names that the generated code uses, as
// fixed ordered lists. A source table is indexed by the source code the clock
// model stores (code n names entry n); a divider or factor table holds one
// name per allowed value, in ascending value (pllFuNames keeps the library's
// own order 11, 13, 12, 14, ...). hextDivPrefix and pllMultPrefix hold a
// single prefix to which a number is appended.
class RegisterNameTables
{
public:
    static const QStringList adcDivNames;
    static const QStringList adcClockSourceNames;
    static const QStringList ahbDivNames;
    static const QStringList apb1DivNames;
    static const QStringList apb2DivNames;
    static const QStringList apb3DivNames;
    static const QStringList canClockSourceNames;
    static const QStringList clkout1SourceNames;
    static const QStringList clkout2SourceNames;
    static const QStringList clkoutDiv1Names;
    static const QStringList clkoutDiv2Names;
    static const QStringList clkoutDivNames;
    static const QStringList clkoutSourceNames;
    static const QStringList clkoutIndexNamesB;
    static const QStringList ertcHextDivNames;
    static const QStringList flashClockDivNames;
    static const QStringList flashWaitCycleNames;
    static const QStringList hextSclkDivNames;
    static const QStringList hickSclkDivNames;
    static const QStringList i2cClockSourceNames;
    static const QStringList i2sf5ClockSourceNames;
    static const QStringList ldoOutputNames;
    static const QStringList usartClockSourceNames;
    static const QStringList usbDivNames;
    static const QStringList gpioPinNames;
    static const QStringList gpioPeriphClockNames;
    static const QStringList gpioPortNames;
    static const QStringList gpioMuxNames;
    static const QStringList gpioPinSourceNames;
    static const QStringList hextDivPrefix;
    static const QStringList pllFpNames;
    static const QStringList pllFrNames;
    static const QStringList pllFuNames;
    static const QStringList pllMultPrefix;
    static const QStringList pllOutputRangeNames;
    static const QStringList pllSourceNames;
};

#endif // REGISTERNAMETABLES_H
