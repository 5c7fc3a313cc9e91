#include "FormConfiguration.h"

#include "FormCodeView.h"
#include "HttpsDownload.h"
#include "KytoPLLConfig.h"
#include "MCUSelect_Form.h"
#include "UpdateIndex.h"
#include "UserDialogs.h"
#include "VersionAbout.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMargins>
#include <QPixmap>
#include <QPushButton>
#include <QRect>
#include <QRegExp>
#include <QScreen>
#include <QSpacerItem>
#include <QTimer>
#include <QTranslator>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>
#include <QWindowStateChangeEvent>

#include <limits>

namespace {

const char *const activeButtonStyle = "background-color: rgb(57, 169, 220); color: white";
const char *const inactiveButtonStyle = "background-color: rgb(0, 32, 82); color: white";

// A Chinese caption takes its glyphs from a fallback font with a taller
// line than Arial's: sized by its caption, a view button grew by a pixel on
// a switch to Chinese and pushed the whole page down. Each button keeps the
// height that suits both scripts.
void fixHeightForBothScripts(QPushButton *button)
{
    const QString caption = button->text();
    button->setText(QStringLiteral("Ag") + QString::fromUtf8("\u65f6\u949f\u914d\u7f6e"));
    const int height = button->sizeHint().height();
    button->setText(caption);
    button->setFixedHeight(height);
}

} // namespace

FormConfiguration::FormConfiguration(QWidget *parent)
    : QWidget(parent)
    , translator(nullptr)
    , languageFlag(0)
    , translatorInstalled(false)
{
    setWindowIcon(QIcon(QStringLiteral(":/image/Kyto_tool_CRM.png")));
    mainLayout = new QVBoxLayout;

    const QFont actionFont(QStringLiteral("Arial"), 11);
    auto makeAction = [this, &actionFont](const QString &text, const char *name) {
        auto *action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setFont(actionFont);
        return action;
    };
    newAction = makeAction(tr("New"), "newAction");
    openAction = makeAction(tr("Open"), "openAction");
    saveAction = makeAction(tr("Save"), "saveAction");
    englishAction = makeAction(tr("English"), "englishAction");
    chineseAction = makeAction(tr("Chinese"), "chineseAction");
    generateCodeAction = makeAction(tr("Generate code"), "generateCodeAction");
    openManualAction = makeAction(tr("Open Manual"), "openManualAction");
    newVersionDownloadAction = makeAction(tr("New version download"), "newVersionDownloadAction");
    versionAction = makeAction(tr("Version"), "versionAction");
    englishAction->setCheckable(true);
    chineseAction->setCheckable(true);

    const QFont menuFont(QStringLiteral("Arial"), 13, QFont::Bold);
    menuBar = new QMenuBar;
    menuBar->setObjectName(QStringLiteral("menuBar"));
    menuBar->setFont(menuFont);
    // The drop-down menus are children of the bar: they get dark text of
    // their own rather than inheriting anything meant for the bar.
    menuBar->setStyleSheet(QStringLiteral(
        "QMenuBar{background-color: rgb(255, 255, 255); spacing: 40px;}"
        "QMenuBar::item{background-color: rgb(255, 255, 255); color: rgb(0, 32, 82);}"
        "QMenu{background-color: rgb(255, 255, 255); color: rgb(0, 32, 82); border: 1px solid rgb(0, 32, 82);}"
        "QMenu::item:selected{background-color: rgb(57, 169, 220); color: white;}"
        "QMenu::item:disabled{color: gray;}"));
    projectMenu = menuBar->addMenu(tr("Project"));
    projectMenu->setObjectName(QStringLiteral("projectMenu"));
    projectMenu->setFont(menuFont);
    projectMenu->addAction(newAction);
    projectMenu->addAction(openAction);
    projectMenu->addAction(saveAction);
    languageMenu = menuBar->addMenu(tr("Language"));
    languageMenu->setObjectName(QStringLiteral("languageMenu"));
    languageMenu->addAction(englishAction);
    languageMenu->addAction(chineseAction);
    generateCodeMenu = menuBar->addMenu(tr("Generate code"));
    generateCodeMenu->setObjectName(QStringLiteral("generateCodeMenu"));
    generateCodeMenu->addAction(generateCodeAction);
    helpMenu = menuBar->addMenu(tr("Help"));
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    helpMenu->addAction(openManualAction);
    helpMenu->addAction(newVersionDownloadAction);
    helpMenu->addAction(versionAction);

    headerLayout = new QHBoxLayout;
    headerLayout->setSpacing(0);
    logoLabel = new QLabel;
    logoLabel->setObjectName(QStringLiteral("logoLabel"));
    logoLabel->setPixmap(QPixmap(QStringLiteral(":/image/Logo_1.png")));
    logoLabel->setFixedHeight(60);
    headerLayout->addWidget(logoLabel);
    headerLayout->addItem(new QSpacerItem(10, 10, QSizePolicy::Fixed, QSizePolicy::Expanding));
    menuBox = new QGroupBox;
    menuBox->setObjectName(QStringLiteral("menuBox"));
    menuBox->setFixedHeight(60);
    // Scoped to the box itself: an unscoped "color: white" reached the menus.
    menuBox->setStyleSheet(QStringLiteral("QGroupBox#menuBox{background-color: rgb(255, 255, 255); color: white; border:none}"));
    auto *menuBoxLayout = new QVBoxLayout(menuBox);
    menuBoxLayout->addItem(new QSpacerItem(5, 5, QSizePolicy::Fixed, QSizePolicy::Fixed));
    menuBoxLayout->addWidget(menuBar);
    headerLayout->addWidget(menuBox);
    headerLayout->addItem(new QSpacerItem(10, 10, QSizePolicy::Expanding, QSizePolicy::Expanding));
    mainLayout->addLayout(headerLayout, 0);

    const QFont buttonFont(QStringLiteral("Arial"), 13, QFont::Bold);
    viewButtonLayout = new QHBoxLayout;
    viewButtonLayout->setSpacing(1);
    clockConfigButton = new QPushButton(tr("Clock Configuration"));
    clockConfigButton->setObjectName(QStringLiteral("clockConfigButton"));
    clockConfigButton->setFont(buttonFont);
    clockConfigButton->setStyleSheet(QLatin1String(activeButtonStyle));
    codeViewButton = new QPushButton(tr("Code View"));
    codeViewButton->setObjectName(QStringLiteral("codeViewButton"));
    codeViewButton->setFont(buttonFont);
    codeViewButton->setStyleSheet(QLatin1String(inactiveButtonStyle));
    fixHeightForBothScripts(clockConfigButton);
    fixHeightForBothScripts(codeViewButton);
    viewButtonLayout->addWidget(clockConfigButton);
    viewButtonLayout->addWidget(codeViewButton);
    mainLayout->addLayout(viewButtonLayout, 1);

    pllConfig = new KytoPLLConfig(this);
    pllConfig->setObjectName(QStringLiteral("pllConfig"));
    mainLayout->addWidget(pllConfig, 2);
    codeView = new FormCodeView(this);
    codeView->setObjectName(QStringLiteral("codeView"));
    mainLayout->addWidget(codeView, 3);
    codeView->hide();

    setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 255);"));
    placement = new QTimer(this);
    placement->setSingleShot(true);
    placement->setInterval(100);
    connect(placement, &QTimer::timeout, this, &FormConfiguration::placeInsideScreen);
    setWindowState(Qt::WindowMaximized);
    setLayout(mainLayout);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    fitToScreen();
    // The title names the tool and its version; it is never translated.
    setWindowTitle(QStringLiteral("Orvane Tessaly V3.0.16"));

    connect(clockConfigButton, SIGNAL(clicked()), this, SLOT(ClockConfig_PushButton_Slot()));
    connect(codeViewButton, SIGNAL(clicked()), this, SLOT(CodeView_PushButton_Clicked()));
    connect(newAction, SIGNAL(triggered()), this, SLOT(NewDesign_Slot()));
    connect(openAction, SIGNAL(triggered()), this, SLOT(OpenDesign_Slot()));
    connect(saveAction, SIGNAL(triggered()), this, SLOT(SaveDesign_Slot()));
    connect(englishAction, SIGNAL(triggered()), this, SLOT(SetLanguage_English_Slot()));
    connect(chineseAction, SIGNAL(triggered()), this, SLOT(SetLanguage_Chinese_Slot()));
    connect(generateCodeAction, SIGNAL(triggered()), this, SLOT(GenerateCode_Slot()));
    connect(openManualAction, SIGNAL(triggered()), this, SLOT(OpenManual_Slot()));
    connect(newVersionDownloadAction, SIGNAL(triggered()), this, SLOT(NewVersionDownload_Slot()));
    connect(versionAction, SIGNAL(triggered()), this, SLOT(OpenAbout_Slot()));
}

FormConfiguration::~FormConfiguration() = default;

QSize FormConfiguration::minimumSizeWithin(const QSize &available)
{
    return preferredMinimumSize.boundedTo(available);
}

QRect FormConfiguration::clientWithin(const QRect &frame, const QRect &client, const QRect &available)
{
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    const QSize room = available.marginsRemoved(margins).size();
    QRect outer(frame.topLeft(), client.size().boundedTo(room)
                                     + QSize(margins.left() + margins.right(), margins.top() + margins.bottom()));
    outer.moveLeft(qBound(available.left(), outer.left(), available.right() - outer.width() + 1));
    outer.moveTop(qBound(available.top(), outer.top(), available.bottom() - outer.height() + 1));
    return outer.marginsRemoved(margins);
}

// A window manager frames the window only once it is shown, and often
// with a thinner frame while the window is maximised than after a restore.
// The minimum size keeps room for the whole frame, measured again whenever
// it may have changed: fitted without it, the bottom of the window with the
// view's scroll bar lay off the screen.
void FormConfiguration::fitToScreen()
{
    QScreen *screen = windowHandle() ? windowHandle()->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        setMinimumSize(preferredMinimumSize);
        return;
    }
    const QRect outer = isVisible() ? frameGeometry() : geometry();
    fittedFrame = outer.size() - size();
    setMinimumSize(minimumSizeWithin(screen->availableGeometry().size() - fittedFrame));
}

// A restore gives the window back the size it was first mapped with, before
// it had a frame, and that ran off the bottom of the screen. The window is
// put inside once the window manager's news of the restore (state, frame,
// size, in no fixed order) are in; nothing else moves it, so a window being
// maximised is never judged by its old frame, nor a window the user moved.
void FormConfiguration::placeInsideScreen()
{
    QScreen *screen = windowHandle() ? windowHandle()->screen() : nullptr;
    if (!screen || !isVisible() || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)))
        return;
    const QRect available = screen->availableGeometry();
    if (available.contains(frameGeometry()))
        return;
    const QRect fitted = clientWithin(frameGeometry(), geometry(), available);
    if (fitted != geometry())
        setGeometry(fitted);
}

void FormConfiguration::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // A frame that arrives or changes moves the client inside it (a move
    // event is all the window hears of it).
    if (isVisible() && frameGeometry().size() - size() != fittedFrame)
        fitToScreen();
    if (placement->isActive())
        placement->start();
}

void FormConfiguration::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitToScreen();
    if (placement->isActive())
        placement->start();
}

void FormConfiguration::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    fitToScreen();
    const Qt::WindowStates before = static_cast<QWindowStateChangeEvent *>(event)->oldState();
    const Qt::WindowStates large = Qt::WindowMaximized | Qt::WindowFullScreen;
    if ((before & large) && !(windowState() & (large | Qt::WindowMinimized)))
        placement->start();
}

void FormConfiguration::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (windowHandle() && !screenWatched) {
        screenWatched = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] {
            fitToScreen();
            placement->start();
        });
    }
    fitToScreen();
}

void FormConfiguration::setLanguageFlag(int flag)
{
    languageFlag = flag;
    updateLanguageChecks();
    useQtCatalogue(flag);
}

void FormConfiguration::useQtCatalogue(int flag)
{
    if (!qtTranslator)
        qtTranslator = new QTranslator(this);
    QCoreApplication::removeTranslator(qtTranslator);
    if (flag == 1
        && qtTranslator->load(QStringLiteral("qt_zh_CN"), QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTranslator);
}

void FormConfiguration::setTranslator(QTranslator *newTranslator, bool installed)
{
    translator = newTranslator;
    translatorInstalled = newTranslator && installed;
}

void FormConfiguration::updateLanguageChecks()
{
    englishAction->setChecked(languageFlag == 0);
    chineseAction->setChecked(languageFlag != 0);
}

QString FormConfiguration::clockButtonCaption() const
{
    if (mcuName.isNull())
        return tr("Clock Configuration");
    return tr("Clock Configuration") + tr("---") + mcuName;
}

void FormConfiguration::retranslateUi()
{
    clockConfigButton->setText(clockButtonCaption());
    codeViewButton->setText(tr("Code View"));

    newAction->setText(tr("New"));
    openAction->setText(tr("Open"));
    saveAction->setText(tr("Save"));
    englishAction->setText(tr("English"));
    chineseAction->setText(tr("Chinese"));
    generateCodeAction->setText(tr("Generate code"));
    openManualAction->setText(tr("Open Manual"));
    newVersionDownloadAction->setText(tr("New version download"));
    versionAction->setText(tr("Version"));

    projectMenu->setTitle(tr("Project"));
    languageMenu->setTitle(tr("Language"));
    generateCodeMenu->setTitle(tr("Generate code"));
    helpMenu->setTitle(tr("Help"));
    codeView->retranslateUi();
}

void FormConfiguration::showClockView()
{
    pllConfig->show();
    clockConfigButton->setStyleSheet(QLatin1String(activeButtonStyle));
    codeView->hide();
    codeViewButton->setStyleSheet(QLatin1String(inactiveButtonStyle));
}

void FormConfiguration::showNoConfigurationBox()
{
    QMessageBox box(QMessageBox::Warning, tr("Warning"), tr("Currently no configuration."),
                    QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(tr("Ok"));
    UserDialogs::exec(box);
}

// Asks whether the open design may be closed; false when the user declines.
bool FormConfiguration::confirmClosingDesign(QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, tr("Warning"), text, QMessageBox::Yes | QMessageBox::Cancel);
    box.button(QMessageBox::Yes)->setText(tr("Yes"));
    box.button(QMessageBox::Cancel)->setText(tr("Cancel"));
    return UserDialogs::exec(box) != QMessageBox::Cancel;
}

int FormConfiguration::generateCodeTo(QString folder)
{
    // The series page writes its preview into this very folder on its own.
    Q_UNUSED(folder)
    if (!pllConfig->hasSeriesWidget()) {
        showNoConfigurationBox();
        return 1;
    }
    return pllConfig->generateCode(0) ? 0 : 2;
}

void FormConfiguration::ClockConfig_PushButton_Slot()
{
    if (pllConfig && codeView && pllConfig->isHidden())
        showClockView();
}

void FormConfiguration::CodeView_PushButton_Clicked()
{
    if (!pllConfig || !codeView || !codeView->isHidden())
        return;
    showCodePreview();
}

// Generates the preview of the open design and shows it; a design that
// fails its checks goes back to the clock view.
void FormConfiguration::showCodePreview()
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/Code_Sample");
    if (generateCodeTo(folder) == 0) {
        pllConfig->hide();
        clockConfigButton->setStyleSheet(QLatin1String(inactiveButtonStyle));
        codeView->ShowCode(mcuName, folder);
        codeView->show();
        codeViewButton->setStyleSheet(QLatin1String(activeButtonStyle));
    } else {
        showClockView();
    }
}

void FormConfiguration::NewDesign_Slot()
{
    if (pllConfig->hasSeriesWidget()
        && !confirmClosingDesign(QMessageBox::Warning,
                                 tr("The current configuration will be closed before creating a new project. . Please confirm whether to continue?")))
        return;

    MCUSelect_Form picker(this);
    if (picker.exec() == QDialog::Accepted) {
        mcuName = picker.selectedName;
        const int index = KytoPLLConfig::seriesIndexOf(mcuName);
        if (index == 0)
            return;
        pllConfig->selectMcu(index);
        clockConfigButton->setText(clockButtonCaption());
    }
    if (!codeView->isHidden())
        showClockView();
}

void FormConfiguration::OpenDesign_Slot()
{
    if (pllConfig->hasSeriesWidget()
        && !confirmClosingDesign(QMessageBox::Warning,
                                 tr("The current configuration will be closed. Please confirm whether to continue?")))
        return;

    const QString path = UserDialogs::getOpenFileName(this, tr("Open"), QString(),
                                                      tr("Config file (*.ZKCF)"));
    if (path.isEmpty())
        return;

    QString name;
    pllConfig->openConfigFile(path, name);
    // A rejected file leaves the open design in place, so it keeps its name,
    // its caption and what the code view shows for it.
    if (!name.isEmpty()) {
        mcuName = name;
        clockConfigButton->setText(clockButtonCaption());
        // The code view would otherwise go on showing the previous design.
        if (!codeView->isHidden())
            showCodePreview();
    }
}

void FormConfiguration::SaveDesign_Slot()
{
    if (pllConfig->hasSeriesWidget())
        pllConfig->saveConfigFile();
    else
        showNoConfigurationBox();
}

void FormConfiguration::GenerateCode_Slot()
{
    if (pllConfig->hasSeriesWidget())
        pllConfig->generateCode(1);
    else
        showNoConfigurationBox();
}

void FormConfiguration::setLanguage(int flag, const QString &catalogue)
{
    // The triggered action has toggled its own mark; the marks always follow
    // the flag, whatever happens below.
    if (languageFlag == flag) {
        updateLanguageChecks();
        return;
    }
    if (translator && translatorInstalled) {
        if (!QCoreApplication::removeTranslator(translator)) {
            updateLanguageChecks();
            return;
        }
        translatorInstalled = false;
    }
    // A catalogue that fails to load leaves the translator empty; it is then
    // not installed, and the source texts show.
    if (translator && translator->load(catalogue))
        translatorInstalled = QCoreApplication::installTranslator(translator);

    languageFlag = flag;
    updateLanguageChecks();
    useQtCatalogue(flag);
    retranslateUi();
    pllConfig->retranslateUi();
}

void FormConfiguration::SetLanguage_English_Slot()
{
    setLanguage(0, QStringLiteral(":/image/tr_en.qm"));
}

void FormConfiguration::SetLanguage_Chinese_Slot()
{
    setLanguage(1, QStringLiteral(":/image/tr_zh.qm"));
}

void FormConfiguration::OpenManual_Slot()
{
    const QString file = languageFlag == 1 ? QStringLiteral("../Documents/UM_Kyto_Tessaly.pdf")
                                           : QStringLiteral("../Documents/UM_Kyto_Tessaly_EN.pdf");
    const QString path = QCoreApplication::applicationDirPath() + QLatin1Char('/') + file;
    // Some desktops report success for a file that is not there; check first.
    if (!QFileInfo::exists(path) || !QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        QMessageBox box(QMessageBox::Critical, tr("Error"), tr("Can't open manual!"), QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(tr("Ok"));
        UserDialogs::exec(box);
    }
}

void FormConfiguration::NewVersionDownload_Slot()
{
    // A second check started from inside the first one's wait would share
    // its downloader and index file.
    if (updateCheckRunning)
        return;
    struct RunningCheck {
        FormConfiguration *window;
        explicit RunningCheck(FormConfiguration *w) : window(w)
        {
            window->updateCheckRunning = true;
            window->newVersionDownloadAction->setEnabled(false);
        }
        ~RunningCheck()
        {
            window->newVersionDownloadAction->setEnabled(true);
            window->updateCheckRunning = false;
        }
    } running(this);

    const QString indexName = QStringLiteral("OrvaneDownloadResource.xml");
    const QString toolGroup = QStringLiteral("OrvaneTool");
    const QString toolName = QStringLiteral("Kyto Tessaly");
    const int ownVersion = 0x030016;   // V3.0.16

    HttpsDownload download;
    QString base;
    if (languageFlag == 0)
        base = downloadBaseUrlEnglish.isEmpty() ? QStringLiteral(KYTO_DOWNLOAD_BASE_URL_EN) : downloadBaseUrlEnglish;
    else
        base = downloadBaseUrlChinese.isEmpty() ? QStringLiteral(KYTO_DOWNLOAD_BASE_URL_CN) : downloadBaseUrlChinese;
    const QString indexAddress = base + indexName;
    qDebug() << "Update index:" << indexAddress;

    QFile::remove(QDir::currentPath() + QLatin1Char('/') + indexName);
    QString indexPath = QDir::currentPath();
    download.requestTimeoutMs = HttpsDownload::timeouts().indexRequestMs;
    // An index past the cap is stopped there and ends the check as an
    // unreadable one does.
    download.sizeLimit = UpdateIndex::maximumSize;
    if (!download.downloadFile(indexAddress, indexPath, QString(), 0)) {
        // Silence here would read as "no update"; an index the server
        // answered without stays silent as before.
        if (download.serverUnreachable()) {
            QMessageBox box(QMessageBox::Critical, tr("Error"), tr("Can't connect to the update server."),
                            QMessageBox::Ok);
            box.button(QMessageBox::Ok)->setText(tr("Ok"));
            UserDialogs::exec(box);
        }
        return;
    }
    download.requestTimeoutMs = 0;
    download.sizeLimit = 0;

    const UpdateIndex index(indexPath, toolGroup, toolName);
    QFile::remove(indexPath);
    const QString version = index.value(QStringLiteral("Version"));
    const qint64 size = qint64(index.value(QStringLiteral("Size")).toULong(nullptr, 10));
    bool readable = false;
    const int published = versionNumber(version, &readable);
    // An index that cannot be read says nothing about the latest version.
    if (!readable)
        return;
    if (published <= ownVersion) {
        QMessageBox box(QMessageBox::Information, tr("Information"), tr("The current tool is the latest version."),
                        QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(tr("Ok"));
        UserDialogs::exec(box);
        return;
    }

    QMessageBox question(QMessageBox::Question, tr("Information"),
                         tr("A new version of \"Kyto Tessaly\" has been detected, do you want to download it?"),
                         QMessageBox::Ok | QMessageBox::Cancel);
    question.button(QMessageBox::Ok)->setText(tr("Ok"));
    question.button(QMessageBox::Cancel)->setText(tr("Cancel"));
    if (UserDialogs::exec(question) == QMessageBox::Cancel)
        return;
    const QString folder = UserDialogs::getExistingDirectory(this, tr("Select directory"), QString(),
                                                             QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return;
    const QString address = index.value(languageFlag != 0 ? QStringLiteral("URL") : QStringLiteral("URLEN"));

    // An address that already names the version keeps its own file name.
    const QRegExp versionedName(QStringLiteral("_V(\\d+).(\\d+).(\\d+)"));
    const QString suffix = versionedName.indexIn(address) >= 0 ? QString() : version;

    download.showDialogs = true;
    QString path = folder;
    if (!download.downloadFile(address, path, suffix, size))
        return;   // already reported by the downloader

    QMessageBox box(QMessageBox::Information, tr("Information"),
                    tr("Download succeeded, storage location: ") + QLatin1Char('\n') + path);
    QPushButton *openFolder = box.addButton(tr(" Open Folder  "), QMessageBox::ActionRole);
    QPushButton *ok = box.addButton(tr("OK"), QMessageBox::ActionRole);
    // Enter and Escape close the box; opening the folder takes a click.
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    UserDialogs::exec(box);
    if (box.clickedButton() == openFolder)
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder + QLatin1Char('/')));
}

void FormConfiguration::setDownloadBaseUrls(const QString &english, const QString &chinese)
{
    downloadBaseUrlEnglish = english;
    downloadBaseUrlChinese = chinese;
}

QString FormConfiguration::readIndexValue(const QString &indexPath, const QString &group,
                                          const QString &toolName, const QString &key)
{
    return UpdateIndex(indexPath, group, toolName).value(key);
}

int FormConfiguration::versionNumber(const QString &version, bool *ok)
{
    const int firstDot = version.indexOf(QLatin1Char('.'));
    const QString a = firstDot < 0 ? version : version.left(firstDot);
    const QString rest = firstDot < 0 ? version : version.mid(firstDot + 1);
    const int secondDot = rest.indexOf(QLatin1Char('.'));
    const QString b = secondDot < 0 ? rest : rest.left(secondDot);
    const QString c = secondDot < 0 ? rest : rest.mid(secondDot + 1);

    bool okA = false, okB = false, okC = false;
    const qint64 packed = qint64(a.toInt(&okA, 16)) * 0x10000 + qint64(b.toInt(&okB, 16)) * 0x100 + c.toInt(&okC, 16);
    // Parts too large for the packed int would wrap into a wrong comparison.
    const bool valid = okA && okB && okC && packed <= std::numeric_limits<int>::max()
                       && packed >= std::numeric_limits<int>::min();
    if (ok)
        *ok = valid;
    return valid ? int(packed) : 0;
}

void FormConfiguration::OpenAbout_Slot()
{
    VersionAbout about(this);
    about.exec();
}

void FormConfiguration::closeEvent(QCloseEvent *event)
{
    if (pllConfig->hasSeriesWidget()
        && !confirmClosingDesign(QMessageBox::Question,
                                 tr("The current configuration will be closed. Please confirm whether to continue?"))) {
        event->ignore();
        return;
    }
    event->accept();
}
