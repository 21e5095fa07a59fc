// Fuzzes the window's commands. The input is a user's session, one step after
// another, each led by a byte:
//   0, 1  type into box (next byte) the text of (next byte % 64) bytes
//   2     type into box (next byte) the edge text number (next byte)
//   3     queue the save dialog's answer: kind (next byte), file name (next byte)
//   4     queue the browser's answer: an even byte opens the page, an odd one
//         fails with a description of (byte / 2 % 16) bytes
//   5-7   click the control wired as number (next byte % 9)
// Every click goes through the checker the soak test uses, against a fresh
// window per input; a broken rule aborts with its description.

#include "FuzzInput.h"

#include "CommandChecker.h"

#include <unistd.h>

namespace {

using namespace rsa;

soak::ScratchFolder& scratch() {
    static soak::ScratchFolder folder(std::filesystem::temp_directory_path() /
                                      ("rsa-fuzz-" + std::to_string(::getpid())));
    return folder;
}

constexpr int mostSteps = 64;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    WindowVariables vars;
    testing::RecordingWindow window;
    soak::CommandChecker checker(vars, window, scratch());
    for (int step = 0; step < mostSteps && !in.empty(); ++step) {
        const auto kind = in.take<std::uint8_t>() % 8;
        if (kind <= 2) {
            const auto box = static_cast<TextBox>(in.take<std::uint8_t>() % textBoxCount);
            const auto count = in.take<std::uint8_t>();
            window.boxes[box] = kind == 2 ? soak::edgeTexts()[count % soak::edgeTexts().size()]
                                          : in.text(count % 64);
        } else if (kind == 3) {
            const auto answer = in.take<std::uint8_t>() % soak::dialogAnswerKinds;
            window.fileAnswers.push_back(
                scratch().answer(static_cast<soak::DialogAnswer>(answer), in.take<std::uint8_t>()));
        } else if (kind == 4) {
            const auto answer = in.take<std::uint8_t>();
            window.browserAnswers.push_back(
                answer % 2 == 0 ? std::nullopt : std::optional(in.text(answer / 2 % 16)));
        } else {
            const std::string_view control = soak::commandNames()[in.take<std::uint8_t>() % soak::commandNames().size()];
            const std::string problem = checker.click(control);
            fuzz::require(problem.empty(), [&] {
                return "step " + std::to_string(step) + ", " + std::string(control) + ": " +
                       problem;
            });
        }
    }
    return 0;
}
