#pragma once

// The reason a system call failed, as the user is told it: plain English
// whatever the process locale, so that messages and golden outputs agree.

#include <string>

namespace rsa {

std::string reasonOf(int error);

} // namespace rsa
