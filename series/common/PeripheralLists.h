#ifndef PERIPHERALLISTS_H
#define PERIPHERALLISTS_H

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

class KytoMCUPLL;
class QPushButton;
class QWidget;

// The List buttons of a page and their pop-out lists of peripherals. At
// most one list is open; a mouse press on the page closes them all.
//
//   PeripheralLists lists{true};                       // a page member
//   QPushButton *b = lists.add(this, "toapb1tmr", names, buttonAt, listAt, 3);
//   connect(b, SIGNAL(clicked()), this, SLOT(toapb1tmr_List_Button_checkSlot()));
//   void Page::toapb1tmr_List_Button_checkSlot() { lists.toggle(1); }
//   void Page::mousePressEvent(QMouseEvent *e) { lists.closeAll(); QWidget::mousePressEvent(e); }
class PeripheralLists
{
public:
    // giveFocusOnClose: closeAll() hands the keyboard focus to the button
    // of each list it closes (as some families do, not all).
    explicit PeripheralLists(bool giveFocusOnClose);

    // Places a List button and its hidden list on the page, named
    // "<name>_List_Button" and "<name>_List"; returns the button, for the
    // page to connect to its own slot. Lists are numbered in the order added.
    QPushButton *add(KytoMCUPLL *page, const QString &name, const QStringList &contents,
                     const QPoint &buttonAt, const QPoint &listAt, int listNumber, int spacing = 4);

    // Opens a closed list (closes an open one) and closes every other.
    void toggle(int which);
    void closeAll();

    int count() const { return buttons.size(); }
    QPushButton *button(int which) const { return buttons.value(which); }
    QWidget *list(int which) const { return lists.value(which); }

private:
    void close(int which);

    QVector<QPushButton *> buttons;
    QVector<QWidget *> lists;
    bool giveFocus;
};

#endif // PERIPHERALLISTS_H
