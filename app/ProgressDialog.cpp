#include "ProgressDialog.h"

#include <limits>

// The Cancel button is QProgressDialog's own; its text is looked up in
// Qt's context, which is marked here so that lupdate keeps its entry.
[[maybe_unused]] static const char *const cancelText = QT_TRANSLATE_NOOP("QProgressDialog", "Cancel");

ProgressDialog::ProgressDialog(const QUrl &url, QWidget *parent)
    : QProgressDialog(parent)
{
    setObjectName(QStringLiteral("downloadProgressDialog"));
    setWindowTitle(tr("Download Progress"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setLabelText(tr("Downloading ") + tr("%1.").arg(url.toDisplayString()));
    setMinimum(0);
    setValue(0);
    setMinimumDuration(0);
}

void ProgressDialog::networkReplyProgress(qint64 bytesRead, qint64 totalBytes)
{
    // The bar counts in int; installers beyond 2 GiB are shown in coarser
    // units so that neither end of the range wraps.
    qint64 maximum = expectedSize > 0 ? expectedSize : qMax<qint64>(totalBytes, 0);
    qint64 value = qMax<qint64>(bytesRead, 0);
    while (maximum > std::numeric_limits<int>::max() || value > std::numeric_limits<int>::max()) {
        maximum >>= 1;
        value >>= 1;
    }
    setMaximum(int(maximum));
    setValue(int(value));
}
