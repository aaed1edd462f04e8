// Program entry of the window application.

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Sorvel Numerology"));
    window.show();
    return app.exec();
}
