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

    // Used as the maximum while the server sends no total.
    qint64 expectedSize = 0;

public slots:
    void networkReplyProgress(qint64 bytesRead, qint64 totalBytes);
};

#endif // PROGRESSDIALOG_H
