#include "WindowTestSupport.h"

#include "window/DirList.h"
#include "window/DriveList.h"
#include "window/FileList.h"

#include <QApplication>
#include <QDir>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <memory>

using namespace qz7t;
using namespace qz7t::test;

namespace {

struct Chooser {
    explicit Chooser(const Form1& form)
        : drives(form.findChild<DriveList*>(QStringLiteral("Drive1"))),
          directories(form.findChild<DirList*>(QStringLiteral("Dir1"))),
          files(form.findChild<FileList*>(QStringLiteral("File1")))
    {
    }
    QStringList fileNames() const
    {
        QStringList names;
        for (int row = 0; row < files->count(); ++row) names.append(files->item(row)->text());
        return names;
    }
    QStringList directoryEntries() const
    {
        QStringList entries;
        for (int row = 0; row < directories->count(); ++row) entries.append(directories->item(row)->text());
        return entries;
    }
    DriveList* drives;
    DirList* directories;
    FileList* files;
};

}  // namespace

class FileChooserTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void startsInCurrentDirectory();
    void listsEveryFileAndTheWayToTheDirectory();
    void clickCapturesImagePath();
    void clickInRootCapturesEmptyImagePath();
    void keyboardSelectionIsAClick();
    void movingTheFileListClearsItsSelection();
    void openingADirectory_data();
    void openingADirectory();
    void unreadableDirectoryLeavesTheLists();
    void driveList();
    void choosingADrive();

private:
    QString path(const QString& name) const { return directory_->filePath(name); }
    std::unique_ptr<QTemporaryDir> directory_;
};

void FileChooserTest::init()
{
    directory_ = std::make_unique<QTemporaryDir>();
    QVERIFY(directory_->isValid());
    QVERIFY(QDir(directory_->path()).mkpath(QStringLiteral("sub/deeper")));
    QVERIFY(WriteFile(path(QStringLiteral("rom.bin")), Rom().bytes()));
    QVERIFY(WriteFile(path(QStringLiteral("notes.txt")), "x"));
    QVERIFY(WriteFile(path(QStringLiteral(".hidden")), "x"));
    QVERIFY(WriteFile(path(QStringLiteral("NOEXT")), "x"));
    QVERIFY(WriteFile(path(QStringLiteral("sub/other.bin")), Rom(0x50).bytes()));
}

void FileChooserTest::startsInCurrentDirectory()
{
    const QString startDirectory = QDir::currentPath();
    QVERIFY(QDir::setCurrent(path(QStringLiteral("sub"))));
    Form1 form;
    QDir::setCurrent(startDirectory);
    const Chooser chooser(form);
    QCOMPARE(chooser.directories->path(), path(QStringLiteral("sub")));
    QCOMPARE(chooser.files->path(), path(QStringLiteral("sub")));
    QCOMPARE(chooser.drives->drive(), QStorageInfo(path(QStringLiteral("sub"))).rootPath());
    QCOMPARE(chooser.fileNames(), QStringList{"other.bin"});
    QVERIFY(!form.imagePath().has_value());
}

void FileChooserTest::listsEveryFileAndTheWayToTheDirectory()
{
    Form1 form;
    const Chooser chooser(form);
    QVERIFY(chooser.directories->setPath(path(QStringLiteral("sub"))));
    QCOMPARE(chooser.files->path(), path(QStringLiteral("sub")));
    QVERIFY(chooser.directories->setPath(directory_->path()));
    QCOMPARE(chooser.fileNames(), (QStringList{".hidden", "NOEXT", "notes.txt", "rom.bin"}));

    const QStringList entries = chooser.directoryEntries();
    QCOMPARE(entries.first(), QStringLiteral("/"));
    QCOMPARE(entries.last().trimmed(), QStringLiteral("sub"));
    QCOMPARE(entries.at(entries.size() - 2).trimmed(), QDir(directory_->path()).dirName());
    QCOMPARE(chooser.directories->currentRow(), entries.size() - 2);
}

void FileChooserTest::clickCapturesImagePath()
{
    Form1 form;
    ShowAndActivate(form);
    QVERIFY(ChooseFile(form, path(QStringLiteral("sub")), QStringLiteral("other.bin")));
    QCOMPARE(form.imagePath(), std::optional<std::string>(path(QStringLiteral("sub")).toStdString()));
    QVERIFY(Click(form, 2));
    QCOMPARE(StatusText(form), QStringLiteral("読み込み完了"));

    // A new directory keeps the captured path until a file there is clicked.
    QVERIFY(Chooser(form).directories->setPath(directory_->path()));
    QCOMPARE(form.imagePath(), std::optional<std::string>(path(QStringLiteral("sub")).toStdString()));
    QVERIFY(ChooseFile(form, directory_->path(), QStringLiteral("notes.txt")));
    QCOMPARE(form.imagePath(), std::optional<std::string>(directory_->path().toStdString()));
}

void FileChooserTest::clickInRootCapturesEmptyImagePath()
{
    QTemporaryFile rom(QStringLiteral("/qz7t-window-test-XXXXXX.bin"));
    if (!rom.open()) QSKIP("no file can be made in the root directory");
    QVERIFY(rom.write(Rom().bytes()) == 32768);
    rom.close();

    Form1 form;
    ShowAndActivate(form);
    QVERIFY(ChooseFile(form, QStringLiteral("/"), QFileInfo(rom.fileName()).fileName()));
    QCOMPARE(form.imagePath(), std::optional<std::string>(""));
    QVERIFY(Click(form, 2));
    QCOMPARE(StatusText(form), QStringLiteral("読み込み完了"));
}

void FileChooserTest::keyboardSelectionIsAClick()
{
    Form1 form;
    ShowAndActivate(form);
    const Chooser chooser(form);
    QVERIFY(chooser.directories->setPath(directory_->path()));
    QVERIFY(TabTo(QStringLiteral("File1")));
    QVERIFY(chooser.files->selectedName().isEmpty());
    QTest::keyClick(chooser.files, Qt::Key_End);
    QCOMPARE(chooser.files->selectedName(), QStringLiteral("rom.bin"));
    QCOMPARE(form.imagePath(), std::optional<std::string>(directory_->path().toStdString()));
    QTest::keyClick(chooser.files, Qt::Key_Up);
    QCOMPARE(chooser.files->selectedName(), QStringLiteral("notes.txt"));
}

void FileChooserTest::movingTheFileListClearsItsSelection()
{
    Form1 form;
    ShowAndActivate(form);
    const Chooser chooser(form);
    QVERIFY(ChooseFile(form, directory_->path(), QStringLiteral("rom.bin")));
    QVERIFY(chooser.directories->setPath(path(QStringLiteral("sub"))));
    QCOMPARE(chooser.files->selectedName(), QString());
    QCOMPARE(form.imagePath(), std::optional<std::string>(directory_->path().toStdString()));
}

void FileChooserTest::openingADirectory_data()
{
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("double-click") << true;
    QTest::newRow("Enter") << false;
}

void FileChooserTest::openingADirectory()
{
    QFETCH(bool, doubleClick);
    Form1 form;
    ShowAndActivate(form);
    const Chooser chooser(form);
    QVERIFY(chooser.directories->setPath(directory_->path()));
    QListWidgetItem* sub = chooser.directories->item(chooser.directories->count() - 1);
    QCOMPARE(sub->text().trimmed(), QStringLiteral("sub"));

    chooser.directories->scrollToItem(sub);
    const QPoint at = chooser.directories->visualItemRect(sub).center();
    if (doubleClick) {
        // A real double-click: press and release, then the double-click event.
        QTest::mouseClick(chooser.directories->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(chooser.directories->path(), directory_->path());
        QTest::mouseDClick(chooser.directories->viewport(), Qt::LeftButton, {}, at);
    } else {
        chooser.directories->setFocus(Qt::TabFocusReason);
        QTest::keyClick(chooser.directories, Qt::Key_Down);
        QCOMPARE(chooser.directories->path(), directory_->path());
        QTest::keyClick(chooser.directories, Qt::Key_Return);
    }
    QCOMPARE(chooser.directories->path(), path(QStringLiteral("sub")));
    QCOMPARE(chooser.files->path(), path(QStringLiteral("sub")));
    QCOMPARE(chooser.fileNames(), QStringList{"other.bin"});
    QCOMPARE(chooser.directoryEntries().last().trimmed(), QStringLiteral("deeper"));
}

void FileChooserTest::unreadableDirectoryLeavesTheLists()
{
    Form1 form;
    const Chooser chooser(form);
    QVERIFY(chooser.directories->setPath(directory_->path()));
    const QStringList entries = chooser.directoryEntries();
    const QStringList files = chooser.fileNames();
    for (const QString& unreadable : {path(QStringLiteral("missing")), path(QStringLiteral("rom.bin"))}) {
        QVERIFY(!chooser.directories->setPath(unreadable));
        QVERIFY(!chooser.files->setPath(unreadable));
        QCOMPARE(chooser.directories->path(), directory_->path());
        QCOMPARE(chooser.files->path(), directory_->path());
        QCOMPARE(chooser.directoryEntries(), entries);
        QCOMPARE(chooser.fileNames(), files);
    }
}

void FileChooserTest::driveList()
{
    const QStringList roots = BrowsableDriveRoots();
    QCOMPARE(roots.first(), QStringLiteral("/"));
    QCOMPARE(roots.count(QStringLiteral("/")), 1);
    for (const QString& root : roots) {
        for (const char* pseudo : {"/proc", "/sys", "/dev"})
            QVERIFY2(!root.startsWith(QString::fromLatin1(pseudo)), qPrintable(root));
    }
}

void FileChooserTest::choosingADrive()
{
    Form1 form;
    ShowAndActivate(form);
    const Chooser chooser(form);
    QVERIFY(ChooseFile(form, directory_->path(), QStringLiteral("rom.bin")));

    // A drive that cannot be read is refused and the lists stay where they were.
    chooser.drives->addItem(path(QStringLiteral("missing")));
    const QString kept = chooser.drives->drive();
    chooser.drives->setCurrentIndex(chooser.drives->count() - 1);
    emit chooser.drives->activated(chooser.drives->count() - 1);
    QCOMPARE(chooser.drives->drive(), kept);
    QCOMPARE(chooser.directories->path(), directory_->path());
    QCOMPARE(chooser.files->selectedName(), QStringLiteral("rom.bin"));

    const int root = chooser.drives->findText(QStringLiteral("/"));
    chooser.drives->setCurrentIndex(root);
    emit chooser.drives->activated(root);
    QCOMPARE(chooser.directories->path(), QStringLiteral("/"));
    QCOMPARE(chooser.files->path(), QStringLiteral("/"));
    QCOMPARE(chooser.files->selectedName(), QString());
    QCOMPARE(form.imagePath(), std::optional<std::string>(directory_->path().toStdString()));
}

QTEST_MAIN(FileChooserTest)
#include "FileChooserTest.moc"
