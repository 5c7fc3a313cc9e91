#ifndef FORMCONFIGURATION_H
#define FORMCONFIGURATION_H

#include <QMessageBox>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

class FormCodeView;
class KytoPLLConfig;
class QAction;
class QCloseEvent;
class QMoveEvent;
class QResizeEvent;
class QShowEvent;
class QTimer;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QTranslator;
class QVBoxLayout;

// The program's one top-level window: header with logo and menus, the two
// view buttons, the clock-configuration container and the code view. It holds
// no clock logic; every design operation goes to the container.
class FormConfiguration : public QWidget
{
    Q_OBJECT
public:
    explicit FormConfiguration(QWidget *parent = nullptr);
    ~FormConfiguration() override;

    // 0 English, 1 Chinese; sets the check marks of the Language menu.
    void setLanguageFlag(int flag);
    // The application's translator, owned by main. installed tells whether
    // main could install it (it installs only a catalogue that loaded).
    void setTranslator(QTranslator *translator, bool installed = true);
    void retranslateUi();
    // Silent preview generation for the code view: 0 success, 1 no design
    // open, 2 generation failed. The folder is where the preview is written.
    int generateCodeTo(QString folder);

    // The text of `key` in the update index at `indexPath`: in the first
    // `group` element, the entry with a child whose text is `toolName`, among
    // the children from that one on. "" when the file, entry or key is missing
    // or the file is no index UpdateIndex can read.
    static QString readIndexValue(const QString &indexPath, const QString &group,
                                  const QString &toolName, const QString &key);
    // "a.b.c" with base-16 parts packed as a * 0x10000 + b * 0x100 + c; 0 when
    // a part is not a number. `ok` tells a version that reads as 0 from one
    // that cannot be read.
    static int versionNumber(const QString &version, bool *ok = nullptr);
    // Tests only: the update server's base addresses for the English and the
    // Chinese interface, in place of the compiled-in ones.
    void setDownloadBaseUrls(const QString &english, const QString &chinese);

    // The window asks for 1000x800 where the screen has room for it and
    // never for more than the screen's available area (the page scrolls and
    // zooms anyway); a frame bigger than the screen hid the view's scrollbar.
    static constexpr QSize preferredMinimumSize{1000, 800};
    static QSize minimumSizeWithin(const QSize &available);
    // Where a window whose frame would reach out of `available` goes
    // instead: as large as it was where that fits, moved inside. `frame` is
    // the outer geometry, `client` the window's own.
    static QRect clientWithin(const QRect &frame, const QRect &client, const QRect &available);

public slots:
    void ClockConfig_PushButton_Slot();
    void CodeView_PushButton_Clicked();
    void NewDesign_Slot();
    void OpenDesign_Slot();
    void SaveDesign_Slot();
    void SetLanguage_English_Slot();
    void SetLanguage_Chinese_Slot();
    void GenerateCode_Slot();
    void OpenManual_Slot();
    void NewVersionDownload_Slot();
    void OpenAbout_Slot();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showClockView();
    void fitToScreen();
    void placeInsideScreen();
    void showCodePreview();
    QString clockButtonCaption() const;
    void showNoConfigurationBox();
    bool confirmClosingDesign(QMessageBox::Icon icon, const QString &text);
    void setLanguage(int flag, const QString &catalogue);
    void updateLanguageChecks();
    void useQtCatalogue(int flag);

    QTranslator *translator;
    bool screenWatched = false;
    // The frame the minimum size was last fitted with.
    QSize fittedFrame;
    // Puts a restored window that reaches out of the screen back inside once
    // the window manager's events of the restore are all in.
    QTimer *placement = nullptr;
    int languageFlag;
    QString mcuName;
    QVBoxLayout *mainLayout;
    QHBoxLayout *headerLayout;
    QLabel *logoLabel;
    QGroupBox *menuBox;
    QHBoxLayout *viewButtonLayout;
    QPushButton *clockConfigButton;
    QPushButton *codeViewButton;
    KytoPLLConfig *pllConfig;
    FormCodeView *codeView;
    QMenu *projectMenu;
    QAction *newAction;
    QAction *openAction;
    QAction *saveAction;
    QMenu *languageMenu;
    QAction *englishAction;
    QAction *chineseAction;
    QMenu *generateCodeMenu;
    QAction *generateCodeAction;
    QMenu *helpMenu;
    QAction *openManualAction;
    QAction *newVersionDownloadAction;
    QAction *versionAction;
    QMenuBar *menuBar;
    // Whether translator is installed in the application right now; a
    // catalogue that failed to load at start was never installed.
    bool translatorInstalled;
    // Qt's own texts (file dialogs, standard buttons) in the Chinese
    // interface; not installed in the English one.
    QTranslator *qtTranslator = nullptr;
    // Empty: the compiled-in base addresses of the update server.
    QString downloadBaseUrlEnglish;
    QString downloadBaseUrlChinese;
    // The index download waits in a nested loop with the window usable.
    bool updateCheckRunning = false;
};

#endif // FORMCONFIGURATION_H
