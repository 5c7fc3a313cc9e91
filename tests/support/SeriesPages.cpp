#include "SeriesPages.h"

#include "CustomComboBox1.h"
#include "KytoMCUPLL.h"
#include "UserDialogs.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QXmlStreamReader>
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

namespace SeriesPages {

QList<int> registeredIndices()
{
    QList<int> indices;
    for (int index = 0; index < 64; ++index) {
        if (!KytoPLLConfig::seriesName(index).isEmpty() && KytoPLLConfig::registeredOperations(index).create)
            indices << index;
    }
    return indices;
}

int indexOfClass(const QString &className)
{
    for (int index = 0; index < 64; ++index) {
        if (KytoPLLConfig::seriesClassName(index) == className)
            return index;
    }
    return 0;
}

KytoPLLConfig::SeriesOperations operationsOf(const QString &className)
{
    const int index = indexOfClass(className);
    return index ? KytoPLLConfig::registeredOperations(index) : KytoPLLConfig::SeriesOperations();
}

KytoMCUPLL *createPage(const QString &className)
{
    const KytoPLLConfig::SeriesOperations ops = operationsOf(className);
    if (!ops.create) {
        qWarning("no page registered for %s", qPrintable(className));
        return nullptr;
    }
    return ops.create(nullptr);
}

QString drawingSource(int seriesIndex)
{
    QString drawing = QFileInfo(KytoMCUPLL::bitmapResource(seriesIndex)).completeBaseName();
    // One picture serves both series: the build aliases it.
    if (drawing == QLatin1String("920PLL"))
        drawing = QStringLiteral("910PLL");
    return QStringLiteral(KYTO_SOURCE_DIR "/image/drawings/") + drawing + QStringLiteral(".svg");
}

QSize declaredDrawingSize(int seriesIndex)
{
    QFile file(drawingSource(seriesIndex));
    if (!file.open(QIODevice::ReadOnly))
        return QSize();
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("svg")) {
            auto number = [&](const char *name) {
                QString value = xml.attributes().value(QLatin1String(name)).toString().trimmed();
                if (value.endsWith(QLatin1String("px")))
                    value.chop(2);
                return qRound(value.toDouble());
            };
            return QSize(number("width"), number("height"));
        }
    }
    return QSize();
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

QRadioButton *radio(QWidget *page, const QString &group, const QString &choice)
{
    return find<QRadioButton>(page, group + QStringLiteral("_RadioButton_") + choice);
}

QLineEdit *edit(QWidget *page, const QString &node)
{
    return find<QLineEdit>(page, node + QStringLiteral("_LineEdit"));
}

QLineEdit *readout(QWidget *page, const QString &node)
{
    return find<QLineEdit>(page, node + QStringLiteral("_ReadOut"));
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

} // namespace SeriesPages
