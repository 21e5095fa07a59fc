// What the golden scenarios of Save, exit and "RSA hakkında" cannot show: line
// breaks typed into the box, the browser reference, the end of the program;
// and how a run-time failure of any command is shown.

#include "testing/RecordingWindow.h"
#include "texts/Texts.h"
#include "value/RuntimeError.h"
#include "operations/CommandRunner.h"
#include "menu/MenuCommands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace rsa {
namespace {

namespace fs = std::filesystem;
using testing::RecordingWindow;

struct MenuCommands : ::testing::Test {
    WindowVariables vars;
    RecordingWindow window;
    fs::path folder;

    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("rsa-menu-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    void save(const std::string& boxText, std::optional<std::string> answer) {
        window.boxes[TextBox::txtdecmsj] = boxText;
        window.fileAnswers.push_back(answer);
        runCommand(&saveCipherText, vars, window);
    }
    std::string path(const std::string& name) const { return (folder / name).string(); }
    static std::string bytesOf(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        return content.str();
    }
};

TEST_F(MenuCommands, SaveWritesEveryLineBreakAsCrLf) {
    save("typed 1730 180-12\nsecond line", path("card.ENC"));
    EXPECT_EQ(bytesOf(path("card.ENC")), "typed 1730 180-12\r\nsecond line\r\n");
    EXPECT_EQ(window.dialogFilters, std::vector<std::string>{texts::saveFilter});
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(MenuCommands, AboutOpensThePageOrSaysWhyNot) {
    runCommand(&openAboutPage, vars, window);
    runCommand(&openAboutPage, vars, window);
    EXPECT_EQ(window.openedPages, std::vector<std::string>(2, texts::aboutAddress));
    EXPECT_EQ(vars.Explorer, texts::aboutAddress);

    WindowVariables fresh;
    window.browserAnswers.push_back("no browser");
    runCommand(&openAboutPage, fresh, window);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, texts::aboutFailed);
    EXPECT_EQ(window.messages[0].title, std::optional<std::string>("no browser"));
    EXPECT_EQ(fresh.Explorer, "");
}

TEST_F(MenuCommands, ExitEndsAtOnceAndFailuresAreShownAsMessages) {
    window.boxes[TextBox::txtdecmsj] = " 1730";
    runCommand(&exitProgram, vars, window);
    EXPECT_TRUE(window.ended);
    EXPECT_TRUE(window.messages.empty() && window.dialogFilters.empty());

    runCommand(
        [](WindowVariables& v, WindowOperations&) {
            v.p = Variant::integer(1);
            throw RuntimeError::divisionByZero();
        },
        vars, window);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, "Hata 11: Division by zero");
    EXPECT_FALSE(window.messages[0].title.has_value());
    EXPECT_EQ(vars.p, Variant::integer(1)) << "what a command assigned before failing stays";
}

} // namespace
} // namespace rsa
