#include "exchange/ExchangeFiles.h"

#include "files/FileReading.h"
#include "files/FileWriting.h"
#include "menu/MenuCommands.h"

#include <algorithm>
#include <vector>

namespace rsa::exchange {

namespace {

// The lines of a text file: CR LF or LF ends a line, and a last line without
// its break counts as well.
std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) {
            end = bytes.size();
        }
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

// The lines of the file, exactly `count` of them, or the refusal.
Result<std::vector<std::string>> readLines(const std::string& path, std::size_t count) {
    const std::variant<FileContent, ReadFailure> read = readFileContent(path);
    if (const auto* failure = std::get_if<ReadFailure>(&read)) {
        return Refusal{RefusalKind::FileUnreadable, {failure->reason}};
    }
    std::string bytes(withoutByteOrderMark(std::get<FileContent>(read).bytes));
    // Blocks are ASCII digits; any other byte of the code page is only ever
    // quoted back in a refusal, where "?" keeps the sentence valid UTF-8.
    std::replace_if(
        bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; },
        '?');
    std::vector<std::string> lines = linesOf(bytes);
    if (lines.size() != count) {
        return Refusal{RefusalKind::FileLineCount,
                       {std::to_string(lines.size()), std::to_string(count)}};
    }
    return lines;
}

} // namespace

std::string encFileBytes(const Blocks& cipher) {
    return cipherFileBytes(blocksText(cipher));
}

std::string sigFileBytes(const Blocks& card, const Blocks& signature) {
    return cardText(card) + "\r\n" + blocksText(signature) + "\r\n";
}

Result<ReceivedBlocks> readEncFile(const std::string& path) {
    const Result<std::vector<std::string>> lines = readLines(path, 1);
    if (!lines) {
        return lines.refusal();
    }
    return parseBlocks(lines.value()[0]);
}

Result<SignedCard> readSigFile(const std::string& path) {
    const Result<std::vector<std::string>> lines = readLines(path, 2);
    if (!lines) {
        return lines.refusal();
    }
    const Result<Blocks> card = parseCard(lines.value()[0]);
    if (!card) {
        return card.refusal();
    }
    const Result<ReceivedBlocks> signature = parseBlocks(lines.value()[1]);
    if (!signature) {
        return signature.refusal();
    }
    return SignedCard{card.value(), signature.value()};
}

std::optional<std::string> writeExchangeFile(const std::string& path, const std::string& bytes) {
    return replaceFileContent(path, bytes);
}

} // namespace rsa::exchange
