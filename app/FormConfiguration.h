#ifndef FORMCONFIGURATION_H
#define FORMCONFIGURATION_H

#include <QString>
#include <QWidget>

class FormCodeView;
class KytoPLLConfig;
class QAction;
class QCloseEvent;
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

private:
    void showClockView();
    QString clockButtonCaption() const;
    void showNoConfigurationBox();
    bool confirmClosingDesign(const QString &text, bool question);
    void setLanguage(int flag, const QString &catalogue);
    void updateLanguageChecks();

    QTranslator *translator;
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
};

#endif // FORMCONFIGURATION_H
