#include "Language.h"

#include "explain/Explanation.h"

namespace rsa::explain {

namespace {

Translator currentTranslator = nullptr;

} // namespace

void setTranslator(Translator translator) {
    currentTranslator = translator;
}

std::string inLanguage(const char* text) {
    return currentTranslator != nullptr ? currentTranslator(text) : std::string(text);
}

} // namespace rsa::explain
