#include "Language.h"

#include "texts/Wording.h"

namespace rsa::explain {

std::string Language::operator()(const char* text) const {
    return m_translator != nullptr ? m_translator(text) : std::string(text);
}

std::string Language::fill(const char* source, std::initializer_list<std::string> arguments) const {
    return rsa::texts::word(source, arguments, m_translator);
}

} // namespace rsa::explain
