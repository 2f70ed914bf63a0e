#pragma once

#include <QListWidget>
#include <QString>

namespace qz7t {

// Every regular file of one directory; a selection by mouse or keyboard is a click.
class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent);

    QString path() const { return path_; }
    // Lists the directory with nothing selected; an unreadable one leaves the list as it was.
    bool setPath(const QString& directory);
    // The bare name of the selected file, empty when none is selected.
    QString selectedName() const;

signals:
    void fileClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString path_;
};

}  // namespace qz7t
