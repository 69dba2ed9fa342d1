// SPDX-License-Identifier: MIT
// Every caption of the main window is drawn whole in the program's own font, whatever fonts the
// system has: the suite runs this test once as the machine is and once with a font set-up that
// offers DejaVu only. A third run takes the built-in fonts away, as if registering them failed:
// the window then asks for Arial, the face of its design, which this system has as Liberation
// Sans.
#include "frm_general.h"
#include "window_driver.h"

#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QStyleOptionButton>
#include <QtTest>

namespace
{

// The room a button's style leaves for its caption.
QRect captionRoom(QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool radio = qobject_cast<QRadioButton*>(button);
    return button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option, button);
}

// The header table of a font: its revision, dates and checksum tell one file from another.
QByteArray headTable(const QRawFont& font)
{
    return font.fontTable("head");
}

// The header table of the built-in font file of that weight.
QByteArray builtInHeadTable(bool bold)
{
    QFile file(bold ? QStringLiteral(":/fonts/LiberationSans-Bold.ttf")
                    : QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return headTable(QRawFont(file.readAll(), 12));
}

} // namespace

class TestCaptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { delete window; }
    void captionIsWhole_data();
    void captionIsWhole();

private:
    FrmGeneral* window = nullptr;
};

void TestCaptions::initTestCase()
{
    if (qEnvironmentVariableIsSet("RESISTOR_TEST_WITHOUT_BUILTIN_FONTS")) {
        Q_CLEANUP_RESOURCE(fonts);
        QVERIFY(!QFile::exists(":/fonts/LiberationSans-Bold.ttf"));
    }
    window = new FrmGeneral;
    QVERIFY(showMainWindow(*window));
}

void TestCaptions::captionIsWhole_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text"); // put into a label first; empty: as it stands
    for (int code = 0; code < 12; ++code)
        QTest::addRow("swcColor_%d", code) << QString("swcColor_%1").arg(code) << QString();
    for (const char* name : {"btnLimit_0", "btnLimit_3", "btnLimit_6", "BtnExit"})
        QTest::newRow(name) << name << QString();
    QTest::newRow("lblLine, band 4") << "lblLine"
                                     << "Метка 4";
    // The widest texts the labels show.
    QTest::newRow("lblResistor, 99 × 10^9 ohms") << "lblResistor"
                                                 << " 99000000000";
    QTest::newRow("lblResistor, 1 µΩ in mOm") << "lblResistor"
                                              << "0.000001";
    QTest::newRow("lblLimit, mOm ±10%") << "lblLimit"
                                        << "mOm ±10%";
}

void TestCaptions::captionIsWhole()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    auto* widget = control<QWidget>(window, name);
    QCOMPARE(QFontInfo(widget->font()).family(), QString("Liberation Sans"));
    // The built-in file itself, not a system font of the same family (Debian 12's
    // fonts-liberation is Liberation Sans 1.07), unless the built-in fonts were taken away.
    const QByteArray head = headTable(QRawFont::fromFont(widget->font()));
    QVERIFY(!head.isEmpty());
    if (!qEnvironmentVariableIsSet("RESISTOR_TEST_WITHOUT_BUILTIN_FONTS"))
        QVERIFY2(head == builtInHeadTable(widget->font().bold()),
                 "the caption is not drawn in the built-in font");

    QRect room;
    QString caption;
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        room = captionRoom(button);
        caption = button->text();
    } else {
        auto* label = qobject_cast<QLabel*>(widget);
        QVERIFY(label);
        if (name == "lblResistor") {
            // The window fits a value text to its label by itself; put it there as it does.
            BandState& state = FrmGeneralTestAccess::state(*window);
            state.setInitial();
            if (text.startsWith(' ')) {
                state.LineColor = {0, 9, 9, 9, 11};
                window->btnLimit_Click(0);
            } else {
                state.LineColor = {0, 0, 1, 0, 11};
                window->btnLimit_Click(6);
            }
            QCOMPARE(label->text(), text);
        } else {
            label->setText(text);
        }
        room = label->contentsRect();
        caption = label->text();
    }
    const QFontMetrics metrics(widget->font());
    QVERIFY2(metrics.horizontalAdvance(caption) <= room.width(),
             qPrintable(QString("\"%1\" needs %2 px, has %3")
                            .arg(caption)
                            .arg(metrics.horizontalAdvance(caption))
                            .arg(room.width())));
    // The letters' ink, not the font's full line height, must fit: the labels are set at their
    // top edge, the buttons centre their captions.
    const QRect ink = metrics.tightBoundingRect(caption);
    const int inkBottom =
        qobject_cast<QLabel*>(widget) ? metrics.ascent() + ink.bottom() + 1 : ink.height();
    QVERIFY2(inkBottom <= room.height(), qPrintable(QString("\"%1\" needs %2 px of height, has %3")
                                                        .arg(caption)
                                                        .arg(inkBottom)
                                                        .arg(room.height())));
}

QTEST_MAIN(TestCaptions)
#include "test_captions.moc"
