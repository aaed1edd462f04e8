#pragma once

// Where chart templates live, the one way of reading a template file, and
// the designer's way of saving them.
//
// Two folders: the templates shipped with the program (the "images/
// templates" folder beside it, read-only) and the user's own, the folder
// the designer saves into (the documents folder + "/Sorvel Numerology/").
// The chart page lists both, marked apart; deleting is for the user's own
// only, and saving an edited shipped template makes a new user template.

#include "chartdocument.h"

#include <QList>
#include <QString>

struct ChartTemplateEntry
{
    QString name; // the file name less its last four characters (".snc")
    QString path; // folder + "/" + file name
    bool userOwned = false;
};

// The "*.snc" files of folder, in name order ignoring case.
QList<ChartTemplateEntry> listChartTemplates(const QString &folder, bool userOwned);
// The shipped templates, then the user's own.
QList<ChartTemplateEntry> listAllChartTemplates(const QString &shippedFolder, const QString &userFolder);

// The program folder + "/images/templates".
QString shippedTemplateFolder();
// The documents folder + "/Sorvel Numerology/".
QString userTemplateFolder();

// A template file is refused above this size (pictures included, a
// template stays far below it).
constexpr qint64 MAX_TEMPLATE_FILE_BYTES = 64 * 1024 * 1024;

struct ChartTemplateRead
{
    enum Status {
        Ok,
        CannotRead,  // the file cannot be opened or read (missing, no permission, a folder)
        Refused,     // not a regular file (a FIFO, a device) or over MAX_TEMPLATE_FILE_BYTES
        NotTemplate, // not a template, another version, or damaged
    };
    Status status = CannotRead;
    QString reason;         // why it was not read: the system's reason or ours
    ChartDocument document; // the template when Ok (its file name the path), else a new document
};

// Reads the chart template at path through the regular-file reader: a FIFO
// or device is refused before anything blocks on it, a huge file before it
// is loaded. Thumbnails are not drawn (refreshThumbnails, with the data).
ChartTemplateRead readChartTemplate(const QString &path);

// The message of a failed save.
extern const char CANT_SAVE_REPORT[];

// The file a document titled title is saved as in folder: folder + title +
// ".snc" when that does not exist, else the first free of title + "0" to
// "9999" + ".snc". The replaceable file counts as free (it is the file the
// document came from, which the save replaces). Path separators in the
// title become "_". Empty when every name is taken.
QString chooseTemplateFileName(const QString &folder, const QString &title,
                               const QString &replaceable = QString());

// The title of a copy: title + " (copy)", once.
QString copyTemplateTitle(const QString &title);

// Saves document into folder (created when missing) under the chosen name:
// the bytes go to the name + ".000", which then replaces the chosen file.
// A document opened from a file in folder replaces or removes that file
// once the new one is complete; files elsewhere (shipped templates) stay,
// and a document from one of them still titled as that file is saved as
// its copy ("Compact Card (copy)", the title too).
// On success the document's file name becomes the saved path; on failure
// error is CANT_SAVE_REPORT and every earlier file is left as it was.
bool saveChartTemplate(ChartDocument &document, const QString &folder, QString *error = nullptr);
