#include "attacks/KeyList.h"

#include "Work.h"
#include "exchange/ExchangeFiles.h"
#include "exchange/ExchangeKey.h"
#include "files/FileReading.h"
#include "texts/AttackTexts.h"

#include <map>

namespace rsa::attacks {

namespace text = texts::attacks;

namespace {

bool blank(std::string_view line) {
    return line.find_first_not_of(" \t\r\v\f") == std::string_view::npos;
}

// The n a line gives: that of a key line, else the line as one number.
std::variant<std::uint64_t, Refusal> modulusOf(std::string_view line) {
    const auto key = exchange::splitPublicKeyLine(line);
    const auto read = readNumber(key ? std::string_view(key->n) : line);
    if (const auto* refusal = std::get_if<Refusal>(&read)) {
        return refusal->rule == RefusalKind::NotNumber ? Refusal{RefusalKind::NotKeyLine, {}}
                                                       : *refusal;
    }
    const std::uint64_t n = std::get<std::uint64_t>(read);
    if (auto refusal = Work::modulusRefusal(n)) {
        return *refusal;
    }
    return n;
}

} // namespace

KeyList readKeyList(std::string_view text) {
    // A text editor on Windows starts its UTF-8 files with a byte order mark.
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, byteOrderMark.size()) == byteOrderMark) {
        text.remove_prefix(byteOrderMark.size());
    }
    KeyList list;
    std::map<std::uint64_t, std::size_t> lineOf;
    const std::vector<std::string> lines = exchange::linesOf(std::string(text));
    for (std::size_t at = 0; at < lines.size(); ++at) {
        const std::size_t line = at + 1;
        const std::string_view content = std::string_view(lines[at]).substr(0, lines[at].find('#'));
        if (blank(content)) {
            continue;
        }
        const auto n = modulusOf(content);
        if (const auto* refusal = std::get_if<Refusal>(&n)) {
            list.skipped.push_back({line, *refusal});
            continue;
        }
        const auto [earlier, first] = lineOf.emplace(std::get<std::uint64_t>(n), line);
        if (!first) {
            list.skipped.push_back(
                {line, Refusal{RefusalKind::SameKey, {to_string(earlier->second)}}});
            continue;
        }
        list.keys.push_back({line, std::get<std::uint64_t>(n)});
    }
    return list;
}

std::variant<std::string, Refusal> readKeyListFile(const std::string& path) {
    auto read = readFileContent(path);
    if (const auto* failure = std::get_if<ReadFailure>(&read)) {
        return Refusal{RefusalKind::FileUnreadable, {failure->reason}};
    }
    std::string& bytes = std::get<FileContent>(read).bytes;
    if (bytes.find('\0') != std::string::npos) {
        return Refusal{RefusalKind::NotText, {}};
    }
    return std::move(bytes);
}

Outcome runKeyList(const KeyList& list, texts::Translator translator) {
    Work work(translator);
    const std::size_t count = list.keys.size();
    // Every line that may be a key counts, so that no list of pages of
    // skipped lines is written out.
    const std::size_t lines = count + list.skipped.size();
    if (lines > largestKeyList) {
        work.refuse(RefusalKind::TooManyKeys, {to_string(lines), to_string(largestKeyList)});
        return work.finish(AttackId::Shared, "");
    }
    std::string skipped;
    if (!list.skipped.empty()) {
        explain::Table table{work.columns(text::skippedColumns), {}};
        for (const SkippedLine& line : list.skipped) {
            table.rows.push_back({to_string(line.line), texts::word(line.why, translator)});
            skipped += (skipped.empty() ? "" : ",") + to_string(line.line);
        }
        work.table(std::move(table));
    }
    if (count < 2) {
        work.refuse(RefusalKind::FewKeys, {to_string(count)});
    } else {
        std::vector<std::uint64_t> moduli;
        std::vector<std::size_t> lines;
        for (const ListedKey& key : list.keys) {
            moduli.push_back(key.n);
            lines.push_back(key.line);
        }
        factorSharedPrimes(work, moduli, lines);
    }
    if (!skipped.empty()) {
        work.found("skipped", skipped);
    }
    return work.finish(
        AttackId::Shared,
        work.say(text::listGiven, {to_string(count), to_string(list.skipped.size())}));
}

} // namespace rsa::attacks
