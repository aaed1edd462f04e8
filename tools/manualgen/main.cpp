// sorvel-manualgen: turns the manual's sources (data/manual/) into the HTML
// pages of images/manual/ that the Guide page and the start-up guide show.
// The build runs it whenever a source changes.

#include "manualbook.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2 || args.first().startsWith(QLatin1Char('-'))) {
        err << "Usage: sorvel-manualgen SOURCE_FOLDER OUTPUT_FOLDER\n"
               "\n"
               "Writes the manual's pages from SOURCE_FOLDER (contents.txt, index.md, the\n"
               "pages' .md files, template.html, manual.css) into OUTPUT_FOLDER.\n"
               "\n"
               "Exit status: 0 success, 1 a source is wrong or a file could not be written,\n"
               "2 bad usage.\n";
        return 2;
    }
    manualgen::ManualBook book;
    const bool done = book.load(args.at(0)) && book.write(args.at(1));
    for (const QString &error : book.errors())
        err << "sorvel-manualgen: " << error << "\n";
    return done ? 0 : 1;
}
