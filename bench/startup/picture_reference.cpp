// SPDX-License-Identifier: MIT
// The yardsticks for start-up: the plainest Qt Widgets program that puts one built-in picture
// on the screen, in a window of a given size, and draws nothing else or, when built with
// REFERENCE_TEXT, also one line of text in the default font; with REFERENCE_FRAMELESS_DIALOG it is
// a frameless dialog, as the splash window is. It does nothing to be fast or
// small: it loads the picture by name, as most programs would, and paints it.
//
// Built twice (CMakeLists.txt): without text, the yardstick of the splash window, which shows
// no text either; with text, that of the main window, since any program that shows text loads
// the font stack (fontconfig, FreeType, HarfBuzz and a font).
#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace
{

class PictureWindow : public QWidget
{
public:
    explicit PictureWindow(const QPixmap& picture)
#ifdef REFERENCE_FRAMELESS_DIALOG
        : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint), picture_(picture)
#else
        : picture_(picture)
#endif
    {
        setFixedSize(REFERENCE_WIDTH, REFERENCE_HEIGHT);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, picture_);
#ifdef REFERENCE_TEXT
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, QString::fromUtf8(REFERENCE_TEXT));
#endif
    }

private:
    QPixmap picture_;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    PictureWindow window(QPixmap(QStringLiteral(":/reference/picture.png")));
    window.show();
    return app.exec();
}
