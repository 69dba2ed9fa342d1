#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget placeholder;
    placeholder.resize(505, 274);
    placeholder.show();
    return app.exec();
}
