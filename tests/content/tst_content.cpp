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

using SetPointer = const content::SentenceSet*;

} // namespace

Q_DECLARE_METATYPE(SetPointer)

class TestContent : public QObject {
    Q_OBJECT
private slots:
    void catalogueHoldsItsEntriesInKeyOrder();
    void catalogueEntriesHaveTheirLengths();
    void setsHoldTheirTextsAsStored_data();
    void setsHoldTheirTextsAsStored();
    void judgeRow_data();
    void judgeRow();
    void wellFormednessCheckRefusesBrokenSets();
    void verbItemsKeepTheirBlanks();
    void infinitiveMustMatchExactly_data();
    void infinitiveMustMatchExactly();
};

void TestContent::catalogueHoldsItsEntriesInKeyOrder() {
    QCOMPARE(content::roleCatalogue[0], "Soggetto");
    QCOMPARE(content::roleCatalogue[4], "Complemento Oggetto");
    QCOMPARE(content::roleCatalogue[6], "Complemento Oggetto");
    QCOMPARE(content::roleCatalogue[13], "Complemento di Specificazione");
    QCOMPARE(content::roleCatalogue[19], "Complemento Predicativo dell'Oggetto");
    QCOMPARE(content::roleCatalogue[20], "Complemento Predicativo del soggetto");
    QCOMPARE(content::roleCatalogue[24], "Complemento di Denominazione");
    QVERIFY(content::sameRole(4, 6));
    QVERIFY(!content::sameRole(4, 5));
}

void TestContent::catalogueEntriesHaveTheirLengths() {
    constexpr int lengths[] = {8,  17, 18, 6,  19, 22, 19, 29, 27, 36, 20, 20, 20,
                               29, 19, 30, 20, 24, 21, 36, 36, 19, 24, 22, 28};
    for (std::size_t i = 0; i < content::roleCatalogue.size(); ++i)
        QCOMPARE(content::roleCatalogue[i].size(), std::size_t(lengths[i]));
}

void TestContent::setsHoldTheirTextsAsStored_data() {
    QTest::addColumn<SetPointer>("set");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<qsizetype>("sentenceLength");
    QTest::addColumn<QStringList>("chunks");

    QTest::newRow("first") << &content::firstSet << u"La capra divora le foglie delle piante"_qs
                           << qsizetype(38)
                           << QStringList{"La Capra", "divora", "le foglie", "delle piante"};
    QTest::newRow("second") << &content::secondSet << u"Il nome di madre conferisce dignit\u00e0"_qs
                            << qsizetype(35)
                            << QStringList{"Il nome", "di madre", "conferisce", u"dignit\u00e0"_qs};
    QTest::newRow("third") << &content::thirdSet
                           << u"Lorenzo de' Medici fu soprannominato il Magnifico"_qs
                           << qsizetype(49)
                           << QStringList{"Lorenzo de'Medici", "fu soprannominato", "il Magnifico"};
    QTest::newRow("fourth") << &content::fourthSet
                            << u"La mamma \u00e8 uscita a comprare le mele "_qs << qsizetype(37)
                            << QStringList{"La mamma", u"\u00e8 uscita a comprare"_qs, "le mele"};
}

void TestContent::setsHoldTheirTextsAsStored() {
    QFETCH(SetPointer, set);
    QFETCH(QString, sentence);
    QFETCH(qsizetype, sentenceLength);
    QFETCH(QStringList, chunks);

    QCOMPARE(QString::fromUtf8(set->sentence.data(), qsizetype(set->sentence.size())), sentence);
    QCOMPARE(characters(set->sentence), sentenceLength);
    QCOMPARE(set->chunkCount(), int(chunks.size()));
    for (int row = 1; row <= content::rowCount; ++row) {
        const std::string_view chunk = set->row(row).chunk;
        const QString expected = row <= chunks.size() ? chunks[row - 1] : QString();
        QCOMPARE(QString::fromUtf8(chunk.data(), qsizetype(chunk.size())), expected);
    }
}

void TestContent::judgeRow_data() {
    QTest::addColumn<SetPointer>("set");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("selection");
    QTest::addColumn<Verdict>("verdict");

    const auto row = [](const char* name, SetPointer set, int r, int s, Verdict v) {
        QTest::newRow(name) << set << r << s << v;
    };
    using content::firstSet, content::secondSet, content::thirdSet, content::fourthSet;
    // The duplicated "Complemento Oggetto": both places name the same role.
    row("first-r3-key4-pick4", &firstSet, 3, 4, Verdict::Right);
    row("first-r3-key4-pick6-same-text", &firstSet, 3, 6, Verdict::Right);
    row("second-r4-key4-pick4", &secondSet, 4, 4, Verdict::Right);
    row("second-r4-key4-pick6-same-text", &secondSet, 4, 6, Verdict::Right);
    row("fourth-r3-key4-pick6-same-text", &fourthSet, 3, 6, Verdict::Right);
    row("first-r3-key4-pick5", &firstSet, 3, 5, Verdict::Wrong);
    // Nothing picked, and out-of-catalogue indexes, are wrong in every keyed row.
    row("first-r1-none", &firstSet, 1, -1, Verdict::Wrong);
    row("second-r4-none", &secondSet, 4, -1, Verdict::Wrong);
    row("third-r3-none", &thirdSet, 3, -1, Verdict::Wrong);
    row("fourth-r1-none", &fourthSet, 1, -1, Verdict::Wrong);
    row("first-r1-index25", &firstSet, 1, 25, Verdict::Wrong);
    row("first-r1-index-32768", &firstSet, 1, -32768, Verdict::Wrong);
    // The same entry in several rows: each row against its own key.
    row("first-r1-Soggetto", &firstSet, 1, 0, Verdict::Right);
    row("first-r2-Soggetto", &firstSet, 2, 0, Verdict::Wrong);
    row("first-r4-Soggetto", &firstSet, 4, 0, Verdict::Wrong);
    // Keys that do not rise with the rows.
    row("second-r2-key24", &secondSet, 2, 24, Verdict::Right);
    row("second-r2-pick1", &secondSet, 2, 1, Verdict::Wrong);
    row("second-r3-key1", &secondSet, 3, 1, Verdict::Right);
    row("second-r3-pick24", &secondSet, 3, 24, Verdict::Wrong);
    // Predicative of the subject, not of the object.
    row("third-r3-key20", &thirdSet, 3, 20, Verdict::Right);
    row("third-r3-pick19", &thirdSet, 3, 19, Verdict::Wrong);
    // Rows without a chunk are never judged, whatever they show.
    row("third-r4-none", &thirdSet, 4, -1, Verdict::NotJudged);
    row("third-r4-pick4", &thirdSet, 4, 4, Verdict::NotJudged);
    row("third-r4-pick0", &thirdSet, 4, 0, Verdict::NotJudged);
    row("first-r5-pick0", &firstSet, 5, 0, Verdict::NotJudged);
    row("second-r8-pick24", &secondSet, 8, 24, Verdict::NotJudged);
    row("fourth-r4-pick4", &fourthSet, 4, 4, Verdict::NotJudged);
    row("first-r0-outside", &firstSet, 0, 0, Verdict::NotJudged);
    row("first-r9-outside", &firstSet, 9, 0, Verdict::NotJudged);
}

void TestContent::judgeRow() {
    QFETCH(SetPointer, set);
    QFETCH(int, row);
    QFETCH(int, selection);
    QFETCH(Verdict, verdict);
    QCOMPARE(content::judgeRow(*set, row, selection), verdict);
}

// The compile-time check that guards the sets must refuse each way a set can be broken.
void TestContent::wellFormednessCheckRefusesBrokenSets() {
    using content::SentenceSet;
    using content::checks::isWellFormed;
    QVERIFY(isWellFormed(content::firstSet));
    const SentenceSet twoChunks{"a b", {{{"a", 0}, {"b", 1}}}};
    const SentenceSet fiveChunks{"a b c d e", {{{"a", 0}, {"b", 1}, {"c", 2}, {"d", 3}, {"e", 4}}}};
    const SentenceSet keyWithoutChunk{"a b c", {{{"a", 0}, {"b", 1}, {"", 2}}}};
    const SentenceSet chunkWithoutKey{"a b c d", {{{"a", 0}, {"b", 1}, {"c", 2}, {"d", {}}}}};
    const SentenceSet keyOutsideCatalogue{"a b c", {{{"a", 0}, {"b", 25}, {"c", 2}}}};
    const SentenceSet gapBeforeLastChunk{"a b c", {{{"a", 0}, {"b", 1}, {"c", 2}, {}, {"e", 4}}}};
    for (const SentenceSet* broken : {&twoChunks, &fiveChunks, &keyWithoutChunk, &chunkWithoutKey,
                                      &keyOutsideCatalogue, &gapBeforeLastChunk})
        QVERIFY(!isWellFormed(*broken));
    QVERIFY(!content::checks::isPlainEntry("Complemento  Oggetto"));
    QVERIFY(!content::checks::isPlainEntry("Complemento Oggetto "));
    QVERIFY(!content::checks::isPlainEntry("Complemento d\u2019Agente"));
}

void TestContent::verbItemsKeepTheirBlanks() {
    using content::verbItems;
    QCOMPARE(verbItems[0].prompt, "Cossi" + std::string(7, ' ') + "=");
    QCOMPARE(verbItems[1].prompt, "Andassimo  =");
    QCOMPARE(verbItems[2].prompt, "Uscimmo =");
    QCOMPARE(verbItems[3].prompt, "Andaste = ");
    QCOMPARE(verbItems[3].prompt.size(), 10u);
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
