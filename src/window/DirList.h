#pragma once

#include <QListWidget>
#include <QString>

namespace qz7t {

// The directories on the way to the current one, then those directly inside it.
// A double-click or Enter opens the directory under the cursor.
class DirList : public QListWidget {
    Q_OBJECT
public:
    explicit DirList(QWidget* parent);

    QString path() const { return path_; }
    // An unreadable directory leaves the list as it was and returns false.
    bool setPath(const QString& directory);

signals:
    void pathChanged(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void open(const QListWidgetItem* item);

    QString path_;
};

}  // namespace qz7t
