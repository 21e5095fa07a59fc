#include "CodePage.h"

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
        char buffer[256];
        while (inLeft > 0) {
            char* next = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t done = iconv(m_handle, &in, &inLeft, &next, &outLeft);
            out.append(buffer, static_cast<std::size_t>(next - buffer));
            if (done != static_cast<std::size_t>(-1) || errno == E2BIG) {
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
