// The reader of the layout files: what a form file and a shared block make, and every malformed
// line refused with its file, line and column, the rest of the file still read.

#include "forms/layoutreader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QByteArray goodRow = "  10.0 | 20.0 | 30.0 | text | Nom : | 12 |\n";

// A block placed by the form: a parameter with a default, one without, and a row left out when
// its content is set to nothing.
const QByteArray block = "# A test block.\n"
                         "param top 1.5\n"
                         "param name\n"
                         "param optional Projet\n"
                         "page\n"
                         "$top | 2.0 | 3.0 | field | $name | 10 B | centred\n"
                         "4.0 | 5.0 | 6.0 | field | $optional | 10 B |\n"
                         "7.0 | 8.0 | 9.0 | box | filled silver | | height 2.0\n";

bool write(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

} // namespace

class TestFormsLayoutReader : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void formAndBlock();
    void refused_data();
    void refused();
    void missingFile();

private:
    std::optional<ReportLayout> read(const QByteArray &form, LayoutReader *reader);

    std::unique_ptr<QTemporaryDir> m_directory;
};

void TestFormsLayoutReader::init()
{
    m_directory = std::make_unique<QTemporaryDir>();
    QVERIFY(m_directory->isValid());
    QVERIFY(QDir(m_directory->path()).mkdir(QStringLiteral("blocks")));
    QVERIFY(write(m_directory->filePath(QStringLiteral("blocks/test.layout")), block));
}

std::optional<ReportLayout> TestFormsLayoutReader::read(const QByteArray &form, LayoutReader *reader)
{
    if (!write(m_directory->filePath(QStringLiteral("f.layout")), form))
        return std::nullopt;
    return reader->form(QStringLiteral("f"));
}

void TestFormsLayoutReader::formAndBlock()
{
    LayoutReader reader(m_directory->path());
    const std::optional<ReportLayout> layout
        = read("# comment\r\n"
               "caption Annexe 02 (Individuelle)\r\n"
               "walks records\n"
               "\n"
               "band detail 9.0\n"
               "-0.5 | 1.0 | 2.1 | vertical line | | | height 9.5\n"
               "page\n"
               "use test at 100.0 10.0\n"
               "set name Nom_orga\n"
               "set optional\n"
               "  1.0 | 2.0 | 0.0 | text | \" A cet effet \" | 12 B Arial | red text\n",
            &reader);
    QVERIFY2(reader.problems().isEmpty(), qPrintable(reader.problems().join(QLatin1Char('\n'))));
    QVERIFY(layout);
    QCOMPARE(layout->name, QStringLiteral("f"));
    QCOMPARE(layout->caption, QStringLiteral("Annexe 02 (Individuelle)"));
    QVERIFY(layout->walksRecords);
    QVERIFY(!layout->title && !layout->subDetail && layout->detail);
    QCOMPARE(layout->detail->height, 9.0);
    QCOMPARE(layout->detail->elements.size(), 1);
    QCOMPARE(layout->detail->elements.first().top, -0.5);

    // The block's rows shifted by its origin, its parameters put in, the row set to nothing
    // left out; then the form's own row with its blanks kept.
    QCOMPARE(layout->pageLayer.size(), 3);
    const ReportElement &field = layout->pageLayer.at(0);
    QCOMPARE(field.kind, ReportElement::Kind::Field);
    QCOMPARE(field.content, QStringLiteral("Nom_orga"));
    QCOMPARE(field.top, 101.5);
    QCOMPARE(field.left, 12.0);
    QVERIFY(field.centred);
    QCOMPARE(layout->pageLayer.at(1).kind, ReportElement::Kind::Box);
    QCOMPARE(layout->pageLayer.at(1).top, 107.0);
    const ReportElement &text = layout->pageLayer.at(2);
    QCOMPARE(text.content, QStringLiteral(" A cet effet "));
    QCOMPARE(text.font.toString(), QStringLiteral("12 B Arial"));
    QCOMPARE(text.ink, ReportElement::Ink::Red);

    QCOMPARE(layout->blocks.size(), 1);
    QCOMPARE(layout->blocks.first().block, QStringLiteral("test"));
    QVERIFY(layout->blocks.first().band.isEmpty());
    QCOMPARE(layout->blocks.first().first, 0);
    QCOMPARE(layout->blocks.first().count, 2);
}

void TestFormsLayoutReader::refused_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("at"); // where in the line the problem is reported
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("file");

    const QString form = QStringLiteral("f.layout");
    QTest::newRow("too few columns") << QByteArray("1.0 | 2.0 | 3.0 | text | x | 12\n") << QByteArray("12")
                                     << "a row has 7 columns, this one 6" << form;
    QTest::newRow("too many columns") << QByteArray("1.0 | 2.0 | 3.0 | text | x | 12 | | y\n")
                                      << QByteArray("y") << "a row has 7 columns, this one 8" << form;
    QTest::newRow("no columns") << QByteArray("bnad detail 9.0\n") << QByteArray("bnad")
                                << "neither a directive nor a row" << form;
    QTest::newRow("top not a number") << QByteArray("1,5 | 2.0 | 3.0 | text | x | 12 |\n")
                                      << QByteArray("1,5") << "\"1,5\" is not a number" << form;
    QTest::newRow("width not a number") << QByteArray("1.0 | 2.0 | wide | text | x | 12 |\n")
                                        << QByteArray("wide") << "\"wide\" is not a number" << form;
    QTest::newRow("infinite left") << QByteArray("1.0 | inf | 3.0 | text | x | 12 |\n") << QByteArray("inf")
                                   << "not a number" << form;
    QTest::newRow("unknown kind") << QByteArray("1.0 | 2.0 | 3.0 | label | x | 12 |\n") << QByteArray("label")
                                  << "unknown kind \"label\"" << form;
    QTest::newRow("unknown font") << QByteArray("1.0 | 2.0 | 3.0 | text | x | 12 Q |\n") << QByteArray("12 Q")
                                  << "unreadable font \"12 Q\"" << form;
    QTest::newRow("font past any paper form") << QByteArray("1.0 | 2.0 | 3.0 | text | x | 99999999 |\n")
                                              << QByteArray("99999999") << "unreadable font" << form;
    QTest::newRow("unknown note") << QByteArray("1.0 | 2.0 | 3.0 | text | x | 12 | bold\n")
                                  << QByteArray("bold") << "unreadable note \"bold\"" << form;
    QTest::newRow("unknown fill") << QByteArray("1.0 | 2.0 | 3.0 | box | filled pink | | height 2\n")
                                  << QByteArray("filled pink") << "unknown fill" << form;
    QTest::newRow("unnamed field") << QByteArray("1.0 | 2.0 | 3.0 | field |  | 12 |\n") << QByteArray("|  |")
                                   << "field without a name" << form;
    QTest::newRow("unknown band") << QByteArray("band header 9.0\n") << QByteArray("header")
                                  << "unknown band \"header\"" << form;
    QTest::newRow("band height not a length")
        << QByteArray("band summary -3\n") << QByteArray("-3") << "not a length" << form;
    QTest::newRow("band given twice")
        << QByteArray("band subDetail 2.0\n") << QByteArray("subDetail") << "given twice" << form;
    QTest::newRow("unknown block") << QByteArray("use nosuchblock\n") << QByteArray() << "cannot be read"
                                   << QStringLiteral("nosuchblock.layout");
    QTest::newRow("use without its form") << QByteArray("use test at 1.0\n") << QByteArray("test")
                                          << "expected \"use <block> [at <top> <left>]\"" << form;
    QTest::newRow("value for no parameter") << QByteArray("use test\nset name Nom\nset colour red\n")
                                            << QByteArray("colour") << "has no parameter \"colour\"" << form;
    QTest::newRow("parameter without its value")
        << QByteArray("use test\n") << QByteArray("test") << "needs a value for \"name\"" << form;
    QTest::newRow("bad value in a block, told where it is used")
        << QByteArray("use test\nset name Nom\nset top high\n") << QByteArray("$top")
        << "\"high\" is not a number (used at " << QStringLiteral("test.layout");
    QTest::newRow("param in a form") << QByteArray("param x 1\n") << QByteArray("param")
                                     << "belongs in a block's file" << form;
}

void TestFormsLayoutReader::refused()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, at);
    QFETCH(QString, message);
    QFETCH(QString, file);
    // Line 4 is the faulty one, between two good rows; a block's rows are at line 6 of its file.
    const QByteArray text = "band subDetail 1.0\npage\n" + goodRow + line + goodRow;
    LayoutReader reader(m_directory->path());
    const std::optional<ReportLayout> layout = read(text, &reader);
    QVERIFY(layout);
    QCOMPARE(reader.problems().size(), 1);
    const QString problem = reader.problems().first();
    QVERIFY2(problem.contains(message), qPrintable(problem));
    const bool inBlock = file != QLatin1String("f.layout");
    int lineNumber = 4;
    int column = 1;
    if (inBlock) {
        lineNumber = 6;
        column = int(block.split('\n').at(5).indexOf(at)) + 1;
    } else if (!at.isEmpty()) {
        // The faulty token's line among those added.
        const QList<QByteArray> lines = line.split('\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines.at(i).contains(at)) {
                lineNumber = 4 + int(i);
                column = int(lines.at(i).indexOf(at)) + 1;
                if (at == "|  |")
                    column += 1;
                break;
            }
        }
    }
    const QString where = QStringLiteral("%1:%2:%3: ").arg(file).arg(lineNumber).arg(column);
    if (file == QLatin1String("nosuchblock.layout"))
        QVERIFY2(problem.endsWith(QStringLiteral("nosuchblock.layout: cannot be read")), qPrintable(problem));
    else
        QVERIFY2(problem.contains(QLatin1Char('/') + where),
            qPrintable(problem + QLatin1String(" — expected ") + where));
    // The good rows on either side are kept.
    QCOMPARE(layout->pageLayer.first().content, QStringLiteral("Nom :"));
    QCOMPARE(layout->pageLayer.last().content, QStringLiteral("Nom :"));
}

void TestFormsLayoutReader::missingFile()
{
    LayoutReader reader(m_directory->path());
    QVERIFY(!reader.form(QStringLiteral("absent")));
    QCOMPARE(reader.problems().size(), 1);
    // A name that would reach outside the directory is not read at all.
    QVERIFY(!reader.form(QStringLiteral("../f")));
    QCOMPARE(reader.problems().size(), 1);
}

QTEST_MAIN(TestFormsLayoutReader)
#include "tst_forms_layoutreader.moc"
