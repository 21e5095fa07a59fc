#include "explain/ExchangeExplanation.h"

#include "Language.h"
#include "texts/ExchangeStepTexts.h"
#include "texts/ExchangeTexts.h"

namespace rsa::explain {

namespace {

namespace text = rsa::texts::exchangeSteps;
using std::to_string;

std::string twoDigits(std::size_t code) {
    return std::string(1, static_cast<char>('0' + code / 10)) + static_cast<char>('0' + code % 10);
}

// The letter table in three column pairs, ten rows: it fits a printed page
// beside the blocks.
Table letterTable(const std::vector<std::string>& letters, const std::string& blankName,
                  const Language& say) {
    constexpr std::size_t pairs = 3;
    Table table{{}, {}};
    for (std::size_t k = 0; k < pairs; ++k) {
        table.columns.push_back(say(text::letterColumn));
        table.columns.push_back(say(text::codeColumn));
    }
    const std::size_t rows = (letters.size() + pairs - 1) / pairs;
    for (std::size_t row = 0; row < rows; ++row) {
        std::vector<std::string> cells;
        for (std::size_t pair = 0; pair < pairs; ++pair) {
            const std::size_t code = pair * rows + row;
            const bool there = code < letters.size();
            const bool blank = there && letters[code] == " ";
            cells.push_back(!there ? "" : blank ? blankName : letters[code]);
            cells.push_back(there ? twoDigits(code) : "");
        }
        table.rows.push_back(std::move(cells));
    }
    return table;
}

} // namespace

Section explainLetterPacking(const LetterPacking& packing, Translator translator) {
    const Language say(translator);
    Section section{say.fill(text::lettersTitle, {to_string(packing.n)}), {}};
    Group group{"", Fold::Fixed, {}};
    group.elements.emplace_back(say(rsa::texts::exchange::packingRule));
    group.elements.emplace_back(
        letterTable(packing.table, say(rsa::texts::exchange::blankName), say));
    group.elements.emplace_back(
        say.fill(text::packingForN, {to_string(packing.n), to_string(packing.perBlock),
                                     to_string(packing.largest), to_string(packing.nextLargest)}));
    Table blocks{{say(texts::blockColumn), say(text::lettersColumn), "m"}, {}};
    for (std::size_t k = 0; k < packing.blocks.size(); ++k) {
        blocks.rows.push_back(
            {to_string(k + 1), packing.lettersOfBlocks.at(k), to_string(packing.blocks[k])});
    }
    group.elements.emplace_back(std::move(blocks));
    section.groups.push_back(std::move(group));
    return section;
}

} // namespace rsa::explain
