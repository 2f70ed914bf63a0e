#include "window/DriveList.h"

#include <QStorageInfo>

#include <algorithm>
#include <array>
#include <string_view>

namespace qz7t {

namespace {

bool IsPseudoFileSystem(const QByteArray& type)
{
    static constexpr std::array<std::string_view, 22> Pseudo{
        "proc",     "sysfs",      "cgroup",    "cgroup2",  "devtmpfs",  "devpts",
        "mqueue",   "debugfs",    "tracefs",   "securityfs", "pstore",  "bpf",
        "configfs", "fusectl",    "hugetlbfs", "autofs",   "binfmt_misc", "efivarfs",
        "rpc_pipefs", "nsfs",     "selinuxfs", "ramfs"};
    const std::string_view name(type.constData(), static_cast<std::size_t>(type.size()));
    return std::find(Pseudo.begin(), Pseudo.end(), name) != Pseudo.end();
}

bool IsSystemArea(const QString& root)
{
    for (const char* area : {"/proc", "/sys", "/dev", "/run"}) {
        const QString prefix = QString::fromLatin1(area);
        if (root == prefix || root.startsWith(prefix + QLatin1Char('/'))) return true;
    }
    return false;
}

}  // namespace

QStringList BrowsableDriveRoots()
{
    QStringList roots{QStringLiteral("/")};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || !volume.isReady()) continue;
        if (IsPseudoFileSystem(volume.fileSystemType()) || IsSystemArea(root)) continue;
        if (!roots.contains(root)) roots.append(root);
    }
    return roots;
}

DriveList::DriveList(QWidget* parent, const QString& startDirectory) : QComboBox(parent)
{
    QString start = QStorageInfo(startDirectory).rootPath();
    if (start.isEmpty()) start = QStringLiteral("/");
    fill(start);
    connect(this, &QComboBox::activated, this, [this](int index) { emit driveChosen(itemText(index)); });
}

QString DriveList::drive() const
{
    return currentText();
}

void DriveList::keepChoice()
{
    kept_ = currentText();
}

void DriveList::revertChoice()
{
    setCurrentIndex(findText(kept_));
}

void DriveList::showPopup()
{
    // Volumes come and go while the window is open.
    fill(kept_);
    QComboBox::showPopup();
}

void DriveList::fill(const QString& current)
{
    QStringList roots = BrowsableDriveRoots();
    if (!roots.contains(current)) roots.append(current);
    clear();
    addItems(roots);
    setCurrentIndex(findText(current));
    kept_ = current;
}

}  // namespace qz7t
