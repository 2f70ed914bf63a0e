#include "WindowTestSupport.h"

#include "maps/CellText.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

using namespace qz7t;
using namespace qz7t::test;

namespace {

QRect FromTwips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

QString Caption(const QWidget* control)
{
    if (auto* button = qobject_cast<const QPushButton*>(control)) return button->text();
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto* box = qobject_cast<const QLineEdit*>(control)) return box->text();
    return {};
}

}  // namespace

class Form1LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void window();
    void controls_data();
    void controls();
    void gridBoxes_data();
    void gridBoxes();
    void captionsFit_data();
    void captionsFit();
    void cellsShowEveryByteWhole();
    void verticalCaptionFits();
};

void Form1LayoutTest::window()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowTitle(), QStringLiteral("ＱＺ７Ｔのエディタ"));
    QCOMPARE(form.size(), QSize(669, 470));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    const QRect screen = form.screen()->geometry();
    QVERIFY(qAbs(2 * (form.geometry().left() - screen.left()) + form.width() - screen.width()) <= 1);
    QVERIFY(qAbs(2 * (form.geometry().top() - screen.top()) + form.height() - screen.height()) <= 1);

    static const QRegularExpression controlName(
        QStringLiteral("^(Command([1-9]|1[0-3])|Text([1-9]|[1-9][0-9]|1[0-9][0-9]|2[01][0-9]|22[0-5])"
                       "|Label[1-3]|Drive1|Dir1|File1|Picture1)$"));
    QSet<QString> names;
    for (const QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (controlName.match(child->objectName()).hasMatch()) names.insert(child->objectName());
    QCOMPARE(names.size(), 245);
}

void Form1LayoutTest::controls_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("visible");

    const auto row = [](const char* name, const char* kind, QRect rect, const char* caption, bool visible) {
        QTest::newRow(name) << QString::fromLatin1(kind) << rect << QString::fromUtf8(caption) << visible;
    };
    row("Drive1", "QComboBox", FromTwips(120, 120, 2295, 300), "", true);
    row("Dir1", "QListWidget", FromTwips(120, 480, 2295, 720), "", true);
    row("File1", "QListWidget", FromTwips(120, 1200, 2295, 1170), "", true);
    row("Command2", "QPushButton", FromTwips(120, 2640, 615, 375), "LOAD", true);
    row("Command5", "QPushButton", FromTwips(840, 2640, 615, 375), "SAVE", true);
    row("Command1", "QPushButton", FromTwips(1560, 2640, 825, 375), "終了", true);
    row("Picture1", "qz7t::StatusLine", FromTwips(120, 3120, 2295, 375), "", true);
    row("Label1", "QLabel", FromTwips(3720, 0, 735, 255), "回転数→", true);
    row("Label2", "QLabel", FromTwips(2640, 1320, 255, 1095), "空気密度↓", true);
    row("Command4", "QPushButton", FromTwips(5280, 6120, 975, 375), "点火マップ", false);
    row("Command3", "QPushButton", FromTwips(6360, 6120, 975, 375), "燃料マップ", false);
    row("Label3", "QLabel", FromTwips(8760, 6120, 735, 255), "ﾚﾌﾞﾘﾐｯﾀｰ", true);
    row("Command6", "QPushButton", FromTwips(4080, 6240, 1095, 255), "全体に＋1", false);
    row("Command11", "QPushButton", FromTwips(7440, 6240, 975, 255), "全体に＋１", false);
    row("Text225", "QLineEdit", FromTwips(8640, 6360, 1095, 270), "", true);
    row("Command10", "QPushButton", FromTwips(4080, 6600, 1095, 255), "全体に－1", false);
    row("Command8", "QPushButton", FromTwips(5280, 6600, 975, 375), "点火更新", false);
    row("Command9", "QPushButton", FromTwips(6360, 6600, 975, 375), "燃料更新", false);
    row("Command12", "QPushButton", FromTwips(7440, 6600, 975, 255), "全体に－１", false);
    row("Command7", "QPushButton", FromTwips(8640, 6720, 495, 255), "上", false);
    row("Command13", "QPushButton", FromTwips(9240, 6720, 495, 255), "下", false);
}

void Form1LayoutTest::controls()
{
    QFETCH(QString, kind);
    QFETCH(QRect, rect);
    QFETCH(QString, caption);
    QFETCH(bool, visible);

    Form1 form;
    form.show();
    const QWidget* control = Control(form, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY2(control->inherits(kind.toLatin1()), control->metaObject()->className());
    QCOMPARE(control->geometry(), rect);
    QCOMPARE(Caption(control), caption);
    QCOMPARE(control->isVisible(), visible);
    QCOMPARE(StatusText(form), QString());
}

void Form1LayoutTest::gridBoxes_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("text");
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 14; ++c) {
            const int box = 14 * r + c + 1;
            const QString name = QStringLiteral("Text%1").arg(box);
            QTest::newRow(qPrintable(name)) << box << FromTwips(3120 + 480 * c, 240 + 360 * r, 375, 270)
                                            << (box == 211 ? QStringLiteral("Tex") : name);
        }
    }
}

void Form1LayoutTest::gridBoxes()
{
    QFETCH(int, box);
    QFETCH(QRect, rect);
    QFETCH(QString, text);

    Form1 form;
    form.show();
    const QLineEdit* cell = Cell(form, box);
    QCOMPARE(cell->geometry(), rect);
    QCOMPARE(cell->text(), text);
    QVERIFY(cell->isVisible());
}

void Form1LayoutTest::captionsFit_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7",
                             "Command8", "Command9", "Command10", "Command11", "Command12", "Command13",
                             "Label1", "Label3"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Every caption is drawn whole, in a font that has all of its characters.
void Form1LayoutTest::captionsFit()
{
    QFETCH(QString, name);
    Form1 form;
    const QWidget* control = Control(form, name);
    const QString caption = Caption(control);
    QCOMPARE(QFontInfo(control->font()).family(), QStringLiteral("Noto Sans CJK JP"));
    const QFontMetrics metrics(control->font());
    for (const QChar character : caption) QVERIFY2(metrics.inFont(character), qPrintable(QString(character)));
    const int margin = control->inherits("QPushButton") ? 4 : 0;
    QVERIFY(metrics.horizontalAdvance(caption) <= control->width() - margin);
    QVERIFY(metrics.tightBoundingRect(caption).height() <= control->height() - margin);
}

void Form1LayoutTest::cellsShowEveryByteWhole()
{
    Form1 form;
    const QLineEdit* cell = Cell(form, 1);
    const QFontMetrics metrics(cell->font());
    // A frameless line edit keeps two pixels of margin on each side.
    const int textWidth = cell->width() - 4;
    for (int value = 0; value <= 255; ++value) {
        const QString text = QString::fromStdString(ByteToCellText(static_cast<std::uint8_t>(value)));
        QVERIFY2(metrics.horizontalAdvance(text) <= textWidth, qPrintable(text));
    }
    QVERIFY(metrics.tightBoundingRect(QStringLiteral("0123456789")).height() <= cell->height() - 2);
}

// The air-density caption stands as a column of five characters.
void Form1LayoutTest::verticalCaptionFits()
{
    Form1 form;
    const QLabel* airDensity = qobject_cast<const QLabel*>(Control(form, QStringLiteral("Label2")));
    const QFontMetrics labelMetrics(airDensity->font());
    for (const QChar character : airDensity->text()) {
        QVERIFY(labelMetrics.inFont(character));
        QVERIFY(labelMetrics.tightBoundingRect(character).height() <= airDensity->height() / 5);
        QVERIFY(labelMetrics.horizontalAdvance(character) <= airDensity->width());
    }
}

QTEST_MAIN(Form1LayoutTest)
#include "Form1LayoutTest.moc"
