// Every translation keeps the marks of its source that the program fills in
// or reads: the {N} slots, and the "&" of an access key. A translation that
// drops "{2}" prints a sentence without its number; one that drops "&" leaves
// a menu without its key. No text uses Qt's %N instead of a slot: the one
// filler (texts::word) would show it as it stands.

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

// The {N} slots a text uses, and its number of "&". A slot may be used twice
// in a sentence and once in its translation, and the other way round: the set
// of slots must match.
std::pair<std::set<QString>, qsizetype> marks(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral(R"(\{\d+\})"));
    std::set<QString> found;
    for (const QRegularExpressionMatch& match : pattern.globalMatch(text)) {
        found.insert(match.captured());
    }
    return {found, text.count(QLatin1Char('&'))};
}

TEST(TranslationMarks, EveryTranslationKeepsTheSlotsAndAccessKeysOfItsSource) {
    const QRegularExpression qtArgument(QStringLiteral(R"(%\d)"));
    const QStringList catalogues = QStringLiteral(RSA_CATALOGUES).split(QLatin1Char('|'));
    ASSERT_FALSE(catalogues.isEmpty());
    for (const QString& path : catalogues) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        QXmlStreamReader xml(&file);
        QString source;
        int checked = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
                EXPECT_FALSE(source.contains(qtArgument)) << source.toStdString();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString translation = xml.readElementText();
                EXPECT_EQ(marks(source), marks(translation))
                    << path.toStdString() << ": " << source.toStdString() << " -> "
                    << translation.toStdString();
                ++checked;
            }
        }
        ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_GT(checked, 0) << path.toStdString();
    }
}

} // namespace
