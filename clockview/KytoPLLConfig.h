#ifndef KYTOPLLCONFIG_H
#define KYTOPLLCONFIG_H

#include <QString>
#include <QWidget>

class KytoMCUPLL;
class QAction;
class QGroupBox;
class QToolBar;
class QVBoxLayout;

// The clock-configuration area of the main window: the zoom/reset tool bar
// above the page of the open design. It builds the page for a series index
// through the series registry, replaces the old one, and passes generate,
// reset, open, save and zoom on to it. It includes no page header: the page
// classes are named only in series/SeriesRegistry.cpp.
class KytoPLLConfig : public QWidget
{
    Q_OBJECT
public:
    // What the container calls on a series page. The page classes share no
    // virtual interface, so each registered class supplies these through
    // operationsOf<Class>(), which binds its own constructor and members.
    struct SeriesOperations {
        KytoMCUPLL *(*create)(KytoPLLConfig *parent) = nullptr;
        bool (*generateCode)(KytoMCUPLL *page) = nullptr;
        void (*resetDefaults)(KytoMCUPLL *page) = nullptr;
        void (*loadConfig)(KytoMCUPLL *page, QString path) = nullptr;
        void (*saveConfig)(KytoMCUPLL *page, QString seriesName) = nullptr;
    };

    template <class Series>
    static SeriesOperations operationsOf()
    {
        SeriesOperations ops;
        ops.create = [](KytoPLLConfig *parent) -> KytoMCUPLL * {
            Series *page = new Series(parent);
            page->showDrawing();
            return page;
        };
        ops.generateCode = [](KytoMCUPLL *page) { return static_cast<Series *>(page)->generateCode(); };
        ops.resetDefaults = [](KytoMCUPLL *page) { static_cast<Series *>(page)->resetDefaults(); };
        ops.loadConfig = [](KytoMCUPLL *page, QString path) { static_cast<Series *>(page)->loadConfig(path); };
        ops.saveConfig = [](KytoMCUPLL *page, QString seriesName) { static_cast<Series *>(page)->saveConfig(seriesName); };
        return ops;
    }

    // The page class registered for a series index, defined beside the pages
    // in series/SeriesRegistry.cpp; empty operations (create == nullptr) for
    // an index without a page.
    static SeriesOperations registeredOperations(int index);

    explicit KytoPLLConfig(QWidget *parent = nullptr);
    ~KytoPLLConfig() override;

    bool hasSeriesWidget() const;
    void selectMcu(int index);
    bool generateCode(int mode);
    void openConfigFile(QString path, QString &outName);
    void saveConfigFile();
    void retranslateUi();

    KytoMCUPLL *currentSeriesWidget() const;
    int currentSeriesIndex() const { return seriesIndex; }

    // The series table: 22 series, each with its index, page class and
    // series name (the design file's "MCU" value).
    static constexpr int seriesCount = 22;
    static int seriesIndexOf(const QString &seriesName);   // exact match; 0 when none
    static QString seriesName(int index);                 // empty for an index without a series
    static QString seriesClassName(int index);

    // Tests put a stand-in page class behind a series index of the table;
    // an empty SeriesOperations removes it again.
    static void overrideSeriesForTesting(int index, SeriesOperations ops);

public slots:
    void ZoomIn();
    void ZoomOut();
    void ZoomReset();
    void ConfigReset();

private:
    void createToolBar();
    void resetCurrent();
    void clearSeriesWidgets();
    void createSeriesWidget(int index);
    static bool seriesOperations(int index, SeriesOperations &ops);

    QVBoxLayout *mainLayout;
    QGroupBox *toolBox;
    int seriesIndex;
    QString mcuName;
    QToolBar *toolBar;
    QAction *zoomInAction;
    QAction *zoomOutAction;
    QAction *zoomResetAction;
    QAction *configResetAction;
    // One slot per series class, in the table's slot order; at most one set.
    KytoMCUPLL *seriesWidgets[seriesCount];
};

#endif // KYTOPLLCONFIG_H
