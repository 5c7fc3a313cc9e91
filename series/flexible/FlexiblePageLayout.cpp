#include "FlexiblePageLayout.h"

FlexiblePageLayout FlexiblePageLayout::frFamily()
{
    FlexiblePageLayout l;
    l.lickLabel = {80, 44};
    l.lick = {65, 61};
    l.lextLabel = {80, 88};
    l.lext = {65, 103};
    l.rtcselLabel = {340, 35};
    l.rtcsel = {{352, 67}, {352, 109}, {352, 155}};
    l.rtcdivLabel = {250, 136};
    l.rtcdiv = {240, 150};
    l.pllrcsLabel = {332, 223};
    l.pllrcs = {{342, 257}, {342, 317}};
    l.pllmsLabel = {390, 264};
    l.pllms = {375, 284};
    l.pllmsRange = {390, 312};
    l.pllnsLabel = {460, 264};
    l.pllns = {445, 284};
    l.pllnsRange = {450, 312};
    l.pllOutDivLabel = {530, 264};
    l.pllOutDiv = {515, 284};
    l.pllOutput = {590, 274};
    l.pllOutputLeft = 575;
    l.pllOutputRight = l.pllHalfBox.x();
    l.hickdivLabel = {500, 357};
    l.hickdiv = {490, 375};
    l.clockoutdiv1Label = {295, 644};
    l.clockoutdiv1 = {294, 664};
    l.clockoutdiv2Label = {187, 644};
    l.clockoutdiv2 = {186, 664};
    l.pinLabel = {75, 644};
    l.pin = {73, 664};
    l.clkoutTitle = {402, 783};
    l.clkoutRadioX = 406;
    l.clkoutCaptionX = 467;
    l.clkoutValueX = 507;
    l.clkoutRadioY = {605, 626, 647, 668, 689, 710, 731, 752};
    l.clkoutCaptionY = {601, 622, 643, 664, 685, 706, 727, 748};
    l.systickDivBox = {1091, 90};
    l.readoutX = 1179;
    l.listX = 1264;
    return l;
}
