#include "KytoPLLConfig.h"

#include "ClockTreeModel.h"
#include "DesignFileReader.h"
#include "KytoMCUPLL.h"
#include "StagedFileSet.h"
#include "UserDialogs.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

struct SeriesEntry {
    int index;
    const char *className;
    const char *name;
    int slot;   // position in seriesWidgets
};

const SeriesEntry seriesTable[KytoPLLConfig::seriesCount] = {
    {2, "KytoR620PLL", "KytoR620", 0},
    {4, "KytoR710PLL", "KytoR710", 10},
    {5, "KytoR720PLL", "KytoR720", 9},
    {7, "KytoR620APLL", "KytoR620A", 1},
    {8, "KytoR650PLL", "KytoR650", 2},
    {9, "KytoR730PLL", "KytoR730", 5},
    {13, "KytoR810PLL", "KytoR810", 3},
    {14, "KytoR820PLL", "KytoR820", 4},
    {15, "KytoR750PLL", "KytoR750", 8},
    {16, "KytoE105PLL", "KytoE105", 12},
    {17, "KytoNS720PLL", "KytoNS720", 11},
    {18, "KytoR740PLL", "KytoR740", 6},
    {19, "KytoR640PLL", "KytoR640", 13},
    {20, "KytoR610PLL", "KytoR610", 14},
    {21, "KytoR910PLL", "KytoR910", 19},
    {22, "KytoR920PLL", "KytoR920", 20},
    {23, "KytoR930PLL", "KytoR930", 21},
    {24, "KytoH620APLL", "KytoH620A", 16},
    {25, "KytoD515PLL", "KytoD515", 17},
    {26, "KytoD525PLL", "KytoD525", 18},
    {29, "KytoH740PLL", "KytoH740", 7},
    {30, "KytoR960PLL", "KytoR960", 15},
};

const SeriesEntry *findSeries(int index)
{
    for (const SeriesEntry &entry : seriesTable) {
        if (entry.index == index)
            return &entry;
    }
    return nullptr;
}

QHash<int, KytoPLLConfig::SeriesOperations> &testOverrides()
{
    static QHash<int, KytoPLLConfig::SeriesOperations> overrides;
    return overrides;
}

} // namespace

// The pages themselves are registered in series/SeriesRegistry.cpp; a test
// may put a stand-in in front of them.
bool KytoPLLConfig::seriesOperations(int index, SeriesOperations &ops)
{
    if (testOverrides().contains(index)) {
        ops = testOverrides().value(index);
        return true;
    }
    ops = registeredOperations(index);
    return ops.create != nullptr;
}

void KytoPLLConfig::overrideSeriesForTesting(int index, SeriesOperations ops)
{
    if (ops.create)
        testOverrides().insert(index, ops);
    else
        testOverrides().remove(index);
}

int KytoPLLConfig::seriesIndexOf(const QString &name)
{
    for (const SeriesEntry &entry : seriesTable) {
        if (name == QLatin1String(entry.name))
            return entry.index;
    }
    return 0;
}

QString KytoPLLConfig::seriesName(int index)
{
    const SeriesEntry *entry = findSeries(index);
    return entry ? QString::fromLatin1(entry->name) : QString();
}

QString KytoPLLConfig::seriesClassName(int index)
{
    const SeriesEntry *entry = findSeries(index);
    return entry ? QString::fromLatin1(entry->className) : QString();
}

KytoPLLConfig::KytoPLLConfig(QWidget *parent)
    : QWidget(parent)
{
    mcuName = QString();
    seriesIndex = 0;
    for (KytoMCUPLL *&widget : seriesWidgets)
        widget = nullptr;

    createToolBar();

    QHBoxLayout *toolLayout = new QHBoxLayout();
    toolLayout->addItem(new QSpacerItem(50, 40, QSizePolicy::Expanding, QSizePolicy::Fixed));
    toolLayout->addWidget(toolBar);
    toolLayout->addItem(new QSpacerItem(50, 40, QSizePolicy::Expanding, QSizePolicy::Fixed));

    toolBox = new QGroupBox();
    toolBox->setObjectName(QStringLiteral("toolBox"));
    toolBox->setLayout(toolLayout);
    toolBox->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 255); border: none;"));
    toolBox->hide();

    mainLayout = new QVBoxLayout();
    mainLayout->addWidget(toolBox);
    mainLayout->setSpacing(0);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    setLayout(mainLayout);
}

KytoPLLConfig::~KytoPLLConfig() = default;

void KytoPLLConfig::createToolBar()
{
    const QFont font(QStringLiteral("Arial"), 11, 0);

    zoomInAction = new QAction(QIcon(QStringLiteral(":/image/zoomin.png")), tr("Zoom in"), this);
    zoomInAction->setObjectName(QStringLiteral("zoomInAction"));
    zoomOutAction = new QAction(QIcon(QStringLiteral(":/image/zoomout.png")), tr("Zoom out"), this);
    zoomOutAction->setObjectName(QStringLiteral("zoomOutAction"));
    zoomResetAction = new QAction(QIcon(QStringLiteral(":/image/zoomreset.png")), tr("Zoom Reset"), this);
    zoomResetAction->setObjectName(QStringLiteral("zoomResetAction"));
    configResetAction = new QAction(QIcon(QStringLiteral(":/image/editundo.png")), tr("Config Reset"), this);
    configResetAction->setObjectName(QStringLiteral("configResetAction"));
    for (QAction *action : {zoomInAction, zoomOutAction, zoomResetAction, configResetAction})
        action->setFont(font);

    toolBar = new QToolBar();
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setStyleSheet(QStringLiteral("QToolBar { background-color: rgb(255, 255, 255); color: white; spacing: 30; }"));
    toolBar->addAction(zoomInAction);
    toolBar->addAction(zoomResetAction);
    toolBar->addAction(zoomOutAction);
    toolBar->addWidget(new QLabel());
    toolBar->addAction(configResetAction);

    connect(zoomInAction, SIGNAL(triggered()), this, SLOT(ZoomIn()));
    connect(zoomOutAction, SIGNAL(triggered()), this, SLOT(ZoomOut()));
    connect(zoomResetAction, SIGNAL(triggered()), this, SLOT(ZoomReset()));
    connect(configResetAction, SIGNAL(triggered()), this, SLOT(ConfigReset()));
}

void KytoPLLConfig::retranslateUi()
{
    zoomInAction->setText(tr("Zoom in"));
    zoomOutAction->setText(tr("Zoom out"));
    zoomResetAction->setText(tr("Zoom Reset"));
    configResetAction->setText(tr("Config Reset"));
}

KytoMCUPLL *KytoPLLConfig::currentSeriesWidget() const
{
    const SeriesEntry *entry = findSeries(seriesIndex);
    return entry ? seriesWidgets[entry->slot] : nullptr;
}

bool KytoPLLConfig::hasSeriesWidget() const
{
    for (KytoMCUPLL *widget : seriesWidgets) {
        if (widget)
            return true;
    }
    return false;
}

void KytoPLLConfig::selectMcu(int index)
{
    seriesIndex = index;
    toolBox->show();
    createSeriesWidget(index);
    ZoomReset();
    // The page's constructor has reset it to the series defaults; a second
    // reset would show nothing new and only double the wait.
}

bool KytoPLLConfig::generateCode(int mode)
{
    KytoMCUPLL *page = currentSeriesWidget();
    SeriesOperations ops;
    if (!page || !seriesOperations(seriesIndex, ops))
        return false;
    page->model->interactiveGenerate = mode;
    return ops.generateCode(page);
}

void KytoPLLConfig::openConfigFile(QString path, QString &outName)
{
    // A Save of this design that was cut off is completed or undone, and
    // what it left beside the design (or a link's target) is removed.
    StagedFileSet::recoverFile(path);
    // Read once: the page's load below gets its keys from this reading.
    const DesignFileReader design(path);
    mcuName = design.value(QStringLiteral("MCU"));
    const int index = seriesIndexOf(mcuName);
    // A series without a page class cannot show the design: refuse it
    // before the open page is destroyed, so no work is lost.
    SeriesOperations ops;
    if (index == 0 || !seriesOperations(index, ops)) {
        mcuName = QString();
        QMessageBox box(QMessageBox::Warning, tr("Warning"), tr("MCU in file not supported."), QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(tr("Ok"));
        UserDialogs::exec(box);
        return;
    }

    seriesIndex = index;
    toolBox->show();
    createSeriesWidget(index);
    if (KytoMCUPLL *page = currentSeriesWidget())
        ops.loadConfig(page, path);
    ZoomReset();
    outName = mcuName;
}

void KytoPLLConfig::saveConfigFile()
{
    KytoMCUPLL *page = currentSeriesWidget();
    SeriesOperations ops;
    if (page && seriesOperations(seriesIndex, ops))
        ops.saveConfig(page, seriesName(seriesIndex));
}

void KytoPLLConfig::ZoomIn()
{
    if (KytoMCUPLL *page = currentSeriesWidget())
        page->zoomIn();
}

void KytoPLLConfig::ZoomOut()
{
    if (KytoMCUPLL *page = currentSeriesWidget())
        page->zoomOut();
}

void KytoPLLConfig::ZoomReset()
{
    if (KytoMCUPLL *page = currentSeriesWidget())
        page->zoomReset();
}

void KytoPLLConfig::ConfigReset()
{
    QMessageBox box(QMessageBox::Warning, tr("Warning"),
                    tr("The current configuration will be reset. Please confirm whether to continue?"),
                    QMessageBox::Yes | QMessageBox::Cancel);
    box.button(QMessageBox::Yes)->setText(tr("Yes"));
    box.button(QMessageBox::Cancel)->setText(tr("Cancel"));
    if (UserDialogs::exec(box) != QMessageBox::Cancel)
        resetCurrent();
}

void KytoPLLConfig::resetCurrent()
{
    KytoMCUPLL *page = currentSeriesWidget();
    SeriesOperations ops;
    if (page && seriesOperations(seriesIndex, ops))
        ops.resetDefaults(page);
}

void KytoPLLConfig::clearSeriesWidgets()
{
    for (KytoMCUPLL *&widget : seriesWidgets) {
        if (!widget)
            continue;
        mainLayout->removeWidget(widget);
        delete widget;
        widget = nullptr;
    }
}

void KytoPLLConfig::createSeriesWidget(int index)
{
    clearSeriesWidgets();
    const SeriesEntry *entry = findSeries(index);
    SeriesOperations ops;
    if (!entry || !seriesOperations(index, ops))
        return;
    KytoMCUPLL *page = ops.create(this);
    seriesWidgets[entry->slot] = page;
    mainLayout->addWidget(page);
}
