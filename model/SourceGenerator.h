#ifndef SOURCEGENERATOR_H
#define SOURCEGENERATOR_H

#include <QString>
#include <QStringList>
#include <QVector>

class ClockTreeModel;

// Fills a series' code templates from its clock model and writes the four
// generated files.
//
// Each processor takes the working text of one file, keeps or drops its
// sections and rewrites its library calls by the model's state; false means
// its mark-up was missing, and generation stops without writing anything.
class SourceGenerator
{
public:
    using Processor = bool (SourceGenerator::*)(QString &);

    explicit SourceGenerator(ClockTreeModel &model);

    // Reads the four templates of the stem, runs the series' chains on them
    // and, once all of them succeeded and every overwrite question was
    // answered Yes, writes stem_clock.c and main.c to srcDir and stem_clock.h
    // and stem_conf.h to incDir. True only when all four files were written;
    // otherwise every target is as it was before, and failedPath (when
    // given) names the target that could not be written, if one could not.
    // A target that is a folder or read-only is named before any question.
    // A clock that is nan or inf stops it before anything is read or asked.
    // What an earlier run that was cut off left in the two folders is
    // completed or undone first.
    bool writeSourceFiles(const QString &incDir, const QString &srcDir, const QString &stem,
                          QString *failedPath = nullptr);
    // The overwrite question for one file name (no folder part).
    void askReplaceFile(const QString &fileName, bool &replace, bool &applyToAll);

    // Where the templates are read from: ":/image/" in the program; tests
    // point it at a folder of their own (the prefix ends with "/").
    void setTemplatePrefix(const QString &prefix);

    // ---- clock source file ----
    bool fillHextBypass(QString &text);
    bool fillEnableHext(QString &text);
    bool fillEnableHick(QString &text);
    bool fillEnableHextDiv(QString &text);
    bool fillEnablePll(QString &text);
    bool fillPllNormal(QString &text);
    bool fillPllFlexible(QString &text);
    bool fillPlluDiv(QString &text);
    bool fillPllSysclock(QString &text);
    bool fillHextSysclock(QString &text);
    bool fillHickSysclock(QString &text);
    bool fillAutoStepMode(QString &text);
    bool fillHickUsbclock(QString &text);
    bool fillPllUsbclock(QString &text);
    bool fillAhbDiv(QString &text);
    bool fillApb1Div(QString &text);
    bool fillApb2Div(QString &text);
    bool fillApb3Div(QString &text);
    bool fillLdoVoltage(QString &text);
    bool fillFlashClockDivider(QString &text);
    bool fillFlashPsr(QString &text);
    bool fillClockConfigComment(QString &text);

    // ---- main program ----
    bool fillLickFunction(QString &text);
    bool fillLextFunction(QString &text);
    bool fillClkoutFunction(QString &text);
    bool fillClkout1Function(QString &text);
    bool fillClkout2Function(QString &text);
    bool removeUnusedInitCalls(QString &text);
    bool fillRtcFunction(QString &text);
    bool fillRtcLick(QString &text);
    bool fillRtcLext(QString &text);
    bool fillRtcHext(QString &text);
    bool fillAdcFunction(QString &text);
    bool fillI2cFunction(QString &text);
    bool fillUsartFunction(QString &text);
    bool fillI2sf5Function(QString &text);
    bool fillCanFunction(QString &text);

    // ---- configuration header ----
    bool fillHextValueDefine(QString &text);

    // Whole Hz from MHz, as the generated files state them (HEXT_VALUE and
    // the clocks of the comment block), rounded at the sixth decimal. 0 for
    // a value that is no frequency (nan, inf, or so large that the Hz would
    // overflow).
    static qint64 clockHz(double mhz);

    // The last guard before anything is written: the first clock the files
    // state (hext, sclk, ahbclk, apb1clk, apb2clk, named as the comment
    // block names them) that is not finite, not positive or beyond the 32
    // bits of Hz the library keeps a clock in, with its MHz. False when
    // every clock can be written, however slow.
    // writeSourceFiles itself refuses only nan and inf (it writes nothing).
    static bool findUnwritableClock(const ClockTreeModel &model, QString *name, double *mhz);

private:
    // The chains of the model's series; empty for an index that names none,
    // whose templates are then written as they are.
    QVector<Processor> clockSourceChain() const;
    QVector<Processor> mainChain() const;
    bool readTemplate(const QString &name, QString &text) const;
    bool runChain(const QVector<Processor> &chain, QString &text);
    struct ClockOutPin {
        QString gpioClock;
        QString pinName;
        QString port;
        QString pinSource;
        QString mux;
        bool multiplexed;
    };
    static bool rewriteInBody(const QString &text, QString &body, const QString &function,
                              const QString &args, const QStringList &values);
    static bool fillClockOutPin(const QString &text, QString &body, const ClockOutPin &pin);
    bool fillUsartLine(QString &body, int usart, bool enabled, const QString &sourceName);
    bool fillCanLine(QString &body, int can, bool enabled, int source);
    // Whether a feature routes the low-speed oscillator: each is started
    // once, before the first of them.
    bool isLickUsed() const;
    bool isLextUsed() const;
    QString formulaLines() const;
    QString pllLines() const;

    ClockTreeModel &m_model;
    QString m_templatePrefix;
};

#endif // SOURCEGENERATOR_H
