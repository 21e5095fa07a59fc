#include "operations/CommandRunner.h"

#include "texts/Texts.h"
#include "texts/Wording.h"
#include "value/RuntimeError.h"

namespace rsa {

std::string runtimeErrorMessage(int number, const std::string& name) {
    return texts::fill(texts::runtimeError, {std::to_string(number), name});
}

CommandRecord runCommand(const Command& command, WindowVariables& vars, WindowOperations& window) {
    CommandRecord record;
    try {
        record = command.run(vars, window);
    } catch (const RuntimeError& failure) {
        window.showFilledMessage(texts::runtimeError,
                                 {std::to_string(failure.number()), failure.name()});
        record = CommandRecord{};
        record.outcome = Outcome::stopped;
        record.failureNumber = failure.number();
        record.failureName = failure.name();
    }
    record.command = command.id;
    return record;
}

} // namespace rsa
