#include "FlexibleTables.h"

namespace FlexibleTables {

const DividerTable &hextDiv()
{
    static const DividerTable table{1, 2, 4, 8, 16, 32};
    return table;
}

const DividerTable &hickDiv()
{
    static const DividerTable table{1, 2, 4, 8, 16};
    return table;
}

const DividerTable &clkoutDiv1()
{
    static const DividerTable table{1, 2, 3, 4, 5};
    return table;
}

const DividerTable &rtcDiv()
{
    static const DividerTable table{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16,
                                    17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31};
    return table;
}

const DividerTable &pllFp()
{
    static const DividerTable table{1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30};
    return table;
}

const DividerTable &pllFr()
{
    static const DividerTable table{1, 2, 4, 8, 16, 32};
    return table;
}

const DividerTable &pllFu()
{
    static const DividerTable table{11, 13, 12, 14, 16, 18, 20};
    return table;
}

const DividerTable &usbDiv()
{
    static const DividerTable table{2, 3, 4, 5, 6, 7, 8};
    return table;
}

} // namespace FlexibleTables
