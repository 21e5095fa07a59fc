// Save opens its dialog where the last successful save went, so a second save
// does not start over; a failed or cancelled one does not move it.

#include "menu/MenuCommands.h"
#include "operations/CommandRunner.h"
#include "testing/RecordingWindow.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

namespace rsa {
namespace {

TEST(SaveCommand, OpensTheDialogInTheFolderOfTheLastSuccessfulSave) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("rsa-save-folder-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    WindowVariables vars;
    testing::RecordingWindow window;
    window.fileAnswers = {(folder / "a.ENC").string(), (folder / "missing/b.ENC").string(),
                          std::nullopt, std::nullopt};
    for (int save = 0; save < 4; ++save) {
        runCommand(commands::saveCipherText, vars, window);
    }
    EXPECT_EQ(window.dialogFolders,
              (std::vector<std::string>{"", folder.string(), folder.string(), folder.string()}));
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace rsa
