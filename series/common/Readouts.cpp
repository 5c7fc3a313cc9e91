#include "Readouts.h"

#include "PageStyles.h"

#include <QLineEdit>
#include <QPalette>

namespace Readouts {

QString mhz(double value)
{
    return QString::number(value, 'f', 3);
}

QColor limitColour(double value, double limit)
{
    return value > limit ? QColor(Qt::red) : QColor(Qt::darkGreen);
}

static void setColour(QWidget *w, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette;
    palette.setBrush(QPalette::All, role, QBrush(colour, Qt::SolidPattern));
    w->setPalette(palette);
}

void setLabelColour(QWidget *label, const QColor &colour)
{
    setColour(label, QPalette::WindowText, colour);
}

void setEditColour(QWidget *edit, const QColor &colour)
{
    setColour(edit, QPalette::Text, colour);
}

void show(QLineEdit *box, double value, double limit, bool on)
{
    // Text first: an edit's own textChanged handling may colour it too, and
    // the limit colour has the last word.
    box->setText(mhz(value));
    setEditColour(box, on ? limitColour(value, limit) : QColor(Qt::gray));
}

EditState typedState(const QString &typed, double applied, int decimals, bool enabled)
{
    bool ok = false;
    double value = typed.toDouble(&ok);
    if (!ok)
        value = 0.0;
    if (QString::number(value, 'f', decimals) != QString::number(applied, 'f', decimals))
        return EditState::Pending;
    return enabled ? EditState::Applied : EditState::Idle;
}

void showTypedEdit(QLineEdit *edit, EditState state, bool inRange, const QColor &inRangeColour)
{
    switch (state) {
    case EditState::Applied:
        edit->setStyleSheet(PageStyles::editApplied());
        break;
    case EditState::Pending:
        edit->setStyleSheet(PageStyles::editPending());
        break;
    case EditState::Idle:
        edit->setStyleSheet(PageStyles::editIdle());
        break;
    }
    setEditColour(edit, inRange ? inRangeColour : QColor(Qt::red));
}

bool confirmPendingEdit(QLineEdit *edit, const double &applied, int decimals)
{
    return confirmPendingEdit(edit, [edit, &applied, decimals] {
        return typedState(edit->text(), applied, decimals) == EditState::Pending;
    });
}

bool confirmPendingEdit(QLineEdit *edit, const std::function<bool()> &pending)
{
    if (!edit->isEnabled() || edit->isHidden() || !pending())
        return true;
    emit edit->returnPressed();
    return !pending();
}

QString typedValueText(double value)
{
    for (int decimals = 6; decimals > 3; --decimals) {
        QString text = QString::number(value, 'f', decimals);
        while (text.endsWith(QLatin1Char('0')) && text.length() - text.indexOf(QLatin1Char('.')) - 1 > 3)
            text.chop(1);
        if (text.length() <= 8)
            return text;
    }
    return QString::number(value, 'f', 3);
}

} // namespace Readouts
