#include "menu/CodePage.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace rsa {

namespace {

// The length of the UTF-8 sequence that starts with this byte (1 for a stray
// continuation byte, so that a broken sequence is skipped byte by byte).
std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xF0) {
        return 4;
    }
    if (lead >= 0xE0) {
        return 3;
    }
    if (lead >= 0xC0) {
        return 2;
    }
    return 1;
}

bool isContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// glibc's iconv spends time in proportion to the input it was handed each
// time it stops at a character the code page lacks: tens of microseconds
// apiece in a long text. Short slices, cut between characters, keep a text
// full of emoji as quick to save as any other.
constexpr std::size_t sliceBytes = 64;

class Converter {
public:
    Converter() : m_handle(iconv_open("CP1254", "UTF-8")) {}
    ~Converter() {
        if (m_handle != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(m_handle);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::string convert(const std::string& utf8) {
        std::string out;
        out.reserve(utf8.size());
        if (m_handle == reinterpret_cast<iconv_t>(-1)) {
            return fallback(utf8);
        }
        char* in = const_cast<char*>(utf8.data());
        std::size_t inLeft = utf8.size();
        char buffer[4 * sliceBytes];
        while (inLeft > 0) {
            std::size_t sliceLeft = std::min(inLeft, sliceBytes);
            while (sliceLeft < inLeft && sliceLeft + 3 > sliceBytes &&
                   isContinuation(in[sliceLeft])) {
                --sliceLeft;
            }
            char* const start = in;
            char* next = buffer;
            std::size_t outLeft = sizeof buffer;
            const bool stopped =
                iconv(m_handle, &in, &sliceLeft, &next, &outLeft) == static_cast<std::size_t>(-1);
            const int reason = errno;
            inLeft -= static_cast<std::size_t>(in - start);
            const auto produced = static_cast<std::size_t>(next - buffer);
            if (produced == charactersIn(start, in)) {
                out.append(buffer, produced);
            } else {
                convertEach(start, in, out);
            }
            if (!stopped || reason == E2BIG) {
                continue;
            }
            // EILSEQ or EINVAL: a character the code page lacks, or broken UTF-8.
            const std::size_t skip =
                std::min(sequenceLength(static_cast<unsigned char>(*in)), inLeft);
            out += '?';
            in += skip;
            inLeft -= skip;
            iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    // What iconv took without a complaint is valid UTF-8, so its lead bytes
    // count its characters.
    static std::size_t charactersIn(const char* begin, const char* end) {
        return static_cast<std::size_t>(
            std::count_if(begin, end, [](char byte) { return !isContinuation(byte); }));
    }

    // glibc skips some characters without an error (the Unicode tag
    // characters U+E0000-U+E007F); one at a time, each such character shows as
    // the one "?" any other missing character gets.
    void convertEach(char* begin, char* end, std::string& out) {
        while (begin < end) {
            const std::size_t length = std::min(sequenceLength(static_cast<unsigned char>(*begin)),
                                                static_cast<std::size_t>(end - begin));
            char* in = begin;
            std::size_t inLeft = length;
            char bytes[8];
            char* next = bytes;
            std::size_t outLeft = sizeof bytes;
            iconv(m_handle, &in, &inLeft, &next, &outLeft);
            iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
            if (next == bytes) {
                out += '?';
            } else {
                out.append(bytes, static_cast<std::size_t>(next - bytes));
            }
            begin += length;
        }
    }

    // Without a converter only ASCII survives.
    static std::string fallback(const std::string& utf8) {
        std::string out;
        for (std::size_t i = 0; i < utf8.size();) {
            const auto lead = static_cast<unsigned char>(utf8[i]);
            out += lead < 0x80 ? utf8[i] : '?';
            i += lead < 0x80 ? 1 : sequenceLength(lead);
        }
        return out;
    }

    iconv_t m_handle;
};

} // namespace

std::string toWindows1254(const std::string& utf8) {
    return Converter().convert(utf8);
}

} // namespace rsa
