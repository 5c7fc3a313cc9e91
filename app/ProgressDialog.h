#ifndef PROGRESSDIALOG_H
#define PROGRESSDIALOG_H

#include <QProgressDialog>
#include <QUrl>

// The progress window of one installer download.
class ProgressDialog : public QProgressDialog
{
    Q_OBJECT

public:
    explicit ProgressDialog(const QUrl &url, QWidget *parent = nullptr);

    // The size the file must come to, which the bar counts against whatever
    // total the server announces; when 0, the server's total is used.
    qint64 expectedSize = 0;

public slots:
    void networkReplyProgress(qint64 bytesRead, qint64 totalBytes);
};

#endif // PROGRESSDIALOG_H
