#ifndef PAGEPLACEMENT_H
#define PAGEPLACEMENT_H

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

class CustomComboBox1;
class KytoMCUPLL;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

// Placing the usual controls of a page on its drawing at scene points,
// on top of the base's factories:
//
//   ahbdivComboBox = PagePlacement::combo(this, {926, 347}, 60, 1, DividerTable::ahb().items());
//   ahbdivLabel = PagePlacement::label(this, "ahbdiv", {936, 327}, 10);
//   rtcselGroup = PagePlacement::radioGroup(this, {{257, 75}, {257, 148}}, rtcselRadios, "rtcsel");
//
// The radios are named "<name>_RadioButton_<n>", the group "<name>_ButtonGroup".
namespace PagePlacement {

// A combo box of the given width and stacking order, 25 pixels high.
CustomComboBox1 *combo(KytoMCUPLL *page, const QPoint &at, int width, int z, const QStringList &items);
QLabel *label(KytoMCUPLL *page, const QString &text, const QPoint &at, int pointSize, int weight = 0);
// Where a note beside a caption goes (a limit beside a divider's name): at,
// moved right as far as it takes to leave a blank's room after the
// caption's text, so that the two never read as one ("apb1div144MHz max").
QPoint besideCaption(const QLabel *caption, const QPoint &at);
// A value's box between two elements of the drawing beside it (a frame's
// border on the left, a mux's outline or a divider's box on the right): as
// wide as the widest text it shows, its text ending a couple of pixels
// before `right`. Where that text does not fit the room at the value's
// font, the font is made smaller (down to 7 points), never the gap.
void fitBetween(QLabel *value, int left, int right, const QString &widestText);
// A value (its box as wide as widestText) that would reach into the box of
// the control beside it moves down to leave a gap under that box.
void keepClearOf(QLabel *value, const QString &widestText, const QWidget *neighbour);
// A read-only 30 x 30 box for a fixed factor of the drawing (the SysTick
// divider, a timer multiplier), named as given.
QLineEdit *factorBox(KytoMCUPLL *page, const QPoint &at, const QString &name);
// Radios at the places, in one exclusive group owned by the page.
QButtonGroup *radioGroup(KytoMCUPLL *page, const QVector<QPoint> &places, QVector<QRadioButton *> &radios,
                         const QString &name);

} // namespace PagePlacement

#endif // PAGEPLACEMENT_H
