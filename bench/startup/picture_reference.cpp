// SPDX-License-Identifier: MIT
// The yardstick for the splash window's start-up: the plainest Qt Widgets program that puts
// one built-in picture on the screen in a window of the splash window's size. It does nothing
// to be fast: it loads the picture by name, as most programs would, and paints it.
#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace
{

class PictureWindow : public QWidget
{
public:
    explicit PictureWindow(const QPixmap& picture) : picture_(picture) { setFixedSize(273, 310); }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawPixmap(0, 0, picture_); }

private:
    QPixmap picture_;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    PictureWindow window(QPixmap(QStringLiteral(":/reference/splash.png")));
    window.show();
    return app.exec();
}
