#ifndef CUSTOMLISTVIEW_H
#define CUSTOMLISTVIEW_H

#include <QListView>

// The popup list of a CustomComboBox1; tells the page's view when it holds
// the keyboard focus (until it closes), and keeps the navigation keys to
// itself.
class CustomListView : public QListView
{
    Q_OBJECT
public:
    explicit CustomListView(QWidget *parent = nullptr);

signals:
    void focusInThis(bool flag);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

#endif // CUSTOMLISTVIEW_H
