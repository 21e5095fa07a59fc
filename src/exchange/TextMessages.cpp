#include "exchange/TextMessages.h"

#include "exchange/ExchangeFiles.h"
#include "files/FileReading.h"
#include "numbers/ModularArithmetic.h"

#include <algorithm>

namespace rsa::exchange {

namespace {

BlockList power(const BlockList& blocks, std::uint32_t exponent, std::uint32_t modulus) {
    BlockList result;
    for (std::uint32_t block : blocks) {
        result.push_back(static_cast<std::uint32_t>(modularPower(block, exponent, modulus)));
    }
    return result;
}

// As for a card: a block of n or more would come back as its remainder.
std::optional<Refusal> firstNotBelow(const BlockList& blocks, std::uint32_t n) {
    for (std::size_t k = 0; k < blocks.size(); ++k) {
        if (blocks[k] >= n) {
            return Refusal{RefusalKind::BlockNotBelowModulus,
                           {std::to_string(k + 1), std::to_string(blocks[k]), std::to_string(n)}};
        }
    }
    return std::nullopt;
}

Result<TextBlocks> packed(const LetterCodes& message, std::uint32_t n) {
    const std::size_t perBlock = lettersPerBlock(n);
    if (perBlock == 0) {
        return Refusal{RefusalKind::ModulusBelowLetter, {std::to_string(n)}};
    }
    return TextBlocks{perBlock, packLetters(message, perBlock), {}};
}

Result<TextBlocks> raised(const LetterCodes& message, std::uint32_t exponent, std::uint32_t n) {
    Result<TextBlocks> blocks = packed(message, n);
    if (!blocks) {
        return blocks;
    }
    TextBlocks raisedBlocks = *blocks;
    raisedBlocks.result = power(raisedBlocks.plain, exponent, n);
    return raisedBlocks;
}

// Only digits and separators belong in a line of blocks; any byte beyond
// ASCII is quoted back in a refusal as "?", which keeps the sentence UTF-8.
std::string asciiOnly(std::string line) {
    std::replace_if(
        line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; },
        '?');
    return line;
}

// A saved message in windows-1254 as UTF-8: the table's letters by their
// byte, any other byte beyond ASCII as "?", which the message refuses.
std::string fromCodePage(const std::string& line) {
    std::string text;
    for (char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        const auto& table = letters();
        const auto letter = std::find_if(table.begin(), table.end(),
                                         [byte](const Letter& l) { return l.cp1254 == byte; });
        text += letter != table.end() ? letter->utf8 : byte < 0x80 ? std::string(1, c) : "?";
    }
    return text;
}

Result<std::vector<std::string>> textFileLines(const std::string& path, std::size_t count) {
    const std::variant<FileContent, ReadFailure> read = readFileContent(path);
    if (const auto* failure = std::get_if<ReadFailure>(&read)) {
        return Refusal{RefusalKind::FileUnreadable, {failure->reason}};
    }
    std::vector<std::string> lines = linesOf(std::get<FileContent>(read).bytes);
    if (lines.empty() || lines[0] != textMarker) {
        return Refusal{RefusalKind::NotLetterFile, {asciiOnly(lines.empty() ? "" : lines[0])}};
    }
    if (lines.size() != count) {
        return Refusal{RefusalKind::FileLineCount,
                       {std::to_string(lines.size()), std::to_string(count)}};
    }
    return lines;
}

} // namespace

Result<TextBlocks> encryptText(const PublicKey& key, const LetterCodes& message) {
    return raised(message, key.e, key.n);
}

Result<TextBlocks> signText(const std::optional<KeyPair>& key, const LetterCodes& message) {
    if (!key) {
        return Refusal{RefusalKind::NoKey, {}};
    }
    return raised(message, key->d, key->n);
}

Result<ReceivedText> decryptText(const std::optional<KeyPair>& key, const BlockList& cipher) {
    if (!key) {
        return Refusal{RefusalKind::NoKey, {}};
    }
    const std::size_t perBlock = lettersPerBlock(key->n);
    if (perBlock == 0) {
        return Refusal{RefusalKind::ModulusBelowLetter, {std::to_string(key->n)}};
    }
    if (std::optional<Refusal> refusal = firstNotBelow(cipher, key->n)) {
        return *refusal;
    }
    ReceivedText received{{perBlock, cipher, power(cipher, key->d, key->n)}, {}};
    const Result<LetterCodes> message = unpackLetters(received.blocks.result, perBlock);
    if (!message) {
        return message.refusal();
    }
    received.message = *message;
    return received;
}

Result<TextVerification> verifyText(const PublicKey& key, const LetterCodes& message,
                                    const BlockList& signature) {
    const Result<TextBlocks> blocks = packed(message, key.n);
    if (!blocks) {
        return blocks.refusal();
    }
    if (signature.size() != blocks->plain.size()) {
        return Refusal{RefusalKind::BlockCountDiffers,
                       {std::to_string(signature.size()), std::to_string(blocks->plain.size())}};
    }
    if (std::optional<Refusal> refusal = firstNotBelow(signature, key.n)) {
        return *refusal;
    }
    TextVerification verification{*blocks, {}};
    verification.blocks.result = power(signature, key.e, key.n);
    for (std::size_t k = 0; k < signature.size(); ++k) {
        if (verification.blocks.result[k] != verification.blocks.plain[k]) {
            verification.mismatch.push_back(k + 1);
        }
    }
    return verification;
}

std::string textEncFileBytes(const BlockList& cipher) {
    return std::string(textMarker) + "\r\n" + blocksText(cipher) + "\r\n";
}

std::string textSigFileBytes(const LetterCodes& message, const BlockList& signature) {
    std::string bytes = std::string(textMarker) + "\r\n";
    for (std::uint32_t code : message) {
        bytes += static_cast<char>(letters().at(code).cp1254);
    }
    return bytes + "\r\n" + blocksText(signature) + "\r\n";
}

Result<BlockList> readTextEncFile(const std::string& path) {
    const Result<std::vector<std::string>> lines = textFileLines(path, 2);
    if (!lines) {
        return lines.refusal();
    }
    return parseBlockList(asciiOnly(lines.value()[1]));
}

Result<SignedText> readTextSigFile(const std::string& path) {
    const Result<std::vector<std::string>> lines = textFileLines(path, 3);
    if (!lines) {
        return lines.refusal();
    }
    const Result<LetterCodes> message = parseMessage(fromCodePage(lines.value()[1]));
    if (!message) {
        return message.refusal();
    }
    const Result<BlockList> signature = parseBlockList(asciiOnly(lines.value()[2]));
    if (!signature) {
        return signature.refusal();
    }
    return SignedText{*message, *signature};
}

} // namespace rsa::exchange
