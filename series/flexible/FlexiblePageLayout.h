#ifndef FLEXIBLEPAGELAYOUT_H
#define FLEXIBLEPAGELAYOUT_H

#include <QPoint>
#include <QVector>

// Scene positions of every control of a flexible-PLL page. The member
// defaults are the places of the fp/fu drawings (R610, R640, R960);
// frFamily() gives those of the fr drawings (R740, H740), most of them the
// same, some a pixel lower, the PLL and the clock-out group moved.
struct FlexiblePageLayout {
    QPoint lickLabel{80, 43}, lick{65, 60};
    QPoint wdt{508, 12};
    QPoint rtcSwitch{400, 106}, ertcLabel{593, 109}, ertc{510, 106};
    QPoint lextLabel{80, 87}, lext{65, 102};
    QPoint lextBypassLabel{83, 135}, lextBypass{65, 152}, lextIn{18, 103}, lextOut{6, 114};
    QPoint rtcselLabel{340, 34};
    QVector<QPoint> rtcsel{{352, 66}, {352, 108}, {352, 154}};
    QPoint rtcdivLabel{250, 135}, rtcdiv{240, 149};
    QPoint hextLabel{65, 228}, hext{65, 248};
    QPoint hextdivLabel{500, 183}, hextdiv{490, 201};
    QPoint hextBypassLabel{83, 282}, hextBypass{65, 300}, hextIn{18, 252}, hextOut{6, 263};
    QPoint pllrcsLabel{332, 222};
    QVector<QPoint> pllrcs{{342, 256}, {342, 316}};
    QPoint pllmsLabel{390, 263}, pllms{375, 283}, pllmsRange{390, 311};
    QPoint pllnsLabel{480, 263}, pllns{465, 283}, pllnsRange{470, 311};
    QPoint pllOutDivLabel{582, 263}, pllOutDiv{567, 283};
    QPoint pllcfgLabel{420, 230}, pllcfg{510, 227};
    QPoint pllOutput{645, 274};
    // The room of the PLL's output value on the drawing: from the PLL
    // frame's border (or the output divider) to the SCLK mux (or the "/ 2").
    int pllOutputLeft = 639, pllOutputRight = 733;
    QPoint sclkselectLabel{712, 171};
    QVector<QPoint> sclkselect{{738, 233}, {738, 291}, {738, 349}};
    QPoint ahbdivLabel{935, 265}, ahbdiv{925, 285};
    QPoint apb1divLabel{1040, 236}, apb1MaxLabel{1090, 246}, apb1div{1034, 253};
    QPoint apb2divLabel{1040, 403}, apb2MaxLabel{1090, 413}, apb2div{1034, 423};
    QPoint usbDivLabel{716, 436}, usbDiv{706, 411};
    QPoint hicktousbLabel{768, 490};
    QVector<QPoint> hicktousb{{795, 417}, {795, 457}};
    QPoint toUsbLabel{850, 412}, usbswitch{840, 432}, usbFreq{920, 460};
    QPoint hicktosclkLabel{267, 441};
    QVector<QPoint> hicktosclk{{287, 358}, {287, 408}};
    QPoint hickLabel{80, 355}, hick{65, 373};
    QPoint hickdivLabel{430, 357}, hickdiv{420, 375};
    QPoint clockoutdiv1Label{287, 642}, clockoutdiv1{285, 662};
    QPoint clockoutdiv2Label{175, 642}, clockoutdiv2{173, 662};
    QPoint pinLabel{75, 642}, pin{73, 662};
    QPoint clkoutFreq{50, 701}, clkoutTitle{386, 767};
    // The clock-out rows, top to bottom: radio x, caption x, value-label x,
    // and per row the radio y and the caption/value-label y.
    int clkoutRadioX = 387, clkoutCaptionX = 443, clkoutValueX = 483;
    QVector<int> clkoutRadioY{583, 604, 625, 646, 667, 688, 709, 730};
    QVector<int> clkoutCaptionY{579, 600, 622, 643, 664, 685, 706, 727};
    QPoint sclkLabel{775, 264}, sclk{783, 284};
    QPoint systickDivBox{1091, 89}, apb1TimerBox{1091, 300}, apb2TimerBox{1091, 470};
    QPoint pllHalfBox{670, 282};
    int readoutX = 1182;
    int listX = 1267;

    static FlexiblePageLayout frFamily();
};

#endif // FLEXIBLEPAGELAYOUT_H
