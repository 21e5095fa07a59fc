#pragma once

// The run-time failures of the value model. A failing operation throws one
// RuntimeError carrying the failure's number and name; commands let it pass,
// and the window reports it ("Hata 6: Overflow") and keeps running.

#include <stdexcept>
#include <string>

namespace rsa {

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& name)
        : std::runtime_error(name), m_number(number), m_name(name) {}

    int number() const { return m_number; }
    const std::string& name() const { return m_name; }

    static RuntimeError overflow() { return {6, "Overflow"}; }
    static RuntimeError subscriptOutOfRange() { return {9, "Subscript out of range"}; }
    static RuntimeError divisionByZero() { return {11, "Division by zero"}; }
    static RuntimeError typeMismatch() { return {13, "Type mismatch"}; }

private:
    int m_number;
    std::string m_name;
};

} // namespace rsa
