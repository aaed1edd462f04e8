#pragma once

// The pictures the program ships in its images/ folder, drawn in memory and
// written out by name ("doc/res01.jpg" lands in images/doc/).

#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>

namespace imagegen {

struct Picture
{
    QString path; // relative to the images/ folder; the suffix picks the format
    QImage image;
};
using PictureList = QVector<Picture>;

// A celebrity card's person: the name and the Life Path the engine computed.
// An empty name draws the card without a person.
struct CelebrityCard
{
    QString name;
    int lifePath = 0;
};

// Reads the people from the celebrity entries the build generates for the
// data file (records #601NN and #611NN), by their index in the list.
bool readCelebrityCards(const QString &path, QVector<CelebrityCard> *cards, QString *error);

// The groups, each drawn by its own file.
void addModuleButtons(PictureList &out);  // art_modules.cpp
void addButtons(PictureList &out);        // art_buttons.cpp: window, file and designer buttons
void addPanels(PictureList &out);         // art_panels.cpp: title bars, overlay frames, matrix, handle
void addBrand(PictureList &out);          // art_brand.cpp: logos, the application icon, theme icons
void addReportEmblems(PictureList &out);  // art_reports.cpp: doc/res01.jpg ... res39.jpg
void addCelebrityCards(PictureList &out,
                       const QVector<CelebrityCard> &people); // art_celebrities.cpp: doc2/000.jpg ... 199.jpg

PictureList allPictures(const QVector<CelebrityCard> &celebrities);

// Writes every picture below the folder (created when missing). On failure
// returns false with a message naming the file or folder that failed.
bool writePictures(const PictureList &pictures, const QString &folder, QString *error);

// Contact sheets: every picture enlarged (scale times, pixels kept sharp) on a
// dark ground, with its name, in pages no taller than about 2000 pixels.
// Returns the files written.
QStringList writeContactSheets(const PictureList &pictures, const QString &filePrefix, int scale, QString *error);

} // namespace imagegen
