// Save, exit and "RSA hakkında" against the recording window, with real files
// in a scratch folder; and how a run-time failure of any command is shown.

#include "support/RecordingWindow.h"
#include "texts/Texts.h"
#include "value/RuntimeError.h"
#include "window/CommandRunner.h"
#include "window/MenuCommands.h"

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
    void TearDown() override {
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }

    void save(const std::string& boxText, std::optional<std::string> answer) {
        window.boxes[TextBox::txtdecmsj] = boxText;
        window.fileAnswers.push_back(answer);
        runCommand(&mnuItemSave_Click, vars, window);
    }
    std::string path(const std::string& name) const { return (folder / name).string(); }
    static std::string bytesOf(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        return content.str();
    }
    std::vector<std::string> filesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(MenuCommands, SaveWritesTheBoxAndALineBreak) {
    save("", path("empty.ENC"));
    EXPECT_EQ(bytesOf(path("empty.ENC")), "\r\n");
    EXPECT_EQ(window.dialogFilters, std::vector<std::string>{texts::saveFilter});

    save(" 1730 180", path("card.ENC"));
    save("typed 1730 180-12\nsecond line", path("card.ENC"));
    EXPECT_EQ(bytesOf(path("card.ENC")), "typed 1730 180-12\r\nsecond line\r\n");

    save(" 5", path("noextension"));
    EXPECT_EQ(bytesOf(path("noextension")), " 5\r\n");
    EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"card.ENC", "empty.ENC", "noextension"}));
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(MenuCommands, SaveWritesTurkishLettersInTheTurkishCodePage) {
    save("ğüşıöçĞÜŞİÖÇ €中é", path("letters.ENC"));
    EXPECT_EQ(bytesOf(path("letters.ENC")),
              "\xF0\xFC\xFE\xFD\xF6\xE7\xD0\xDC\xDE\xDD\xD6\xC7\x20\x80?\xE9\r\n");
}

TEST_F(MenuCommands, CancellingNeverWrites) {
    save(" 1", std::nullopt);
    EXPECT_TRUE(filesInFolder().empty());
    save(" 1", path("kept.ENC"));
    save(" 2", std::nullopt);
    EXPECT_EQ(bytesOf(path("kept.ENC")), " 1\r\n");
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(MenuCommands, AFailedSaveSaysWhyAndKeepsTheOldFile) {
    save(" 1", path("missing/card.ENC"));
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text.rfind(texts::saveFailedPrefix, 0), 0u);
    EXPECT_GT(window.messages[0].text.size(), std::string(texts::saveFailedPrefix).size());
    EXPECT_FALSE(window.messages[0].title.has_value());

    save(" old", path("readonly.ENC"));
    fs::permissions(path("readonly.ENC"), fs::perms::owner_read | fs::perms::group_read);
    save(" new", path("readonly.ENC"));
    EXPECT_EQ(window.messages.size(), 2u);
    EXPECT_EQ(bytesOf(path("readonly.ENC")), " old\r\n");

    save(" new", folder.string()); // a folder is no file to replace
    EXPECT_EQ(window.messages.size(), 3u);
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"readonly.ENC"});
}

TEST_F(MenuCommands, AboutOpensThePageOrSaysWhyNot) {
    runCommand(&mnuRsaItem_Click, vars, window);
    runCommand(&mnuRsaItem_Click, vars, window);
    EXPECT_EQ(window.openedPages, std::vector<std::string>(2, texts::aboutAddress));
    EXPECT_EQ(vars.Explorer, texts::aboutAddress);

    WindowVariables fresh;
    window.browserAnswers.push_back("no browser");
    runCommand(&mnuRsaItem_Click, fresh, window);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, texts::aboutFailed);
    EXPECT_EQ(window.messages[0].title, std::optional<std::string>("no browser"));
    EXPECT_EQ(fresh.Explorer, "");
}

TEST_F(MenuCommands, ExitEndsAtOnceAndFailuresAreShownAsMessages) {
    window.boxes[TextBox::txtdecmsj] = " 1730";
    runCommand(&mnuExitItem_Click, vars, window);
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
