#include "WindowTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/mount.h>
#include <unistd.h>

using namespace qz7t;
using namespace qz7t::test;

namespace {

enum class Fault {
    FullFileSystem,
    ReadOnlyDirectory,
    SymbolicLink,
    PermissionBits,
    LargestFile,
    DirectoryForLoad,
    DirectoryForSave,
};

// What the file must hold after a save: the image, then whatever the file held past it.
QByteArray SavedFile(const Form1& form, const QByteArray& before)
{
    QByteArray expected = Snapshot(form).image.left(32768);
    if (before.size() > 32768) expected += before.mid(32768);
    return expected;
}

// A small tmpfs mounted for one test and detached afterwards.
class SmallFileSystem {
public:
    explicit SmallFileSystem(const QString& where)
        : where_(QFile::encodeName(where)),
          mounted_(::mount("tmpfs", where_.constData(), "tmpfs", 0, "size=64k") == 0)
    {
    }
    ~SmallFileSystem()
    {
        if (mounted_) ::umount2(where_.constData(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }

private:
    QByteArray where_;
    bool mounted_;
};

// Writes until the file system refuses, so the next file needing space cannot get it.
void FillUp(const QString& path)
{
    QFile filler(path);
    if (!filler.open(QIODevice::WriteOnly)) return;
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
}

}  // namespace

class FileFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void faults_data();
    void faults();
};

void FileFaultsTest::faults_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("fileChanges");

    QTest::newRow("save onto a full file system") << Fault::FullFileSystem << 5 << "書き込み失敗" << false;
    QTest::newRow("save into a read-only directory") << Fault::ReadOnlyDirectory << 5 << "書き込み完了" << true;
    QTest::newRow("save through a symbolic link") << Fault::SymbolicLink << 5 << "書き込み完了" << true;
    QTest::newRow("save keeps permission bits") << Fault::PermissionBits << 5 << "書き込み完了" << true;
    QTest::newRow("load of 131,072 bytes") << Fault::LargestFile << 2 << "読み込み完了" << false;
    QTest::newRow("load of a directory") << Fault::DirectoryForLoad << 2 << "ファイル未選択" << false;
    QTest::newRow("save over a directory") << Fault::DirectoryForSave << 5 << "ファイル未選択" << false;
}

// Each fault ends with its status text, and a refused command leaves the file and the image as they were.
void FileFaultsTest::faults()
{
    QFETCH(Fault, fault);
    QFETCH(int, command);
    QFETCH(QString, message);
    QFETCH(bool, fileChanges);

    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    QString directory = temporary.path();
    std::unique_ptr<SmallFileSystem> smallFileSystem;
    if (fault == Fault::FullFileSystem) {
        if (::geteuid() != 0) QSKIP("mounting a small file system needs root");
        directory = temporary.filePath(QStringLiteral("full"));
        QVERIFY(QDir().mkdir(directory));
        smallFileSystem = std::make_unique<SmallFileSystem>(directory);
        if (!smallFileSystem->mounted()) QSKIP("this machine does not let the test mount a tmpfs");
    }
    const QString rom = directory + QStringLiteral("/rom.bin");
    QByteArray file = Rom(0x50).bytes();
    file += QByteArray(7232, '\x5A');  // a tail a save must keep
    if (fault == Fault::LargestFile) file = Rom(0x40).bytes().leftJustified(131072, '\x33');
    QVERIFY(WriteFile(rom, file));

    Form1 form;
    ShowAndActivate(form);
    QString chosen = QStringLiteral("rom.bin");
    if (fault == Fault::SymbolicLink) {
        QVERIFY(QFile::link(rom, directory + QStringLiteral("/link.bin")));
        chosen = QStringLiteral("link.bin");
    }
    QVERIFY(ChooseFile(form, directory, chosen));
    if (fault != Fault::LargestFile) {
        QVERIFY(Click(form, 2));
        QCOMPARE(StatusText(form), QStringLiteral("読み込み完了"));
        QVERIFY(Click(form, 4));
        QVERIFY(TypeInto(form, 100, QStringLiteral("7")));
        QVERIFY(Click(form, 8));  // an edit in memory that a save would write
    }

    switch (fault) {
    case Fault::FullFileSystem: FillUp(directory + QStringLiteral("/filler")); break;
    case Fault::ReadOnlyDirectory:
        QVERIFY(QFile::setPermissions(directory, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        break;
    case Fault::PermissionBits:
        QVERIFY(QFile::setPermissions(rom, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        break;
    case Fault::DirectoryForLoad:
    case Fault::DirectoryForSave:
        QVERIFY(QFile::remove(rom));
        QVERIFY(QDir().mkdir(rom));
        break;
    default: break;
    }
    const WindowSnapshot before = Snapshot(form);
    const QByteArray fileBefore = QFileInfo(rom).isFile() ? ReadFile(rom) : QByteArray();
    const QStringList entriesBefore = QDir(directory).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    QVERIFY(Click(form, command));

    QCOMPARE(StatusText(form), message);
    if (fault == Fault::LargestFile) {
        QCOMPARE(Snapshot(form).image.left(131072).mid(32768), file.mid(32768));
    } else {
        QVERIFY(Snapshot(form) == before);
    }
    if (fileChanges) {
        QCOMPARE(ReadFile(rom), SavedFile(form, fileBefore));
    } else if (QFileInfo(rom).isFile()) {
        QCOMPARE(ReadFile(rom), fileBefore);
    }
    // Nothing is left behind beside the file, not even a temporary one.
    QCOMPARE(QDir(directory).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), entriesBefore);

    if (fault == Fault::SymbolicLink) {
        QVERIFY(QFileInfo(directory + QStringLiteral("/link.bin")).isSymLink());
        QCOMPARE(QFileInfo(directory + QStringLiteral("/link.bin")).symLinkTarget(), rom);
    }
    if (fault == Fault::PermissionBits) {
        QCOMPARE(QFile::permissions(rom) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    }
    if (fault == Fault::DirectoryForLoad || fault == Fault::DirectoryForSave) QVERIFY(QFileInfo(rom).isDir());
    QFile::setPermissions(directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QTEST_MAIN(FileFaultsTest)
#include "FileFaultsTest.moc"
