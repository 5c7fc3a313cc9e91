#ifndef VERSIONABOUT_H
#define VERSIONABOUT_H

#include <QDialog>

// The About box of the Help menu: logo, tool name and version.
class VersionAbout : public QDialog
{
    Q_OBJECT
public:
    // The parent is not used: the box is always a top-level window.
    explicit VersionAbout(QWidget *parent = nullptr);
    ~VersionAbout() override;
};

#endif // VERSIONABOUT_H
