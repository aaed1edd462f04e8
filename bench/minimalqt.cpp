// The yardstick of sorvel-cli's start-up: the least a Qt console program
// does - load QtCore, make a core application, print a line.

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::puts("minimal");
    return 0;
}
