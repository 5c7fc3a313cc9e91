#include "MyQsciScintilla.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

MyQsciScintilla::MyQsciScintilla(QWidget *parent)
    : QsciScintilla(parent),
      folded(false)
{
    contextMenu = new QMenu(this);
    contextMenu->setObjectName(QStringLiteral("codeContextMenu"));

    copyAction = new QAction(this);
    copyAction->setObjectName(QStringLiteral("copyAction"));
    copyAction->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_C));
    connect(copyAction, SIGNAL(triggered()), this, SLOT(copy()));

    selectAllAction = new QAction(this);
    selectAllAction->setObjectName(QStringLiteral("selectAllAction"));
    selectAllAction->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_A));
    connect(selectAllAction, SIGNAL(triggered()), this, SLOT(selectAll()));

    foldAllAction = new QAction(this);
    foldAllAction->setObjectName(QStringLiteral("foldAllAction"));
    connect(foldAllAction, SIGNAL(triggered()), this, SLOT(FoldAll()));

    expandAllAction = new QAction(this);
    expandAllAction->setObjectName(QStringLiteral("expandAllAction"));
    connect(expandAllAction, SIGNAL(triggered()), this, SLOT(ExpandAll()));
    retranslateUi();
}

void MyQsciScintilla::retranslateUi()
{
    copyAction->setText(tr("Copy"));
    selectAllAction->setText(tr("Select All"));
    foldAllAction->setText(tr("Fold All"));
    expandAllAction->setText(tr("Expand All"));
}

QMenu *MyQsciScintilla::preparedContextMenu()
{
    contextMenu->clear();
    contextMenu->addAction(foldAllAction);
    contextMenu->addAction(expandAllAction);
    contextMenu->addSeparator();
    contextMenu->addAction(copyAction);
    contextMenu->addAction(selectAllAction);
    selectAllAction->setEnabled(!text().isEmpty());
    return contextMenu;
}

void MyQsciScintilla::contextMenuEvent(QContextMenuEvent *e)
{
    preparedContextMenu()->exec(e->globalPos());
}

void MyQsciScintilla::FoldAll()
{
    if (folded)
        return;
    foldAll(false);
    folded = true;
}

void MyQsciScintilla::ExpandAll()
{
    clearFolds();
    folded = false;
}
