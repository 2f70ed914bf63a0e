#include "WindowTestSupport.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace qz7t;
using namespace qz7t::test;

class FocusOrderTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void opensOnExit();
    void wholeOrderWithEveryButtonShown();
    void tabSkipsHiddenButtons_data();
    void tabSkipsHiddenButtons();

private:
    QTemporaryDir directory_;
};

void FocusOrderTest::initTestCase()
{
    QVERIFY(directory_.isValid());
    QVERIFY(WriteFile(directory_.filePath(QStringLiteral("rom.bin")), Rom().bytes()));
}

void FocusOrderTest::opensOnExit()
{
    Form1 form;
    ShowAndActivate(form);
    QCOMPARE(QApplication::focusWidget(), Button(form, 1));
}

void FocusOrderTest::wholeOrderWithEveryButtonShown()
{
    QStringList expected{"Command1", "Command3", "Command4", "Picture1", "Command2",
                         "Command5", "Drive1",   "File1",    "Dir1"};
    for (int box = 1; box <= 210; ++box) expected.append(QStringLiteral("Text%1").arg(box));
    expected << "Command7" << "Command8" << "Command9" << "Text211" << "Command6" << "Command10" << "Command11"
             << "Command12" << "Command13";
    for (int box = 212; box <= 225; ++box) expected.append(QStringLiteral("Text%1").arg(box));
    expected.append(QStringLiteral("Command1"));

    Form1 form;
    ShowAndActivate(form);
    for (int number = 1; number <= 13; ++number) Button(form, number)->show();
    QStringList visited{QApplication::focusWidget()->objectName()};
    while (visited.size() < expected.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, expected);
}

void FocusOrderTest::tabSkipsHiddenButtons_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("next");

    const QList<int> load{2};
    QTest::newRow("no image, from exit") << QList<int>{} << "Command1" << "Picture1";
    QTest::newRow("no image, from Text210") << QList<int>{} << "Text210" << "Text211";
    QTest::newRow("no image, from Text211") << QList<int>{} << "Text211" << "Text212";
    QTest::newRow("loaded, from exit") << load << "Command1" << "Command3";
    QTest::newRow("loaded, from Text210") << load << "Text210" << "Command7";
    QTest::newRow("loaded, from Text211") << load << "Text211" << "Command13";
    QTest::newRow("ignition view, from Text211") << QList<int>{2, 4} << "Text211" << "Command6";
    QTest::newRow("fuel view, from Text211") << QList<int>{2, 3} << "Text211" << "Command11";
    QTest::newRow("fuel view, from Command9") << QList<int>{2, 3} << "Command9" << "Text211";
    QTest::newRow("ignition view, from Command8") << QList<int>{2, 4} << "Command8" << "Text211";
}

void FocusOrderTest::tabSkipsHiddenButtons()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QString, from);
    QFETCH(QString, next);

    Form1 form;
    ShowAndActivate(form);
    if (!clicks.isEmpty()) QVERIFY(ChooseFile(form, directory_.path(), QStringLiteral("rom.bin")));
    for (int number : clicks) QVERIFY(Click(form, number));

    Control(form, from)->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget()->objectName(), from);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), next);
}

QTEST_MAIN(FocusOrderTest)
#include "FocusOrderTest.moc"
