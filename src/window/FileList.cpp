#include "window/FileList.h"

#include "window/Directories.h"

#include <QDir>
#include <QKeyEvent>

namespace qz7t {

FileList::FileList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemClicked, this, &FileList::fileClicked);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!selectedItems().isEmpty()) emit fileClicked();
    });
}

bool FileList::setPath(const QString& directory)
{
    const QString target = AbsoluteDirectory(directory);
    if (!CanListDirectory(target)) return false;
    clear();
    // Without QDir::System, so no device, pipe or socket is offered: reading one could block.
    addItems(QDir(target).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase));
    path_ = target;
    return true;
}

QString FileList::selectedName() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void FileList::keyPressEvent(QKeyEvent* event)
{
    // With nothing selected the first arrow key selects the file under the cursor, so a lone file can be chosen.
    const bool arrow = event->key() == Qt::Key_Down || event->key() == Qt::Key_Up;
    if (arrow && selectedItems().isEmpty() && count() > 0) {
        setCurrentRow(qMax(currentRow(), 0), QItemSelectionModel::ClearAndSelect);
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

}  // namespace qz7t
