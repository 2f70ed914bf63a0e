#include "WindowTestSupport.h"

#include "window/DirList.h"
#include "window/StatusLine.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <set>

using namespace qz7t;
using namespace qz7t::test;

namespace {

const std::set<int> IgnitionPinnedBoxes{1, 2, 15, 16, 29, 30, 43};

bool InFuelZeroRegion(int box)
{
    const int row = (box - 1) / 14;
    const int column = (box - 1) % 14;
    return (row <= 8 && column <= 7) || (row == 9 && column <= 5);
}

bool HasFuelByte(int box) { return box % 14 != 0; }

void SetByte(QByteArray& bytes, int index, int value) { bytes[index] = static_cast<char>(value); }

// The first index where the two differ, or -1.
qsizetype FirstDifference(const QByteArray& actual, const QByteArray& expected)
{
    const qsizetype common = qMin(actual.size(), expected.size());
    for (qsizetype i = 0; i < common; ++i)
        if (actual[i] != expected[i]) return i;
    return actual.size() == expected.size() ? -1 : common;
}

// Records the status text each time the status area paints.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* status) : status_(qobject_cast<StatusLine*>(status)) { status->installEventFilter(this); }
    QStringList painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == status_ && event->type() == QEvent::Paint) painted.append(status_->text());
        return false;
    }

private:
    StatusLine* status_;
};

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void mouseRoad_data();
    void mouseRoad();
    void keyboardRoad();
    void buttonKeys_data();
    void buttonKeys();
    void visibility_data();
    void visibility();
    void revLimitShown_data();
    void revLimitShown();
    void statusPaintsAtOnce_data();
    void statusPaintsAtOnce();
    void refusals_data();
    void refusals();
    void exitEndsWithoutAsking();

private:
    QString path(const QString& name) const { return directory_->filePath(name); }
    bool run(Form1& form, const QString& step) const;
    void loadRom(Form1& form, const Rom& rom) const;

    std::unique_ptr<QTemporaryDir> directory_;
};

void CommandsTest::init()
{
    directory_ = std::make_unique<QTemporaryDir>();
    QVERIFY(directory_->isValid());
    QVERIFY(QDir(directory_->path()).mkdir(QStringLiteral("sub")));
    QByteArray unknown = Rom().bytes();
    unknown[0] = 0x70;
    QVERIFY(WriteFile(path(QStringLiteral("p70.bin")), unknown));
    QVERIFY(WriteFile(path(QStringLiteral("empty.bin")), QByteArray()));
    QByteArray large = Rom().bytes();
    large.resize(131073, '\0');
    QVERIFY(WriteFile(path(QStringLiteral("large.bin")), large));
}

// Steps: "choose NAME", "click N", "type N [TEXT]", "delete NAME", "readonly NAME", "open sub".
bool CommandsTest::run(Form1& form, const QString& step) const
{
    const QString verb = step.section(QLatin1Char(' '), 0, 0);
    const QString what = step.section(QLatin1Char(' '), 1, 1);
    const QString rest = step.section(QLatin1Char(' '), 2);
    if (verb == QLatin1String("choose")) return ChooseFile(form, directory_->path(), what);
    if (verb == QLatin1String("click")) return Click(form, what.toInt());
    if (verb == QLatin1String("type")) return TypeInto(form, what.toInt(), rest);
    if (verb == QLatin1String("delete")) return QFile::remove(path(what));
    if (verb == QLatin1String("readonly"))
        return QFile::setPermissions(path(what), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    if (verb == QLatin1String("open")) return form.findChild<DirList*>(QStringLiteral("Dir1"))->setPath(path(what));
    return false;
}

void CommandsTest::loadRom(Form1& form, const Rom& rom) const
{
    QVERIFY(WriteFile(path(QStringLiteral("rom.bin")), rom.bytes()));
    QVERIFY(ChooseFile(form, directory_->path(), QStringLiteral("rom.bin")));
    QVERIFY(Click(form, 2));
    QCOMPARE(StatusText(form), QStringLiteral("読み込み完了"));
}

void CommandsTest::mouseRoad_data()
{
    QTest::addColumn<int>("mark");
    QTest::newRow("base layout") << 0x40;
    QTest::newRow("shifted layout") << 0x50;
}

void CommandsTest::mouseRoad()
{
    QFETCH(int, mark);
    const Rom rom(static_cast<std::uint8_t>(mark));
    Form1 form;
    ShowAndActivate(form);
    loadRom(form, rom);
    QCOMPARE(Cell(form, 225)->text(), QStringLiteral("7500"));
    QCOMPARE(Cell(form, 1)->text(), QStringLiteral("Text1"));

    QVERIFY(Click(form, 4));
    QCOMPARE(StatusText(form), QStringLiteral("表示完了"));
    QCOMPARE(Cell(form, 3)->text(), QString::number(rom.ignitionByte(3)));
    QCOMPARE(Cell(form, 224)->text(), QString::number(rom.ignitionByte(224)));
    QVERIFY(TypeInto(form, 3, QStringLiteral("100")));
    QVERIFY(TypeInto(form, 1, QStringLiteral("200")));
    QVERIFY(Click(form, 8));
    QCOMPARE(StatusText(form), QStringLiteral("更新完了"));
    QCOMPARE(Cell(form, 1)->text(), QStringLiteral("86"));
    QVERIFY(Click(form, 6));
    QCOMPARE(StatusText(form), QStringLiteral("表示完了"));
    QCOMPARE(Cell(form, 3)->text(), QStringLiteral("101"));

    QVERIFY(Click(form, 3));
    QCOMPARE(Cell(form, 9)->text(), QString::number(rom.fuelByte(9)));
    QCOMPARE(Cell(form, 14)->text(), QString());
    QVERIFY(TypeInto(form, 9, QStringLiteral("42")));
    QVERIFY(Click(form, 9));
    QCOMPARE(StatusText(form), QStringLiteral("更新完了"));
    QVERIFY(Click(form, 12));
    QCOMPARE(StatusText(form), QStringLiteral("表示完了"));
    QCOMPARE(Cell(form, 9)->text(), QStringLiteral("41"));

    QVERIFY(Click(form, 7));
    QCOMPARE(Cell(form, 225)->text(), QStringLiteral("7504"));
    QCOMPARE(StatusText(form), QStringLiteral("更新完了"));
    QVERIFY(Click(form, 13));
    QCOMPARE(Cell(form, 225)->text(), QStringLiteral("7500"));
    QVERIFY(Click(form, 7));

    QVERIFY(Click(form, 5));
    QCOMPARE(StatusText(form), QStringLiteral("書き込み完了"));

    QByteArray expected = rom.bytes();
    SetByte(expected, ClearedByteAt + rom.mapShift(), 0);
    for (int box = 1; box <= 224; ++box) {
        const int value = IgnitionPinnedBoxes.count(box) ? 86 : box == 3 ? 101 : rom.ignitionByte(box) + 1;
        SetByte(expected, IgnitionAt + rom.mapShift() + IgnitionOffset(box), value);
        if (!HasFuelByte(box)) continue;
        const int fuel = InFuelZeroRegion(box) ? 0 : box == 9 ? 41 : rom.fuelByte(box) - 1;
        SetByte(expected, FuelAt + rom.mapShift() + FuelOffset(box), fuel);
    }
    SetByte(expected, RevLimitHighAt + rom.revLimitShift(), 0x07);
    SetByte(expected, RevLimitHighAt + rom.revLimitShift() + 1, 0xCF);
    QCOMPARE(FirstDifference(ReadFile(path(QStringLiteral("rom.bin"))), expected), qsizetype(-1));
}

void CommandsTest::keyboardRoad()
{
    const Rom rom;
    QVERIFY(WriteFile(path(QStringLiteral("sub/rom.bin")), rom.bytes()));
    const QString startDirectory = QDir::currentPath();
    QVERIFY(QDir::setCurrent(path(QStringLiteral("sub"))));
    Form1 form;
    QDir::setCurrent(startDirectory);
    ShowAndActivate(form);

    QVERIFY(TabTo(QStringLiteral("File1")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QVERIFY(form.imagePath().has_value());
    QVERIFY(TabTo(QStringLiteral("Command2"), true));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(StatusText(form), QStringLiteral("読み込み完了"));
    QVERIFY(TabTo(QStringLiteral("Command4"), true));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(StatusText(form), QStringLiteral("表示完了"));
    QVERIFY(TabTo(QStringLiteral("Text3")));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("100"));
    QVERIFY(TabTo(QStringLiteral("Command8")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QCOMPARE(StatusText(form), QStringLiteral("更新完了"));
    QVERIFY(TabTo(QStringLiteral("Command7"), true));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(Cell(form, 225)->text(), QStringLiteral("7504"));
    QVERIFY(TabTo(QStringLiteral("Command5"), true));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(StatusText(form), QStringLiteral("書き込み完了"));

    QByteArray expected = rom.bytes();
    SetByte(expected, ClearedByteAt, 0);
    for (int box : IgnitionPinnedBoxes) SetByte(expected, IgnitionAt + IgnitionOffset(box), 86);
    SetByte(expected, IgnitionAt + IgnitionOffset(3), 100);
    SetByte(expected, RevLimitHighAt + 1, 0xCF);
    QCOMPARE(FirstDifference(ReadFile(path(QStringLiteral("sub/rom.bin"))), expected), qsizetype(-1));
}

void CommandsTest::buttonKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
}

void CommandsTest::buttonKeys()
{
    QFETCH(int, key);
    QVERIFY(WriteFile(path(QStringLiteral("rom.bin")), Rom().bytes()));
    Form1 form;
    ShowAndActivate(form);
    QVERIFY(ChooseFile(form, directory_->path(), QStringLiteral("rom.bin")));
    Button(form, 2)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(StatusText(form), QStringLiteral("読み込み完了"));
}

void CommandsTest::visibility_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QList<int>>("visible");

    const QList<int> loaded{1, 2, 3, 4, 5, 7, 13};
    const QList<int> ignition{1, 2, 3, 4, 5, 6, 7, 8, 10, 13};
    const QList<int> fuel{1, 2, 3, 4, 5, 7, 9, 11, 12, 13};
    QTest::newRow("start") << QList<int>{} << QList<int>{1, 2, 5};
    QTest::newRow("save before load") << QList<int>{5} << QList<int>{1, 2, 5};
    QTest::newRow("load") << QList<int>{2} << loaded;
    QTest::newRow("load twice") << QList<int>{2, 2} << loaded;
    QTest::newRow("ignition map") << QList<int>{2, 4} << ignition;
    QTest::newRow("fuel map") << QList<int>{2, 3} << fuel;
    QTest::newRow("ignition then fuel") << QList<int>{2, 4, 3} << fuel;
    QTest::newRow("fuel then ignition") << QList<int>{2, 3, 4} << ignition;
    QTest::newRow("same map twice") << QList<int>{2, 4, 4} << ignition;
    QTest::newRow("load keeps the ignition view") << QList<int>{2, 4, 2} << ignition;
    QTest::newRow("ignition commands keep it") << QList<int>{2, 4, 6, 10, 8, 7, 13, 5} << ignition;
    QTest::newRow("fuel commands keep it") << QList<int>{2, 3, 11, 12, 9, 7, 13, 5} << fuel;
}

void CommandsTest::visibility()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QList<int>, visible);

    QVERIFY(WriteFile(path(QStringLiteral("rom.bin")), Rom().bytes()));
    Form1 form;
    ShowAndActivate(form);
    QVERIFY(ChooseFile(form, directory_->path(), QStringLiteral("rom.bin")));
    for (int number : clicks) QVERIFY2(Click(form, number), qPrintable(QString::number(number)));
    QStringList expected;
    for (int number : visible) expected.append(QStringLiteral("Command%1").arg(number));
    QCOMPARE(VisibleButtons(form), expected);
}

void CommandsTest::revLimitShown_data()
{
    QTest::addColumn<int>("mark");
    QTest::addColumn<int>("period");
    QTest::addColumn<QString>("shown");
    QTest::newRow("base layout") << 0x40 << 2143 << "7000";
    QTest::newRow("shifted layout") << 0x50 << 2143 << "7000";
    QTest::newRow("period of 0") << 0x40 << 0 << "";
}

void CommandsTest::revLimitShown()
{
    QFETCH(int, mark);
    QFETCH(int, period);
    QFETCH(QString, shown);
    Form1 form;
    ShowAndActivate(form);
    loadRom(form, Rom(static_cast<std::uint8_t>(mark)).period(static_cast<std::uint16_t>(period)));
    QCOMPARE(Cell(form, 225)->text(), shown);
}

void CommandsTest::statusPaintsAtOnce_data()
{
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<int>("command");
    QTest::addColumn<QStringList>("painted");
    QTest::newRow("LOAD") << QList<int>{} << 2 << QStringList{"LOAD中", "読み込み完了"};
    QTest::newRow("SAVE") << QList<int>{2} << 5 << QStringList{"", "書き込み完了"};
    QTest::newRow("ignition map") << QList<int>{2} << 4 << QStringList{"", "表示完了"};
    QTest::newRow("whole-map step") << QList<int>{2, 3} << 11 << QStringList{"", "表示完了"};
    QTest::newRow("write-back") << QList<int>{2, 4} << 8 << QStringList{"", "更新完了"};
    QTest::newRow("up") << QList<int>{2} << 7 << QStringList{"", "更新完了"};
}

// Each message reaches the screen while the command runs, not after it.
void CommandsTest::statusPaintsAtOnce()
{
    QFETCH(QList<int>, before);
    QFETCH(int, command);
    QFETCH(QStringList, painted);

    QVERIFY(WriteFile(path(QStringLiteral("rom.bin")), Rom().bytes()));
    Form1 form;
    ShowAndActivate(form);
    QVERIFY(ChooseFile(form, directory_->path(), QStringLiteral("rom.bin")));
    for (int number : before) QVERIFY(Click(form, number));
    PaintRecorder recorder(Control(form, QStringLiteral("Picture1")));
    QTest::mouseClick(Button(form, command), Qt::LeftButton);
    QCOMPARE(recorder.painted, painted);
}

void CommandsTest::refusals_data()
{
    QTest::addColumn<QByteArray>("rom");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("box");

    const QByteArray good = Rom().bytes();
    const QString load = QStringLiteral("click 2");
    const QString choose = QStringLiteral("choose rom.bin");
    const auto row = [](const char* tag, const QByteArray& rom, const QStringList& steps, const char* refused,
                        const char* message, int box = 0) {
        QTest::newRow(tag) << rom << steps << QString::fromLatin1(refused) << QString::fromUtf8(message) << box;
    };

    row("LOAD before any file is clicked", good, {}, "click 2", "ファイル未選択");
    row("LOAD after the file list moved", good, {choose, "open sub"}, "click 2", "ファイル未選択");
    row("LOAD of a vanished file", good, {choose, "delete rom.bin"}, "click 2", "読み込み失敗");
    row("LOAD of a file too large", good, {"choose large.bin"}, "click 2", "ファイルが大きすぎます");
    row("LOAD of an empty file", good, {"choose empty.bin"}, "click 2", "対応していないROMです");
    row("LOAD of an unknown first byte", good, {"choose p70.bin"}, "click 2", "対応していないROMです");
    row("LOAD of an unknown image over an edited one", good,
        {choose, load, "click 4", "type 3 9", "click 8", "choose p70.bin"}, "click 2", "対応していないROMです");
    row("SAVE before LOAD", good, {choose}, "click 5", "先にLOADしてください");
    row("SAVE after the file list moved", good, {choose, load, "open sub"}, "click 5", "ファイル未選択");
    row("SAVE over a vanished file", good, {choose, load, "delete rom.bin"}, "click 5", "書き込み失敗");
    row("SAVE over a read-only file", good, {choose, load, "readonly rom.bin"}, "click 5", "書き込み失敗");
    row("ignition write-back of letters", good, {choose, load, "click 4", "type 5 abc"}, "click 8",
        "数値が不正です", 5);
    row("ignition write-back above 255", good, {choose, load, "click 4", "type 17 256"}, "click 8",
        "数値が不正です", 17);
    row("ignition write-back of an empty cell", good, {choose, load, "click 4", "type 224"}, "click 8",
        "数値が不正です", 224);
    row("fuel write-back of a sign", good, {choose, load, "click 3", "type 223 -1"}, "click 9", "数値が不正です",
        223);
    row("ignition raise past 255", Rom().ignition(5, 255).bytes(), {choose, load, "click 4"}, "click 6",
        "255を超えます", 5);
    row("ignition lower below 0", Rom().ignition(100, 0).bytes(), {choose, load, "click 4"}, "click 10",
        "0未満になります", 100);
    row("fuel raise past 255", Rom().fuel(223, 255).bytes(), {choose, load, "click 3"}, "click 11",
        "255を超えます", 223);
    row("up to a period of 0", Rom().period(1).bytes(), {choose, load}, "click 7", "範囲外です");
    row("down past 65535", Rom().period(0xFFFF).bytes(), {choose, load}, "click 13", "範囲外です");
}

// A refused command changes no byte, cell or button, says why, and points at the cell to fix.
void CommandsTest::refusals()
{
    QFETCH(QByteArray, rom);
    QFETCH(QStringList, steps);
    QFETCH(QString, refused);
    QFETCH(QString, message);
    QFETCH(int, box);

    const QString romPath = path(QStringLiteral("rom.bin"));
    QVERIFY(WriteFile(romPath, rom));
    Form1 form;
    ShowAndActivate(form);
    for (const QString& step : steps) QVERIFY2(run(form, step), qPrintable(step));

    const WindowSnapshot before = Snapshot(form);
    const QByteArray fileBefore = ReadFile(romPath);
    const bool fileExisted = QFile::exists(romPath);
    QVERIFY(run(form, refused));

    QCOMPARE(StatusText(form), message);
    const WindowSnapshot after = Snapshot(form);
    QCOMPARE(FirstDifference(after.image, before.image), qsizetype(-1));
    QCOMPARE(after.loaded, before.loaded);
    QCOMPARE(after.texts, before.texts);
    QCOMPARE(after.visibleButtons, before.visibleButtons);
    QVERIFY(after.imagePath == before.imagePath);
    QCOMPARE(QFile::exists(romPath), fileExisted);
    QCOMPARE(FirstDifference(ReadFile(romPath), fileBefore), qsizetype(-1));
    QVERIFY(form.isVisible());
    QCOMPARE(QApplication::topLevelWidgets().count(&form), 1);
    for (QWidget* window : QApplication::topLevelWidgets()) QVERIFY(window == &form || !window->isVisible());

    if (box != 0) {
        QLineEdit* named = Cell(form, box);
        QCOMPARE(QApplication::focusWidget(), named);
        QCOMPARE(named->selectedText(), named->text());
    }
}

void CommandsTest::exitEndsWithoutAsking()
{
    QVERIFY(WriteFile(path(QStringLiteral("rom.bin")), Rom().bytes()));
    Form1 form;
    ShowAndActivate(form);
    loadRom(form, Rom());
    QVERIFY(Click(form, 4));
    QVERIFY(TypeInto(form, 3, QStringLiteral("1")));
    QVERIFY(Click(form, 8));
    const QByteArray file = ReadFile(path(QStringLiteral("rom.bin")));

    QVERIFY(Click(form, 1));
    QVERIFY(!form.isVisible());
    for (QWidget* window : QApplication::topLevelWidgets()) QVERIFY(!window->isVisible());
    QCOMPARE(ReadFile(path(QStringLiteral("rom.bin"))), file);

    ShowAndActivate(form);
    QCloseEvent close;
    QApplication::sendEvent(&form, &close);
    QVERIFY(close.isAccepted());
}

QTEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
