// The dialog seam: queued answers, the log, test-mode defaults, and the real
// box when nothing is queued.
#include "UserDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestUserDialogs : public QObject
{
    Q_OBJECT
private slots:
    void init() { UserDialogs::reset(); UserDialogs::setTestMode(true); }

    void queuedStandardAnswerIsClickedAndLogged()
    {
        QMessageBox box(QMessageBox::Warning, "Warning", "Continue?", QMessageBox::Yes | QMessageBox::Cancel);
        box.button(QMessageBox::Yes)->setText("Yes");
        box.button(QMessageBox::Cancel)->setText("Cancel");
        UserDialogs::answerNextBox(QMessageBox::Yes);
        QCOMPARE(UserDialogs::exec(box), QMessageBox::Yes);
        QCOMPARE(box.clickedButton(), box.button(QMessageBox::Yes));
        const auto shown = UserDialogs::shownBoxes();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QString("Warning"));
        QCOMPARE(shown[0].text, QString("Continue?"));
        QCOMPARE(shown[0].icon, QMessageBox::Warning);
        QVERIFY(shown[0].buttons.contains("Yes"));
        QVERIFY(shown[0].buttons.contains("Cancel"));
        QVERIFY(shown[0].answered);
    }

    void customButtonAndCheckBox()
    {
        QMessageBox box;
        QPushButton *open = box.addButton(" Open Folder  ", QMessageBox::AcceptRole);
        box.addButton("OK", QMessageBox::RejectRole);
        box.setCheckBox(new QCheckBox("Do this for the next conflicts"));
        UserDialogs::answerNextBoxWithText(" Open Folder  ");
        QCOMPARE(UserDialogs::exec(box), QMessageBox::NoButton);
        QCOMPARE(box.clickedButton(), static_cast<QAbstractButton *>(open));
        QCOMPARE(UserDialogs::shownBoxes().at(0).checkBoxText, QString("Do this for the next conflicts"));

        QMessageBox question(QMessageBox::Warning, "t", "x", QMessageBox::Yes | QMessageBox::Cancel);
        question.setCheckBox(new QCheckBox("c"));
        UserDialogs::answerNextBox(QMessageBox::Yes, UserDialogs::CheckIt);
        UserDialogs::exec(question);
        QVERIFY(question.checkBox()->isChecked());
    }

    void unansweredBoxTakesCancelInTestMode()
    {
        QMessageBox box(QMessageBox::Question, "q", "x", QMessageBox::Yes | QMessageBox::Cancel);
        QCOMPARE(UserDialogs::exec(box), QMessageBox::Cancel);
        QVERIFY(!UserDialogs::shownBoxes().at(0).answered);
    }

    void fileDialogsAnswerInOrder()
    {
        UserDialogs::answerNextFileDialog("/tmp/a.ZKCF");
        UserDialogs::answerNextFileDialog(QString());
        QCOMPARE(UserDialogs::getSaveFileName(nullptr, "Save", QString(), "Config file (*.ZKCF)"), QString("/tmp/a.ZKCF"));
        QCOMPARE(UserDialogs::getExistingDirectory(nullptr, "Select directory"), QString());
        QCOMPARE(UserDialogs::getOpenFileName(nullptr, "Open"), QString());   // nothing queued: cancelled
        const auto asked = UserDialogs::fileQuestions();
        QCOMPARE(asked.size(), 3);
        QCOMPARE(asked[0].kind, QString("save"));
        QCOMPARE(asked[0].filter, QString("Config file (*.ZKCF)"));
        QCOMPARE(asked[1].caption, QString("Select directory"));
        QVERIFY(!asked[2].answered);
        QCOMPARE(UserDialogs::pendingAnswers(), 0);
    }

    void realBoxRunsWhenNothingIsQueued()
    {
        UserDialogs::setTestMode(false);
        QMessageBox box(QMessageBox::Critical, "Error", "hext input error!", QMessageBox::Ok);
        QString seenText;
        QTimer::singleShot(0, [&seenText] {
            auto *active = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(active);
            seenText = active->text();
            active->button(QMessageBox::Ok)->click();
        });
        QCOMPARE(UserDialogs::exec(box), QMessageBox::Ok);
        QCOMPARE(seenText, QString("hext input error!"));
        QVERIFY(UserDialogs::shownBoxes().isEmpty());
    }
};

QTEST_MAIN(TestUserDialogs)
#include "tst_model_userdialogs.moc"
