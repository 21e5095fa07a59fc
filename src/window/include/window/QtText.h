#pragma once

// The one conversion between the commands' UTF-8 texts and Qt's strings, for
// every window and tool that hands texts across.

#include <QString>

#include <string>
#include <string_view>

namespace rsa {

inline QString toQt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string fromQt(const QString& text) {
    return text.toStdString();
}

} // namespace rsa
