// A .ENC or .SIG file as a classmate hands it over: the bytes are read as
// both. What readEncFile accepts reads back the same from the .ENC file
// written for its blocks; what readSigFile accepts, from the .SIG file
// written for its card and signature.

#include "Report.h"
#include "exchange/ExchangeFiles.h"

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

using namespace rsa::exchange;

namespace {

// One file per process, rewritten for every input.
const std::string& scratchFile() {
    static const std::string path = (std::filesystem::temp_directory_path() /
                                     ("exchange-files-fuzzer-" + std::to_string(getpid())))
                                        .string();
    return path;
}

void writeScratch(const std::string& bytes) {
    std::ofstream(scratchFile(), std::ios::binary | std::ios::trunc) << bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    writeScratch(bytes);
    const Result<ReceivedBlocks> cipher = readEncFile(scratchFile());
    const Result<SignedCard> signedCard = readSigFile(scratchFile());
    if (cipher) {
        writeScratch(encFileBytes(cipher->blocks));
        const Result<ReceivedBlocks> again = readEncFile(scratchFile());
        rsa::fuzz::require(again && again->blocks == cipher->blocks,
                           "a .ENC file read back from its own blocks", bytes);
    }
    if (signedCard) {
        writeScratch(sigFileBytes(signedCard->card, signedCard->signature.blocks));
        const Result<SignedCard> again = readSigFile(scratchFile());
        rsa::fuzz::require(again && again->card == signedCard->card &&
                               again->signature.blocks == signedCard->signature.blocks,
                           "a .SIG file read back from its own card and signature", bytes);
    }
    std::filesystem::remove(scratchFile());
    return 0;
}
