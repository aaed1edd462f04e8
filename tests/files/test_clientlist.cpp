// The batch client list: the CSV records as a spreadsheet writes them
// (quotes, commas and line breaks inside names, a byte order mark, CR LF),
// the header's columns, and each row turned into a client or refused with
// its line number and reason.

#include "files/clientlist.h"
#include "files/csvreader.h"

#include <QtTest>

namespace {

// A record as "line:field|field" with " !error" when it is malformed.
QString shown(const CsvRecord &record)
{
    QString text = QString::number(record.line) + QLatin1Char(':') + record.fields.join(QLatin1Char('|'));
    if (!record.error.isEmpty())
        text += QStringLiteral(" !") + record.error;
    return text;
}

// A client row as "line: full/short/birth" plus " +partner/short/birth" and
// " +pet/birth" when present, or "line! reason" when refused.
QString shown(const ClientRow &row)
{
    const QString line = QString::number(row.line);
    if (!row.error.isEmpty())
        return line + QStringLiteral("! ") + row.error;
    const PersonInput &p = row.input;
    QString text = line + QStringLiteral(": ") + p.fullName + QLatin1Char('/') + p.shortName +
                   QLatin1Char('/') + p.birthDate.toString(Qt::ISODate);
    if (!p.partnerFullName.isEmpty())
        text += QStringLiteral(" +") + p.partnerFullName + QLatin1Char('/') + p.partnerShortName +
                QLatin1Char('/') + p.partnerBirthDate.toString(Qt::ISODate);
    if (!p.petName.isEmpty())
        text += QStringLiteral(" +") + p.petName + QLatin1Char('/') + p.petBirthDate.toString(Qt::ISODate);
    return text;
}

} // namespace

class TestClientList : public QObject
{
    Q_OBJECT

private slots:
    void csvRecords_data();
    void csvRecords();
    void clientRows_data();
    void clientRows();
    void headerRefused_data();
    void headerRefused();
};

void TestClientList::csvRecords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("records");

    QTest::newRow("plain") << "a,b,c\nd,e,f\n" << QStringList{"1:a|b|c", "2:d|e|f"};
    QTest::newRow("no final line break") << "a,b\nc,d" << QStringList{"1:a|b", "2:c|d"};
    QTest::newRow("CR LF") << "a,b\r\nc,d\r\n" << QStringList{"1:a|b", "2:c|d"};
    QTest::newRow("comma in quotes") << "\"Smith, John\",1990\n" << QStringList{"1:Smith, John|1990"};
    QTest::newRow("doubled quote") << "\"John \"\"Jack\"\" Smith\",x\n"
                                   << QStringList{"1:John \"Jack\" Smith|x"};
    QTest::newRow("empty quoted field") << "\"\",b\n" << QStringList{"1:|b"};
    QTest::newRow("empty fields") << ",,\n" << QStringList{"1:||"};
    // A line break inside quotes belongs to the field; the next record's
    // line number counts it.
    QTest::newRow("line break in quotes") << "\"two\nlines\",x\ny,z\n"
                                          << QStringList{"1:two\nlines|x", "3:y|z"};
    QTest::newRow("empty line") << "a\n\nb\n" << QStringList{"1:a", "2:", "3:b"};
    QTest::newRow("byte order mark") << QString(QChar(0xFEFF)) + "a,b\n" << QStringList{"1:a|b"};
    // A mark later in the text is content, not a mark.
    QTest::newRow("second mark kept") << "a\n" + QString(QChar(0xFEFF)) + "b\n"
                                      << QStringList{"1:a", "2:" + QString(QChar(0xFEFF)) + "b"};
    QTest::newRow("quote inside a plain field") << "O\"Neil,x\n" << QStringList{"1:O\"Neil|x"};
    QTest::newRow("lone CR inside a field") << "a\rb,c\n" << QStringList{"1:a\rb|c"};
    QTest::newRow("unicode") << QString::fromUtf8("Zoë Ångström,x\n")
                             << QStringList{QString::fromUtf8("1:Zoë Ångström|x")};
    QTest::newRow("text after closing quote")
        << "\"John\" Smith,1990\nnext,row\n"
        << QStringList{"1:John Smith|1990 !text follows a closing quote", "2:next|row"};
    QTest::newRow("quote never closed")
        << "a,\"open\nb,c\n"
        << QStringList{"1:a|open\nb,c\n !the quoted field opened on line 1 is never closed"};
    QTest::newRow("nothing") << "" << QStringList{};
    QTest::newRow("only a mark") << QString(QChar(0xFEFF)) << QStringList{};
}

void TestClientList::csvRecords()
{
    QFETCH(QString, text);
    QFETCH(QStringList, records);
    CsvReader reader(text);
    QStringList read;
    CsvRecord record;
    while (reader.next(record))
        read << shown(record);
    QCOMPARE(read, records);
}

void TestClientList::clientRows_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("rows");

    const QByteArray header = "full name,short name,birth date\n";
    QTest::newRow("one client") << header + "John Adam Smith,John,1990-05-17\n"
                                << QStringList{"2: John Adam Smith/John/1990-05-17"};
    QTest::newRow("comma in a quoted name") << header + "\"Smith, John\",,1990-05-17\n"
                                            << QStringList{"2: Smith, John//1990-05-17"};
    QTest::newRow("spaces around fields trimmed") << header + "  Ann Lee , Ann ,  1975-11-30 \n"
                                                  << QStringList{"2: Ann Lee/Ann/1975-11-30"};
    QTest::newRow("empty lines passed over")
        << header + "\nAnn Lee,,1975-11-30\n,,\n\nBo Ray,,2001-01-02\n"
        << QStringList{"3: Ann Lee//1975-11-30", "6: Bo Ray//2001-01-02"};
    QTest::newRow("byte order mark and CR LF")
        << QByteArray("\xEF\xBB\xBF") + "Full Name,Birth Date\r\nAnn Lee,1975-11-30\r\n"
        << QStringList{"2: Ann Lee//1975-11-30"};
    QTest::newRow("UTF-8 name") << header + "Zo\xC3\xAB Wade,,1975-11-30\n"
                                << QStringList{QString::fromUtf8("2: Zoë Wade//1975-11-30")};
    QTest::newRow("columns in any order, any spelling")
        << QByteArray("BIRTH_DATE,Pet-Name,full name,pet birth date\n1990-05-17,Rex,John Smith,2015-03-08\n")
        << QStringList{"2: John Smith//1990-05-17 +Rex/2015-03-08"};
    QTest::newRow("unnamed columns passed over")
        << QByteArray("full name,,birth date,\nAnn Lee,x,1975-11-30,\n")
        << QStringList{"2: Ann Lee//1975-11-30"};
    QTest::newRow("partner")
        << QByteArray("full name,birth date,partner full name,partner short name,partner birth date\n"
                      "John Smith,1990-05-17,Mary Ann Lee,Mary,1991-02-01\n"
                      "Ann Lee,1975-11-30,,,\n")
        << QStringList{"2: John Smith//1990-05-17 +Mary Ann Lee/Mary/1991-02-01", "3: Ann Lee//1975-11-30"};

    // Rows refused, each with its reason, and the list going on after them.
    QTest::newRow("missing column") << header + "John Smith,1990-05-17\nAnn Lee,,1975-11-30\n"
                                    << QStringList{"2! 2 fields where the header names 3",
                                                   "3: Ann Lee//1975-11-30"};
    QTest::newRow("one column too many") << header + "John,Smith,J,1990-05-17\n"
                                         << QStringList{"2! 4 fields where the header names 3"};
    QTest::newRow("no full name") << header + ",John,1990-05-17\n" << QStringList{"2! no full name"};
    QTest::newRow("no birth date") << header + "John Smith,,\n" << QStringList{"2! no birth date"};
    QTest::newRow("day month year") << header + "John Smith,,17.05.1990\n"
                                    << QStringList{"2! birth date '17.05.1990' is not a date (YYYY-MM-DD)"};
    QTest::newRow("no such day") << header + "John Smith,,1990-02-30\n"
                                 << QStringList{"2! birth date '1990-02-30' is not a date (YYYY-MM-DD)"};
    QTest::newRow("one-digit month") << header + "John Smith,,1990-5-17\n"
                                     << QStringList{"2! birth date '1990-5-17' is not a date (YYYY-MM-DD)"};
    QTest::newRow("date with time") << header + "John Smith,,1990-05-17T10:00\n"
                                    << QStringList{
                                           "2! birth date '1990-05-17T10:00' is not a date (YYYY-MM-DD)"};
    QTest::newRow("partner without date")
        << QByteArray(
               "full name,birth date,partner full name,partner birth date\nJohn Smith,1990-05-17,Mary,\n")
        << QStringList{"2! a partner needs a partner full name and a partner birth date"};
    QTest::newRow("partner date wrong")
        << QByteArray(
               "full name,birth date,partner full name,partner birth date\nJohn Smith,1990-05-17,Mary,1991\n")
        << QStringList{"2! partner birth date '1991' is not a date (YYYY-MM-DD)"};
    QTest::newRow("pet date without name")
        << QByteArray("full name,birth date,pet name,pet birth date\nJohn Smith,1990-05-17,,2015-03-08\n")
        << QStringList{"2! a pet needs a pet name and a pet birth date"};
    QTest::newRow("quote never closed, rows before it kept")
        << header + "Ann Lee,,1975-11-30\n\"John,,1990-05-17\nBo Ray,,2001-01-02\n"
        << QStringList{"2: Ann Lee//1975-11-30", "3! the quoted field opened on line 3 is never closed"};
    QTest::newRow("a multi-line name counts its lines")
        << header + "\"Ann\nLee\",,1975-11-30\nBo Ray,,2001-01-0x\n"
        << QStringList{"2: Ann\nLee//1975-11-30", "4! birth date '2001-01-0x' is not a date (YYYY-MM-DD)"};
}

void TestClientList::clientRows()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, rows);
    ClientList list;
    QVERIFY2(list.open(file), qPrintable(list.headerError()));
    QStringList read;
    ClientRow row;
    while (list.next(row))
        read << shown(row);
    QCOMPARE(read, rows);
}

void TestClientList::headerRefused_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("error");

    QTest::newRow("empty file") << QByteArray() << "the file has no header line naming the columns";
    QTest::newRow("only empty lines")
        << QByteArray("\n,,\n\n") << "the file has no header line naming the columns";
    QTest::newRow("no birth date column")
        << QByteArray("full name,short name\nJohn,J\n") << "the header has no 'birth date' column";
    QTest::newRow("no full name column")
        << QByteArray("birth date\n1990-05-17\n") << "the header has no 'full name' column";
    QTest::newRow("a row where the header should be")
        << QByteArray("John Smith,1990-05-17\n")
        << "unknown column 'John Smith' (the columns are: full name, short name, birth date, partner full "
           "name, partner short name, partner birth date, pet name, pet birth date)";
    QTest::newRow("named twice") << QByteArray("full name,birth date,Full_Name\n")
                                 << "the column 'full name' is named twice";
    QTest::newRow("broken quote") << QByteArray("\"full name,birth date\n")
                                  << "header, line 1: the quoted field opened on line 1 is never closed";
}

void TestClientList::headerRefused()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, error);
    ClientList list;
    QVERIFY(!list.open(file));
    QCOMPARE(list.headerError(), error);
}

QTEST_GUILESS_MAIN(TestClientList)
#include "test_clientlist.moc"
