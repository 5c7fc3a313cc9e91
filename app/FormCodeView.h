#ifndef FORMCODEVIEW_H
#define FORMCODEVIEW_H

#include <QList>
#include <QSize>
#include <QWidget>

class MyQsciScintilla;
class QGridLayout;
class QLabel;
class QTabWidget;
class QsciLexerCPP;

// The code view page: the four files of the last preview generation,
// read-only, one per tab on the west side.
class FormCodeView : public QWidget
{
    Q_OBJECT
public:
    explicit FormCodeView(QWidget *parent = nullptr);

    // Loads main.c and the series' three stem files from dir's "src" and
    // "inc" folders into the tabs.
    void ShowCode(QString seriesName, QString dir);

    // The file-name stem under which the generator writes a series' files.
    static QString templateStem(const QString &seriesName);

    QSize sizeHint() const override;
    void retranslateUi();

public slots:
    void TabWidgetTabBarClicked(int k);

private:
    enum { mainTab, clockSourceTab, confHeaderTab, clockHeaderTab };

    void setupLexer();
    void setupEditor(QsciLexerCPP *lexer, MyQsciScintilla *editor);
    void loadFile(int tab, const QString &path);

    QSize preferredSize;
    QGridLayout *gridLayout;
    QTabWidget *tabWidget;
    int currentTab;
    MyQsciScintilla *editors[4];
    QsciLexerCPP *lexer;
    QList<QLabel *> tabLabels;
    int tabCount;
};

#endif // FORMCODEVIEW_H
