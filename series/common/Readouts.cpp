#include "Readouts.h"

#include "PageStyles.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionFrame>

namespace Readouts {

QString mhz(double value)
{
    return QString::number(value, 'f', 3);
}

QString rtcKhz(bool on, const QAbstractButton *lickRadio, const QAbstractButton *lextRadio, double hextMhz,
               double hextDivider)
{
    if (!on)
        return QStringLiteral("0");
    if (lickRadio->isChecked())
        return QStringLiteral("40");
    if (lextRadio->isChecked())
        return QStringLiteral("32.768");
    return mhz(hextMhz * 1000.0 / hextDivider);
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

void setReadoutInUse(QWidget *readout, bool on)
{
    readout->setEnabled(on);
    const QColor grey(Qt::gray);
    if (!on)
        setEditColour(readout, grey);
    else if (readout->palette().color(QPalette::Active, QPalette::Text) == grey)
        setEditColour(readout, QColor(Qt::darkGreen));
}

void show(QLineEdit *box, double value, double limit, bool on)
{
    // Text first: an edit's own textChanged handling may colour it too, and
    // the limit colour has the last word.
    box->setText(mhz(value));
    setEditColour(box, on ? limitColour(value, limit) : QColor(Qt::gray));
}

void fitToText(QLineEdit *box)
{
    const int ownWidth = box->minimumWidth();
    auto fit = [box, ownWidth] {
        // The frame, the edit's own two-pixel margin inside it and the air
        // beyond, on either side of the text.
        const int air = 4;
        QStyleOptionFrame option;
        option.initFrom(box);
        const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
        const QMargins margins = box->textMargins();
        const int needed = box->fontMetrics().horizontalAdvance(box->text()) + margins.left() + margins.right()
                           + 2 * (frame + 2 + air);
        const int width = qMax(ownWidth, needed);
        if (width == box->width() && width == box->minimumWidth())
            return;
        box->setFixedWidth(width);
        if (QWidget *holder = box->parentWidget())
            holder->adjustSize();
    };
    QObject::connect(box, &QLineEdit::textChanged, box, fit);
    fit();
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
        PageStyles::set(edit, PageStyles::editApplied());
        break;
    case EditState::Pending:
        PageStyles::set(edit, PageStyles::editPending());
        break;
    case EditState::Idle:
        PageStyles::set(edit, PageStyles::editIdle());
        break;
    }
    setEditColour(edit, inRange ? inRangeColour : QColor(Qt::red));
}

TypedEdit typedEdit(QLineEdit *edit, const double &applied, int decimals)
{
    TypedEdit typed;
    typed.edit = edit;
    typed.pending = [edit, &applied, decimals] {
        return typedState(edit->text(), applied, decimals) == EditState::Pending;
    };
    typed.showModel = [edit, &applied] { edit->setText(typedValueText(applied)); };
    return typed;
}

static bool typedInto(const TypedEdit &typed)
{
    return typed.edit->isEnabled() && !typed.edit->isHidden() && typed.pending();
}

bool confirmPendingEdits(const QVector<TypedEdit> &edits)
{
    QVector<QString> kept;
    QVector<bool> wasTyped;
    for (const TypedEdit &typed : edits) {
        wasTyped << typedInto(typed);
        kept << typed.edit->text();
    }
    for (int i = 0; i < edits.size(); ++i) {
        const TypedEdit &typed = edits[i];
        QLineEdit *edit = typed.edit;
        if (!edit->isEnabled() || edit->isHidden())
            continue;
        if (typed.settled && typed.settled())
            continue;
        if (wasTyped[i] && edit->text() != kept[i])
            edit->setText(kept[i]);
        if (!typed.pending())
            continue;
        if (typed.confirm)
            typed.confirm();
        else
            emit edit->returnPressed();
        if (typed.pending())
            return false;
    }
    return true;
}

void discardPendingEdits(const QVector<TypedEdit> &edits)
{
    for (const TypedEdit &typed : edits) {
        if (typed.pending())
            typed.showModel();
    }
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
