#include "operations/CommandRunner.h"

#include "texts/Texts.h"
#include "value/RuntimeError.h"

namespace rsa {

std::string runtimeErrorMessage(int number, const std::string& name) {
    return texts::runtimeErrorPrefix + std::to_string(number) + ": " + name;
}

bool runCommand(Command command, WindowVariables& vars, WindowOperations& window) {
    try {
        command(vars, window);
        return true;
    } catch (const RuntimeError& failure) {
        window.showMessage(runtimeErrorMessage(failure.number(), failure.name()));
        return false;
    }
}

} // namespace rsa
