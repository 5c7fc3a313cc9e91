#include "MCUSelect_Form.h"

#include "CustomComboBox1.h"

#include <QFont>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QStringList>

namespace {

// Series of each product line, by the product line's position in its combo.
const QStringList &seriesOfLine(int index)
{
    static const QList<QStringList> lines = {
        {"KytoR610", "KytoR620", "KytoR620A", "KytoR640", "KytoR650", "KytoR710",
         "KytoR910", "KytoR920", "KytoR930", "KytoR960"},
        {"KytoR720", "KytoR730", "KytoR740", "KytoR750"},
        {"KytoR810", "KytoR820"},
        {"KytoH620A", "KytoH740"},
        {"KytoE105"},
        {"KytoNS720"},
        {"KytoD515", "KytoD525"},
    };
    static const QStringList none;
    return (index >= 0 && index < lines.size()) ? lines.at(index) : none;
}

} // namespace

MCUSelect_Form::MCUSelect_Form(QWidget *parent)
    : QDialog(nullptr)
{
    Q_UNUSED(parent)
    setWindowTitle(tr("MCU Select"));
    setWindowIcon(QIcon(QStringLiteral(":/image/Kyto_tool_CRM.png")));
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);

    const QFont thinFont(QStringLiteral("Arial"), 10, QFont::Thin);
    const QFont boldFont(QStringLiteral("Arial"), 10, QFont::Bold);

    productLineLabel = new QLabel(tr("Product Line:"), this);
    productLineLabel->setFont(thinFont);
    seriesLabel = new QLabel(tr("Device Serials:"), this);
    seriesLabel->setFont(thinFont);

    productLineComboBox = new CustomComboBox1(this);
    productLineComboBox->setObjectName(QStringLiteral("productLineComboBox"));
    seriesComboBox = new CustomComboBox1(this);
    seriesComboBox->setObjectName(QStringLiteral("seriesComboBox"));
    for (CustomComboBox1 *combo : {productLineComboBox, seriesComboBox}) {
        combo->setFont(boldFont);
        combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        combo->setMaxVisibleItems(50);
    }

    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setFont(thinFont);
    cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setFont(thinFont);

    auto *layout = new QGridLayout(this);
    layout->setMargin(20);
    layout->addWidget(productLineLabel, 0, 0);
    layout->addItem(new QSpacerItem(30, 40, QSizePolicy::Fixed, QSizePolicy::Expanding), 0, 1);
    layout->addWidget(productLineComboBox, 0, 2, 1, 2);
    layout->addWidget(seriesLabel, 1, 0);
    layout->addItem(new QSpacerItem(30, 40, QSizePolicy::Fixed, QSizePolicy::Expanding), 1, 1);
    layout->addWidget(seriesComboBox, 1, 2, 1, 2);
    layout->addItem(new QSpacerItem(50, 40, QSizePolicy::Expanding, QSizePolicy::Fixed), 2, 0, 1, 4);
    layout->addWidget(okButton, 3, 2);
    layout->addWidget(cancelButton, 3, 3);

    productLineComboBox->addItem(tr("Mainstream"));
    productLineComboBox->addItem(tr("Value line"));
    productLineComboBox->addItem(tr("High performance"));
    productLineComboBox->addItem(tr("Automotive"));
    productLineComboBox->addItem(tr("Low Power"));
    productLineComboBox->addItem(tr("Wireless BLE"));
    productLineComboBox->addItem(tr("Motor"));
    // Connected only now, so that filling the combo runs no handler.
    connect(productLineComboBox, SIGNAL(currentIndexChanged(int)),
            this, SLOT(on_ProductLineComboBox_IndexChanged(int)));

    // Series names are shown as they are: no catalogue translates them.
    seriesComboBox->addItems(seriesOfLine(0));

    connect(okButton, SIGNAL(clicked()), this, SLOT(ok_button_clicked()));
    connect(cancelButton, SIGNAL(clicked()), this, SLOT(cancel_button_clicked()));
}

MCUSelect_Form::~MCUSelect_Form() = default;

void MCUSelect_Form::ok_button_clicked()
{
    selectedName = seriesComboBox->currentText();
    done(QDialog::Accepted);
}

void MCUSelect_Form::cancel_button_clicked()
{
    selectedName = QStringLiteral("");
    done(QDialog::Rejected);
}

void MCUSelect_Form::on_ProductLineComboBox_IndexChanged(int index)
{
    seriesComboBox->clear();
    seriesComboBox->addItems(seriesOfLine(index));
    if (seriesComboBox->count() > 0)
        seriesComboBox->setCurrentIndex(0);
}
