#include "MultiplierPages.h"

#include "CustomComboBox1.h"
#include "series/multiplier/KytoH620APLL.h"
#include "series/multiplier/KytoR620APLL.h"
#include "series/multiplier/KytoR620PLL.h"
#include "series/multiplier/KytoR650PLL.h"
#include "series/multiplier/KytoR710PLL.h"
#include "UserDialogs.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

namespace {

QtMessageHandler previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("propagateSizeHints")))
        return;
    previousHandler(type, context, message);
}

} // namespace

namespace MultiplierPages {

Factory forClass(const QString &className)
{
    if (className == QLatin1String("KytoR620PLL"))
        return [] { return new KytoR620PLL(nullptr); };
    if (className == QLatin1String("KytoR620APLL"))
        return [] { return new KytoR620APLL(nullptr); };
    if (className == QLatin1String("KytoR650PLL"))
        return [] { return new KytoR650PLL(nullptr); };
    if (className == QLatin1String("KytoH620APLL"))
        return [] { return new KytoH620APLL(nullptr); };
    return [] { return new KytoR710PLL(nullptr); };
}

void silenceOffscreenSizeHints()
{
    if (!previousHandler)
        previousHandler = qInstallMessageHandler(quietHandler);
}

CustomComboBox1 *combo(QWidget *page, const QString &node)
{
    return find<CustomComboBox1>(page, node + QStringLiteral("_ComboBox"));
}

QRadioButton *radio(QWidget *page, const QString &group, int n)
{
    return find<QRadioButton>(page, QStringLiteral("%1_RadioButton_%2").arg(group).arg(n));
}

void typeAndReturn(QLineEdit *edit, const QString &text)
{
    edit->clear();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

QStringList boxTexts()
{
    QStringList texts;
    for (const UserDialogs::ShownBox &box : UserDialogs::shownBoxes())
        texts << box.title + QStringLiteral(": ") + box.text;
    return texts;
}

} // namespace MultiplierPages
