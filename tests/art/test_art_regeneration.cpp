// Runs the generator into an empty folder and compares what it draws with the committed
// pictures, pixel for pixel: a change to the drawing code must come with regenerated pictures.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestArtRegeneration : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sameAsCommitted_data();
    void sameAsCommitted();

private:
    QTemporaryDir out_;
};

void TestArtRegeneration::initTestCase()
{
    QVERIFY(out_.isValid());
    QProcess generator;
    generator.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    generator.start(QStringLiteral(ART_GENERATOR), {out_.path()});
    QVERIFY2(generator.waitForFinished(60000), qPrintable(generator.errorString()));
    QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
    QCOMPARE(generator.exitCode(), 0);
}

void TestArtRegeneration::sameAsCommitted_data()
{
    QTest::addColumn<QString>("file");
    for (const char* name : {"strip.png", "strip@2x.png", "background.png", "background@2x.png",
                             "splash.png", "splash@2x.png", "icon.png", "icon@2x.png"})
        QTest::newRow(name) << QString::fromLatin1(name);
    for (int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("hicolor %d", size) << QStringLiteral("hicolor/%1x%1/apps/resistor.png").arg(size);
}

void TestArtRegeneration::sameAsCommitted()
{
    QFETCH(QString, file);
    const QImage drawn = QImage(QDir(out_.path()).filePath(file)).convertToFormat(QImage::Format_ARGB32);
    const QImage kept = QImage(QStringLiteral(ART_SOURCE_DIR "/") + file).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!drawn.isNull(), "not drawn");
    QVERIFY2(!kept.isNull(), "not committed");
    QCOMPARE(drawn.size(), kept.size());
    int differing = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < kept.height(); ++y)
        for (int x = 0; x < kept.width(); ++x)
            if (drawn.pixel(x, y) != kept.pixel(x, y) && differing++ == 0)
                first = QPoint(x, y);
    QVERIFY2(differing == 0,
             qPrintable(QStringLiteral("%1 pixels differ, the first at (%2, %3); run the "
                                       "regenerate_art target and commit the result")
                            .arg(differing)
                            .arg(first.x())
                            .arg(first.y())));
}

QTEST_GUILESS_MAIN(TestArtRegeneration)
#include "test_art_regeneration.moc"
