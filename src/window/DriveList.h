#pragma once

#include <QComboBox>
#include <QString>
#include <QStringList>

namespace qz7t {

// The root "/" and the mounted volumes a user browses, by their mount points.
QStringList BrowsableDriveRoots();

// The drive list; the window decides whether a chosen drive can be kept.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    // Starts on the volume that holds the directory.
    DriveList(QWidget* parent, const QString& startDirectory);

    QString drive() const;
    void keepChoice();
    void revertChoice();

    void showPopup() override;

signals:
    void driveChosen(const QString& root);

private:
    void fill(const QString& current);

    QString kept_;
};

}  // namespace qz7t
