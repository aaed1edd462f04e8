#pragma once

// The interpretation text store: every piece of prose the reports print,
// read once from the enciphered data file "eng.dat" beside the executable.
//
// After deciphering (textcipher.h) the file is a sequence of lines:
//
//   #CCCNN      a header: topic code CCC, number NN (0..99); the lines after
//               it belong to that entry until the next header
//   text        a content line, stored as "<p>" + text + "</p>"
//   (empty)     skipped
//
// Topic codes (see topicSlot in textstore.cpp for the plain text topics):
//   101..131, 201..217, 301, 302, 401..406, 501, 900   plain texts
//   601 / 611   celebrity records 0..99 / 100..199, one field per line
//   602..604 / 612..614   celebrity texts of the three chapters
//   700..703    guide pages: page 10 * (C - 700) + N / 10, slot N % 10

#include "textcipher.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// One celebrity of the data file. An int field is 0 while the file has not
// given it, and -1 when the file gave 0 or something that is not a number.
struct CelebrityRecord
{
    int lifePath = 0;
    int birthdayNumber = 0;
    int expression = 0;
    QString name;
    QString note;       // not shown by the report
    int birthDate = 0;  // day + 256 * month + 65536 * year; 0 = not given
};

// What became of a data file: loaded, missing, or refused because it is not
// a data file we can trust (not a regular file, too large, damaged).
struct TextLoadResult
{
    enum Status { Loaded, Missing, Refused };
    Status status = Missing;
    // Why the file was not loaded, in one sentence without its path, for
    // example "line 12 is cut short: an odd number of characters". Empty
    // when it was loaded.
    QString reason;

    bool loaded() const { return status == Loaded; }
};

class TextStore
{
public:
    // Table sizes of the data model.
    static const int TOPIC_ENTRIES = 128;      // per plain text topic
    static const int NOTE_ENTRIES = 16;        // topic 900
    static const int CELEBRITY_ENTRIES = 256;  // indices 0..199 used
    static const int GUIDE_ENTRIES = 256;      // 4 slots per page
    // Longest enciphered line the format supports (4096 plain bytes).
    static const int MAX_LINE_LENGTH = 8192;
    // Largest data file read: far above the program's own (under 2 MB).
    static const qint64 MAX_FILE_BYTES = 64 * 1024 * 1024;

    TextStore();

    // The store every report builder reads, loaded once at start-up.
    static TextStore &instance();

    // How much of the readings' texts a data file must hold.
    enum class Extent {
        Any,      // any part: a data file in the making, a test's few entries
        Complete, // every entry the readings print (requiredtexts.h)
    };

    // Loads "eng.dat" from the application's folder, which must be complete:
    // a file that lacks any entry the readings print is refused, the reason
    // naming what it lacks. A missing file leaves the store empty; the
    // window stays silent about it, but shows the reason of a refused file.
    TextLoadResult load();
    // Loads the given data file. Every table is emptied first; a file that
    // is missing or refused leaves the store empty. Refused are: anything but
    // a regular file, a file over MAX_FILE_BYTES, an empty file, a line that
    // is not what the encoder writes (letters 'a'..'p' and 'A'..'P' in
    // pairs) or that does not decipher to Latin-1 text, a header whose topic
    // code is not a number, and a file without a header of a known topic.
    // Lines over MAX_LINE_LENGTH are dropped whole, unchecked. With
    // Extent::Complete, also a file that lacks an entry the readings print.
    TextLoadResult loadFrom(const QString &path, Extent extent = Extent::Any);
    // The same for a data file's contents already read, checked as above
    // but for the size, which the caller bounds (the fuzz target).
    TextLoadResult loadBytes(const QByteArray &bytes, Extent extent = Extent::Any);
    // The same for callers that need only a yes or no (and the reason).
    bool loadFile(const QString &path, QString *reason = nullptr);

    // The entry of a plain text topic; empty for an unknown topic or number.
    QString text(int topic, int number) const;
    // Chapter 602, 603 or 604; index 0..199.
    QString celebrityText(int chapter, int index) const;
    CelebrityRecord celebrity(int index) const;
    // Entry 4 * page + slot of the guide table.
    QString guideSlot(int page, int slot) const;
    // A complete HTML guide page; imagePath, when given, is a picture placed
    // beside the page title.
    QString guidePage(int page, const QString &imagePath) const;
    // The title of a guide page as plain text ("Life Path Number"); empty
    // for a page without one.
    QString guideTitle(int page) const;

private:
    void clear();
    // Stores every line of the file's bytes; false with the reason when the
    // file is damaged.
    bool readLines(const QByteArray &bytes, QString &reason);
    // One deciphered, non-empty line: a header or content. False with the
    // reason for a header without a topic code.
    bool addLine(const QByteArray &line, QString &reason);
    void storeContent(const QByteArray &line);
    void storeCelebrityField(CelebrityRecord &record, const QString &line);
    void storeGuide(int code, int number, const QByteArray &paragraph);
    QByteArray *topicEntry(int topic, int number);
    const QByteArray *topicEntry(int topic, int number) const;

    // Entries are kept as their Latin-1 bytes, half the size of a QString;
    // the accessors convert.
    QVector<QByteArray> m_topics;              // TOPIC_ENTRIES per topic slot
    QVector<QByteArray> m_celebrityTexts;      // CELEBRITY_ENTRIES per chapter
    QVector<CelebrityRecord> m_celebrities;
    QVector<QByteArray> m_guide;
    int m_code = 0;                            // the selection of the last header
    int m_number = 0;
    bool m_knownTopic = false;                 // a header of a known topic was read
};
