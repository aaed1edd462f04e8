// File names of a batch run: made from the clients' names, safe in any
// folder, and never the same twice in one run.

#include "files/clientfilenames.h"

#include <QtTest>

class TestClientFileNames : public QObject
{
    Q_OBJECT

private slots:
    void names_data();
    void names();
};

// Each row hands the names in order to one ClientFileNames and expects the
// files in that order.
void TestClientFileNames::names_data()
{
    QTest::addColumn<QStringList>("clients");
    QTest::addColumn<QStringList>("files");

    QTest::newRow("plain name") << QStringList{"John Adam Smith"} << QStringList{"John_Adam_Smith.json"};
    QTest::newRow("comma and spaces fold") << QStringList{"Smith,  John"} << QStringList{"Smith_John.json"};
    QTest::newRow("letters of other scripts kept")
        << QStringList{QString::fromUtf8("Zoë Ångström"), QString::fromUtf8("Иван Петров")}
        << QStringList{QString::fromUtf8("Zoë_Ångström.json"), QString::fromUtf8("Иван_Петров.json")};
    QTest::newRow("hyphen, dot and apostrophe")
        << QStringList{"Anna-Maria O'Neil Jr."} << QStringList{"Anna-Maria_O_Neil_Jr.json"};
    // Nothing may name another folder, a hidden file or a device path.
    QTest::newRow("path separators") << QStringList{"../../etc/passwd", "a\\b"}
                                     << QStringList{"etc_passwd.json", "a_b.json"};
    QTest::newRow("characters other systems refuse")
        << QStringList{"a<b>c:d\"e|f?g*h"} << QStringList{"a_b_c_d_e_f_g_h.json"};
    QTest::newRow("control characters")
        << QStringList{QString("tab\there\nnew\x01line")} << QStringList{"tab_here_new_line.json"};
    QTest::newRow("leading dots hide no file")
        << QStringList{".hidden", "..", "-rf"} << QStringList{"hidden.json", "client.json", "rf.json"};
    QTest::newRow("nothing usable") << QStringList{"", "???", "   "}
                                    << QStringList{"client.json", "client-2.json", "client-3.json"};
    // Two clients of one name, also when only the case differs.
    QTest::newRow("same name twice") << QStringList{"John Smith", "John Smith", "JOHN SMITH"}
                                     << QStringList{"John_Smith.json", "John_Smith-2.json",
                                                    "JOHN_SMITH-3.json"};
    QTest::newRow("a name that looks numbered")
        << QStringList{"John Smith", "John Smith", "John Smith-2"}
        << QStringList{"John_Smith.json", "John_Smith-2.json", "John_Smith-2-2.json"};
    // A numbered name taken first is passed over when the counter reaches it,
    // and the counting goes on after it.
    QTest::newRow("counter passes a numbered name")
        << QStringList{"Ann Lee-3", "Ann Lee", "Ann Lee", "ann lee", "Ann Lee"}
        << QStringList{"Ann_Lee-3.json", "Ann_Lee.json", "Ann_Lee-2.json", "ann_lee-4.json", "Ann_Lee-5.json"};
    QTest::newRow("numbered name after the counter passed it")
        << QStringList{"Ann Lee", "Ann Lee", "Ann Lee-2", "Ann Lee"}
        << QStringList{"Ann_Lee.json", "Ann_Lee-2.json", "Ann_Lee-2-2.json", "Ann_Lee-3.json"};
    const QString longName = QString(100, QLatin1Char('a'));
    QTest::newRow("long name cut") << QStringList{longName, longName}
                                   << QStringList{QString(80, QLatin1Char('a')) + ".json",
                                                  QString(80, QLatin1Char('a')) + "-2.json"};
    QTest::newRow("cut never ends on a fill") << QStringList{QString(79, QLatin1Char('a')) + " b"}
                                              << QStringList{QString(79, QLatin1Char('a')) + ".json"};
}

void TestClientFileNames::names()
{
    QFETCH(QStringList, clients);
    QFETCH(QStringList, files);
    ClientFileNames names;
    QStringList taken;
    for (const QString &client : clients)
        taken << names.take(client, QStringLiteral("json"));
    QCOMPARE(taken, files);
}

QTEST_GUILESS_MAIN(TestClientFileNames)
#include "test_clientfilenames.moc"
