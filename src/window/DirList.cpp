#include "window/DirList.h"

#include "window/Directories.h"

#include <QDir>
#include <QKeyEvent>
#include <QStyle>

namespace qz7t {

namespace {

constexpr int PathRole = Qt::UserRole;

// "/work/main" gives "/", "/work", "/work/main".
QStringList WayTo(const QString& directory)
{
    QStringList way{QStringLiteral("/")};
    QString walked;
    for (const QString& part : directory.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        walked += QLatin1Char('/') + part;
        way.append(walked);
    }
    return way;
}

QString Indent(qsizetype depth)
{
    return QString(2 * depth, QLatin1Char(' '));
}

}  // namespace

DirList::DirList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemDoubleClicked, this, &DirList::open);
}

bool DirList::setPath(const QString& directory)
{
    const QString target = AbsoluteDirectory(directory);
    if (!CanListDirectory(target)) return false;

    clear();
    const auto append = [this](const QString& text, QStyle::StandardPixmap icon, const QString& path) {
        addItem(text);
        QListWidgetItem* entry = item(count() - 1);
        entry->setIcon(style()->standardIcon(icon));
        entry->setData(PathRole, path);
    };
    const QStringList way = WayTo(target);
    for (qsizetype depth = 0; depth < way.size(); ++depth) {
        const QString name = depth == 0 ? way[depth] : QDir(way[depth]).dirName();
        append(Indent(depth) + name, QStyle::SP_DirOpenIcon, way[depth]);
    }
    QListWidgetItem* const current = item(count() - 1);
    const QDir here(target);
    const auto filters = QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden;
    for (const QString& name : here.entryList(filters, QDir::Name | QDir::IgnoreCase))
        append(Indent(way.size()) + name, QStyle::SP_DirClosedIcon, here.filePath(name));
    setCurrentItem(current);
    scrollToItem(current);
    path_ = target;
    emit pathChanged(path_);
    return true;
}

void DirList::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        open(currentItem());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void DirList::open(const QListWidgetItem* item)
{
    if (item) setPath(item->data(PathRole).toString());
}

}  // namespace qz7t
