#ifndef CUSTOMCOMBOBOX1_H
#define CUSTOMCOMBOBOX1_H

#include <QComboBox>

class CustomListView;
class QGraphicsProxyWidget;

// The drop-down selector of every clock-tree page: one fixed look in three
// states (normal, active, disabled) and a wheel that never changes the
// selection, so scrolling over the drawing cannot alter a design by accident.
class CustomComboBox1 : public QComboBox
{
    Q_OBJECT
public:
    explicit CustomComboBox1(QWidget *parent = nullptr);

    // The one way series code enables or greys a combo: keeps the look in
    // step with the enabled state.
    void setComboBoxEnabled(bool enabled);

    CustomListView *listView;

    static QString normalStyleSheet();
    static QString activeStyleSheet();
    static QString disabledStyleSheet();

    void showPopup() override;
    void hidePopup() override;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void applyStyleSheet(const QString &sheet);
    void placePopupInView();
    QRectF mapRectToScene(const QGraphicsProxyWidget *holder, const QRect &area) const;

    // The stacking order of the combo's holder before its list opened.
    qreal zBeforePopup = 0;
    bool raisedForPopup = false;
};

#endif // CUSTOMCOMBOBOX1_H
