#ifndef MCUSELECT_FORM_H
#define MCUSELECT_FORM_H

#include <QDialog>
#include <QString>

class CustomComboBox1;
class QLabel;
class QPushButton;

// The chip picker run by "New": a product line, then one series of it. The
// caller runs exec() and reads selectedName when the result is Accepted.
class MCUSelect_Form : public QDialog
{
    Q_OBJECT
public:
    // The parent is not used: the picker is always a top-level window.
    explicit MCUSelect_Form(QWidget *parent = nullptr);
    ~MCUSelect_Form() override;

    QString selectedName;

private slots:
    void ok_button_clicked();
    void cancel_button_clicked();
    void on_ProductLineComboBox_IndexChanged(int index);

private:
    QLabel *productLineLabel;
    CustomComboBox1 *productLineComboBox;
    QLabel *seriesLabel;
    CustomComboBox1 *seriesComboBox;
    QPushButton *cancelButton;
    QPushButton *okButton;
};

#endif // MCUSELECT_FORM_H
