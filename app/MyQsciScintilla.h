#ifndef MYQSCISCINTILLA_H
#define MYQSCISCINTILLA_H

#include <Qsci/qsciscintilla.h>

class QAction;
class QMenu;

// The read-only editor of the code view, with a small context menu for
// copying, selecting and folding.
class MyQsciScintilla : public QsciScintilla
{
    Q_OBJECT
public:
    explicit MyQsciScintilla(QWidget *parent = nullptr);

    // The menu as it would be shown now: "Select All" is only offered when
    // there is text to select.
    QMenu *preparedContextMenu();
    // The context menu's texts in the language installed now.
    void retranslateUi();
    bool isFolded() const { return folded; }

public slots:
    void ExpandAll();
    void FoldAll();

protected:
    void contextMenuEvent(QContextMenuEvent *e) override;

private:
    QMenu *contextMenu;
    QAction *copyAction;
    QAction *selectAllAction;
    QAction *foldAllAction;
    QAction *expandAllAction;
    bool folded;
};

#endif // MYQSCISCINTILLA_H
