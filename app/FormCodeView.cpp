#include "FormCodeView.h"

#include "MyQsciScintilla.h"

#include <Qsci/qscilexercpp.h>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSpacerItem>
#include <QTabBar>
#include <QTabWidget>
#include <QTextStream>

namespace {

const char *const editorScrollBarSheet =
    "QScrollBar{background:rgb(217, 233, 246); height:12px;}"
    "QScrollBar::handle{background:rgb(36, 183, 181); border:2px solid transparent; border-radius:5px;}"
    "QScrollBar::handle:hover{background:rgb(36, 183, 181);}"
    "QScrollBar::sub-line{background:transparent;}"
    "QScrollBar::add-line{background:transparent;}";

} // namespace

FormCodeView::FormCodeView(QWidget *parent)
    : QWidget(parent),
      preferredSize(),
      lexer(nullptr)
{
    tabWidget = new QTabWidget(this);
    tabWidget->setObjectName(QStringLiteral("codeTabWidget"));
    tabWidget->setFont(QFont(QStringLiteral("Consolas"), 10, 0));
    currentTab = 0;
    connect(tabWidget, SIGNAL(tabBarClicked(int)), this, SLOT(TabWidgetTabBarClicked(int)));

    gridLayout = new QGridLayout();
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->addItem(new QSpacerItem(20, 20, QSizePolicy::Expanding, QSizePolicy::Fixed), 0, 0, 1, 3);
    gridLayout->addItem(new QSpacerItem(20, 20, QSizePolicy::Expanding, QSizePolicy::Expanding), 1, 0);
    gridLayout->addWidget(tabWidget, 1, 1);
    gridLayout->addItem(new QSpacerItem(20, 20, QSizePolicy::Expanding, QSizePolicy::Expanding), 1, 2);
    gridLayout->addItem(new QSpacerItem(20, 20, QSizePolicy::Expanding, QSizePolicy::Fixed), 2, 0, 1, 3);
    gridLayout->setColumnStretch(0, 1);
    gridLayout->setColumnStretch(1, 8);
    gridLayout->setColumnStretch(2, 1);

    tabCount = 4;

    const QString horizontalSheet = QLatin1String(editorScrollBarSheet);
    QString verticalSheet = horizontalSheet;
    verticalSheet.replace(QLatin1String("height:12px;"), QLatin1String("width: 12px;"));
    for (int i = 0; i < tabCount; ++i) {
        editors[i] = new MyQsciScintilla(this);
        editors[i]->setObjectName(QStringLiteral("codeEditor%1").arg(i));
        editors[i]->horizontalScrollBar()->setStyleSheet(horizontalSheet);
        editors[i]->verticalScrollBar()->setStyleSheet(verticalSheet);
    }

    setupLexer();

    for (int i = 0; i < tabCount; ++i)
        tabWidget->addTab(editors[i], QString());

    for (int i = 0; i < tabCount; ++i) {
        QLabel *label = new QLabel(this);
        label->setObjectName(QStringLiteral("tabLabel%1").arg(i));
        label->setFont(QFont(QStringLiteral("Consolas"), 11, 0));
        label->setAlignment(Qt::AlignCenter);
        tabLabels.append(label);
        tabWidget->tabBar()->setTabButton(i, QTabBar::RightSide, label);
        label->setFixedSize(200, 78);
    }

    tabWidget->setStyleSheet(QStringLiteral(
        "QTabBar::tab {background: rgb(57, 169, 220); color:white;  width:202px; height: 80px; border: 1px solid white;}"
        "QTabBar::tab:selected {background:rgb(123, 199, 233); color:rgb(0, 32, 82); }"));
    tabWidget->setTabPosition(QTabWidget::West);

    setLayout(gridLayout);
}

void FormCodeView::setupLexer()
{
    lexer = new QsciLexerCPP(this, false);
    lexer->setFont(QFont(QStringLiteral("Consolas"), 11, 50));
    lexer->setColor(Qt::blue, QsciLexerCPP::Keyword);
    for (MyQsciScintilla *editor : editors)
        setupEditor(lexer, editor);
}

void FormCodeView::setupEditor(QsciLexerCPP *lexer, MyQsciScintilla *editor)
{
    editor->setFont(QFont(QStringLiteral("Consolas"), 11, 50));
    editor->setMarginType(0, QsciScintilla::NumberMargin);
    editor->setMarginLineNumbers(0, true);
    editor->setMarginWidth(0, 30);
    editor->setTabWidth(4);
    editor->setAutoIndent(true);
    editor->setCaretLineVisible(true);
    editor->setCaretLineBackgroundColor(QColor(QStringLiteral("#E8E8FF")));
    editor->setReadOnly(true);
    editor->setFolding(QsciScintilla::BoxedTreeFoldStyle, 2);
    editor->setFoldMarginColors(Qt::lightGray, Qt::lightGray);
    editor->setLexer(lexer);
}

QString FormCodeView::templateStem(const QString &seriesName)
{
    const QString name = seriesName.toUpper();
    if (name == QLatin1String("KYTOR810") || name == QLatin1String("KYTOR820"))
        return QStringLiteral("kytor810_820");
    if (name == QLatin1String("KYTOR620A") || name == QLatin1String("KYTOR650"))
        return QStringLiteral("kytor620a_650");
    if (name == QLatin1String("KYTOR610") || name == QLatin1String("KYTOR640"))
        return QStringLiteral("kytor610_640");
    if (name == QLatin1String("KYTOD515") || name == QLatin1String("KYTOD525"))
        return QStringLiteral("kytod515_525");
    if (name == QLatin1String("KYTOR910") || name == QLatin1String("KYTOR920") || name == QLatin1String("KYTOR930"))
        return QStringLiteral("kytor9x0");
    return seriesName.toLower();
}

void FormCodeView::retranslateUi()
{
    for (MyQsciScintilla *editor : editors)
        editor->retranslateUi();
}

void FormCodeView::ShowCode(QString seriesName, QString dir)
{
    const QString src = dir + QLatin1Char('/') + QLatin1String("src");
    const QString inc = dir + QLatin1Char('/') + QLatin1String("inc");
    loadFile(mainTab, src + QLatin1String("/main.c"));
    const QString stem = templateStem(seriesName);
    loadFile(clockSourceTab, src + QLatin1Char('/') + stem + QLatin1String("_clock.c"));
    loadFile(confHeaderTab, inc + QLatin1Char('/') + stem + QLatin1String("_conf.h"));
    loadFile(clockHeaderTab, inc + QLatin1Char('/') + stem + QLatin1String("_clock.h"));
    TabWidgetTabBarClicked(currentTab);
}

// Each tab is labelled with its own file's name, so a file that cannot be
// read leaves its tab as it was without shifting the other labels.
void FormCodeView::loadFile(int tab, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    const QString content = stream.readAll();
    file.close();

    MyQsciScintilla *editor = editors[tab];
    const int scrollPosition = editor->verticalScrollBar()->value();
    editor->setText(content);
    tabLabels.at(tab)->setText(QFileInfo(path).fileName());
    editor->verticalScrollBar()->setValue(scrollPosition);
}

void FormCodeView::TabWidgetTabBarClicked(int k)
{
    if (k < 0)
        return;
    currentTab = k;
    // Dark text on the light selected tab: white on it read worse than on
    // the darker tabs beside it.
    for (int i = 0; i < tabLabels.size(); ++i) {
        tabLabels.at(i)->setStyleSheet(i == k
            ? QStringLiteral("background:rgb(123, 199, 233); color:rgb(0, 32, 82); border: 0px;")
            : QStringLiteral("background:rgb(57, 169, 220); color:white; border: 0px;"));
    }
}

QSize FormCodeView::sizeHint() const
{
    return preferredSize;
}
