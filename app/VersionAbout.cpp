#include "VersionAbout.h"

#include <QFont>
#include <QGridLayout>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QSpacerItem>

VersionAbout::VersionAbout(QWidget *parent)
    : QDialog(nullptr)
{
    Q_UNUSED(parent)
    setWindowTitle(tr("About"));
    setWindowIcon(QIcon(QStringLiteral(":/image/Kyto_tool_CRM.png")));
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    resize(220, 160);

    auto *layout = new QGridLayout(this);
    layout->setMargin(20);
    const QFont font(QStringLiteral("Arial"), 10, QFont::Thin);

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("logoLabel"));
    logo->setFont(font);
    const QImage image(QStringLiteral(":/image/Orvane_log.png"));
    logo->setPixmap(QPixmap::fromImage(
        image.scaled(150, 150, Qt::KeepAspectRatio, Qt::FastTransformation)));
    layout->addWidget(logo, 0, 0, 4, 1);

    for (int row = 0; row < 4; ++row)
        layout->addItem(new QSpacerItem(30, 20, QSizePolicy::Fixed, QSizePolicy::Expanding), row, 1);

    // The tool's name and version are not translated.
    const QStringList lines = {
        QStringLiteral("Kyto Tessaly"),
        QStringLiteral("V3.0.16"),
        tr("Clock tree configuration tool"),
        tr("for the Kyto microcontroller family"),
    };
    for (int row = 0; row < lines.size(); ++row) {
        auto *label = new QLabel(lines.at(row), this);
        label->setObjectName(QStringLiteral("aboutLine%1").arg(row));
        label->setFont(font);
        layout->addWidget(label, row, 2);
    }
}

VersionAbout::~VersionAbout() = default;
