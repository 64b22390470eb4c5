// The exercise content and its judging rules, without any window.
#include "content/roles.h"
#include "content/sentences.h"
#include "content/verbs.h"

#include <QTest>

using content::Verdict;

Q_DECLARE_METATYPE(content::Verdict)

namespace {

// Code points, not bytes: "à" and "è" are single precomposed characters.
qsizetype characters(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size())).size();
}

const content::SentenceSet& setNamed(const QByteArray& kind) {
    const auto* set = content::sentenceSetOf(kind.toStdString());
    Q_ASSERT(set);
    return *set;
}

} // namespace

class TestContent : public QObject {
    Q_OBJECT
private slots:
    void catalogueHasTwentyFiveEntriesInKeyOrder();
    void catalogueTextsArePlain();
    void setsHoldTheirTextsAsStored_data();
    void setsHoldTheirTextsAsStored();
    void setsKeepTheirInvariants();
    void eachWindowKindCarriesItsSet();
    void judgeRow_data();
    void judgeRow();
    void judgeSetJudgesEachRowByItself();
    void verbItemsKeepTheirBlanks();
    void infinitiveMustMatchExactly_data();
    void infinitiveMustMatchExactly();
};

void TestContent::catalogueHasTwentyFiveEntriesInKeyOrder() {
    QCOMPARE(content::roleCatalogue.size(), 25u);
    QCOMPARE(content::roleCatalogue[0], "Soggetto");
    QCOMPARE(content::roleCatalogue[4], "Complemento Oggetto");
    QCOMPARE(content::roleCatalogue[6], "Complemento Oggetto");
    QCOMPARE(content::roleCatalogue[13], "Complemento di Specificazione");
    QCOMPARE(content::roleCatalogue[19], "Complemento Predicativo dell'Oggetto");
    QCOMPARE(content::roleCatalogue[20], "Complemento Predicativo del soggetto");
    QCOMPARE(content::roleCatalogue[24], "Complemento di Denominazione");
    // 24 distinct texts: the only repeated one is at 4 and 6.
    for (std::size_t i = 0; i < content::roleCatalogue.size(); ++i)
        for (std::size_t j = i + 1; j < content::roleCatalogue.size(); ++j)
            QCOMPARE(content::roleCatalogue[i] == content::roleCatalogue[j], i == 4 && j == 6);
}

void TestContent::catalogueTextsArePlain() {
    constexpr int lengths[] = {8,  17, 18, 6,  19, 22, 19, 29, 27, 36, 20, 20, 20,
                               29, 19, 30, 20, 24, 21, 36, 36, 19, 24, 22, 28};
    for (std::size_t i = 0; i < content::roleCatalogue.size(); ++i) {
        const std::string_view entry = content::roleCatalogue[i];
        QCOMPARE(entry.size(), std::size_t(lengths[i]));
        QVERIFY(entry.front() != ' ' && entry.back() != ' ');
        for (char c : entry)
            QVERIFY2(std::isalpha(static_cast<unsigned char>(c)) || c == ' ' || c == '\'',
                     entry.data());
        QVERIFY(entry.find("  ") == std::string_view::npos);
    }
}

void TestContent::setsHoldTheirTextsAsStored_data() {
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<qsizetype>("sentenceLength");
    QTest::addColumn<QStringList>("chunks");

    QTest::newRow("primo") << QByteArray("primo") << u"La capra divora le foglie delle piante"_qs
                           << qsizetype(38)
                           << QStringList{"La Capra", "divora", "le foglie", "delle piante"};
    QTest::newRow("Secondo") << QByteArray("Secondo")
                             << u"Il nome di madre conferisce dignit\u00e0"_qs << qsizetype(35)
                             << QStringList{"Il nome", "di madre", "conferisce",
                                            u"dignit\u00e0"_qs};
    QTest::newRow("terzoo") << QByteArray("terzoo")
                            << u"Lorenzo de' Medici fu soprannominato il Magnifico"_qs
                            << qsizetype(49)
                            << QStringList{"Lorenzo de'Medici", "fu soprannominato",
                                           "il Magnifico"};
    QTest::newRow("quarto") << QByteArray("quarto")
                            << u"La mamma \u00e8 uscita a comprare le mele "_qs << qsizetype(37)
                            << QStringList{"La mamma", u"\u00e8 uscita a comprare"_qs, "le mele"};
}

void TestContent::setsHoldTheirTextsAsStored() {
    QFETCH(QByteArray, kind);
    QFETCH(QString, sentence);
    QFETCH(qsizetype, sentenceLength);
    QFETCH(QStringList, chunks);

    const auto& set = setNamed(kind);
    QCOMPARE(QString::fromUtf8(set.sentence.data(), qsizetype(set.sentence.size())), sentence);
    QCOMPARE(characters(set.sentence), sentenceLength);
    QCOMPARE(set.chunkCount(), int(chunks.size()));
    for (int row = 1; row <= content::rowCount; ++row) {
        const std::string_view chunk = set.row(row).chunk;
        const QString expected = row <= chunks.size() ? chunks[row - 1] : QString();
        QCOMPARE(QString::fromUtf8(chunk.data(), qsizetype(chunk.size())), expected);
    }
}

void TestContent::setsKeepTheirInvariants() {
    for (const auto& [kind, set] : content::sentenceKinds) {
        const int n = set.chunkCount();
        QVERIFY(n == 3 || n == 4);
        for (int row = 1; row <= content::rowCount; ++row) {
            QCOMPARE(set.row(row).key.has_value(), !set.row(row).chunk.empty());
            QCOMPARE(set.row(row).key.has_value(), row <= n);
            if (set.row(row).key)
                QVERIFY(*set.row(row).key >= 0 && *set.row(row).key <= 24);
        }
    }
    // Stored chunks differ from the sentence's wording where the pupil sees them differ.
    QCOMPARE(content::thirdSet.row(1).chunk, "Lorenzo de'Medici");
    QCOMPARE(characters(content::thirdSet.row(1).chunk), 17);
    QCOMPARE(content::firstSet.row(1).chunk, "La Capra");
    QCOMPARE(content::secondSet.sentence.substr(content::secondSet.sentence.size() - 2),
             "\xc3\xa0");
}

void TestContent::eachWindowKindCarriesItsSet() {
    QCOMPARE(content::sentenceSetOf("primo"), &content::firstSet);
    QCOMPARE(content::sentenceSetOf("Secondo"), &content::secondSet);
    QCOMPARE(content::sentenceSetOf("terzoo"), &content::thirdSet);
    QCOMPARE(content::sentenceSetOf("quarto"), &content::fourthSet);
    QCOMPARE(content::sentenceSetOf("Form1"), nullptr);
    QCOMPARE(content::sentenceSetOf("secondo"), nullptr);
}

void TestContent::judgeRow_data() {
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("selection");
    QTest::addColumn<Verdict>("verdict");

    const auto row = [](const char* name, const char* kind, int r, int s, Verdict v) {
        QTest::newRow(name) << QByteArray(kind) << r << s << v;
    };
    // The duplicated "Complemento Oggetto": both places name the same role.
    row("primo-r3-key4-pick4", "primo", 3, 4, Verdict::Right);
    row("primo-r3-key4-pick6-same-text", "primo", 3, 6, Verdict::Right);
    row("Secondo-r4-key4-pick4", "Secondo", 4, 4, Verdict::Right);
    row("Secondo-r4-key4-pick6-same-text", "Secondo", 4, 6, Verdict::Right);
    row("quarto-r3-key4-pick6-same-text", "quarto", 3, 6, Verdict::Right);
    row("primo-r3-key4-pick5", "primo", 3, 5, Verdict::Wrong);
    // Nothing picked, and out-of-catalogue indexes, are wrong in every keyed row.
    row("primo-r1-none", "primo", 1, -1, Verdict::Wrong);
    row("Secondo-r4-none", "Secondo", 4, -1, Verdict::Wrong);
    row("terzoo-r3-none", "terzoo", 3, -1, Verdict::Wrong);
    row("quarto-r1-none", "quarto", 1, -1, Verdict::Wrong);
    row("primo-r1-index25", "primo", 1, 25, Verdict::Wrong);
    row("primo-r1-index-32768", "primo", 1, -32768, Verdict::Wrong);
    // Keys that do not rise with the rows.
    row("Secondo-r2-key24", "Secondo", 2, 24, Verdict::Right);
    row("Secondo-r2-pick1", "Secondo", 2, 1, Verdict::Wrong);
    row("Secondo-r3-key1", "Secondo", 3, 1, Verdict::Right);
    row("Secondo-r3-pick24", "Secondo", 3, 24, Verdict::Wrong);
    // Predicative of the subject, not of the object.
    row("terzoo-r3-key20", "terzoo", 3, 20, Verdict::Right);
    row("terzoo-r3-pick19", "terzoo", 3, 19, Verdict::Wrong);
    // Rows without a chunk are never judged, whatever they show.
    row("terzoo-r4-none", "terzoo", 4, -1, Verdict::NotJudged);
    row("terzoo-r4-pick4", "terzoo", 4, 4, Verdict::NotJudged);
    row("terzoo-r4-pick0", "terzoo", 4, 0, Verdict::NotJudged);
    row("primo-r5-pick0", "primo", 5, 0, Verdict::NotJudged);
    row("Secondo-r8-pick24", "Secondo", 8, 24, Verdict::NotJudged);
    row("quarto-r4-pick4", "quarto", 4, 4, Verdict::NotJudged);
    row("primo-r0-outside", "primo", 0, 0, Verdict::NotJudged);
    row("primo-r9-outside", "primo", 9, 0, Verdict::NotJudged);
}

void TestContent::judgeRow() {
    QFETCH(QByteArray, kind);
    QFETCH(int, row);
    QFETCH(int, selection);
    QFETCH(Verdict, verdict);
    QCOMPARE(content::judgeRow(setNamed(kind), row, selection), verdict);
}

void TestContent::judgeSetJudgesEachRowByItself() {
    using V = Verdict;
    constexpr V R = V::Right, W = V::Wrong, N = V::NotJudged;
    using Verdicts = std::array<Verdict, content::rowCount>;

    // All right, for each set; unkeyed rows stay not judged whatever they hold.
    QCOMPARE(content::judgeSet(content::firstSet, {0, 1, 4, 13, 3, 3, 3, 3}),
             (Verdicts{R, R, R, R, N, N, N, N}));
    QCOMPARE(content::judgeSet(content::secondSet, {0, 24, 1, 4, -1, -1, -1, -1}),
             (Verdicts{R, R, R, R, N, N, N, N}));
    QCOMPARE(content::judgeSet(content::thirdSet, {0, 1, 20, 7, -1, -1, -1, -1}),
             (Verdicts{R, R, R, N, N, N, N, N}));
    QCOMPARE(content::judgeSet(content::fourthSet, {0, 1, 4, -1, -1, -1, -1, -1}),
             (Verdicts{R, R, R, N, N, N, N, N}));
    // The same entry in several rows: each row against its own key.
    QCOMPARE(content::judgeSet(content::firstSet, {0, 0, 0, 0, 0, 0, 0, 0}),
             (Verdicts{R, W, W, W, N, N, N, N}));
    QCOMPARE(content::judgeSet(content::thirdSet, {-1, -1, -1, -1, -1, -1, -1, -1}),
             (Verdicts{W, W, W, N, N, N, N, N}));
}

void TestContent::verbItemsKeepTheirBlanks() {
    using content::verbItems;
    QCOMPARE(verbItems[0].prompt, "Cossi" + std::string(7, ' ') + "=");
    QCOMPARE(verbItems[1].prompt, "Andassimo  =");
    QCOMPARE(verbItems[2].prompt, "Uscimmo =");
    QCOMPARE(verbItems[3].prompt, "Andaste = ");
    QCOMPARE(verbItems[3].prompt.size(), 10u);
    QCOMPARE(verbItems[0].answerBox, "Text1");
    QCOMPARE(verbItems[3].answerBox, "Text4");
    QCOMPARE(verbItems[1].infinitive, verbItems[3].infinitive);
}

void TestContent::infinitiveMustMatchExactly_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");

    QTest::newRow("cuocere") << 0 << "cuocere" << true;
    QTest::newRow("Cuocere-capital") << 0 << "Cuocere" << false;
    QTest::newRow("CUOCERE") << 0 << "CUOCERE" << false;
    QTest::newRow("leading-blank") << 0 << " cuocere" << false;
    QTest::newRow("trailing-blank") << 0 << "cuocere " << false;
    QTest::newRow("empty") << 0 << "" << false;
    QTest::newRow("andare-item2") << 1 << "andare" << true;
    QTest::newRow("andare-item4") << 3 << "andare" << true;
    QTest::newRow("andare-item3") << 2 << "andare" << false;
    QTest::newRow("uscire-item3") << 2 << "uscire" << true;
    QTest::newRow("andare-combining-acute") << 1 << u"andare\u0301"_qs << false;
    QTest::newRow("uscire-with-grave-accent") << 2 << u"uscir\u00e8"_qs << false;
    QTest::newRow("emoji") << 1 << u"andare\U0001F600"_qs << false;
    QTest::newRow("embedded-nul") << 1 << QString::fromLatin1("andare\0", 7) << false;
    QTest::newRow("long") << 0 << QString(100'000, u'c') << false;
}

void TestContent::infinitiveMustMatchExactly() {
    QFETCH(int, item);
    QFETCH(QString, typed);
    QFETCH(bool, right);
    QCOMPARE(content::isRightInfinitive(content::verbItems[item], typed.toStdString()), right);
}

QTEST_GUILESS_MAIN(TestContent)
#include "tst_content.moc"
