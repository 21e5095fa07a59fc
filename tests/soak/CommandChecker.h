#pragma once

// Clicks the window's nine controls against the recording window and checks,
// after every click, what a user of the window relies on: no failure escapes
// the command runner, a run-time failure is reported as one of the four known
// "Hata N: NAME" messages, a refused or failed button leaves every box as it
// was, the listings and the random pair are right, a key once made encrypts
// and decrypts the card's blocks back, and Save either writes the whole box or
// leaves the folder exactly as it was. The soak test and the command fuzzer
// share it; a broken rule comes back as a description, which each reports in
// its own way.

#include "state/WindowVariables.h"
#include "support/RecordingWindow.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rsa::soak {

// What the save dialog answers.
enum class DialogAnswer {
    Cancel,
    EmptyName,
    FileInFolder,
    FileInMissingFolder,
    ReadOnlyFile,
    TheFolderItself,
};
inline constexpr int dialogAnswerKinds = 6;

// A folder of its own for Save, made afresh with one read-only file in it and
// removed again at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(std::filesystem::path folder);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The path the dialog answers with; pick chooses among a few file names.
    std::optional<std::string> answer(DialogAnswer kind, unsigned pick) const;

    // Every entry of the folder: a file's name with its bytes, a folder's name
    // with "<folder>".
    std::map<std::string, std::string> contents() const;

    const std::filesystem::path& folder() const { return m_folder; }

private:
    std::filesystem::path m_folder;
};

// Texts at the edges of what Val reads: every width's limit, exponents beyond
// the Double range, prefixes, signs and points, letters, non-ASCII text.
const std::vector<std::string>& edgeTexts();

class CommandChecker {
public:
    // How often each checked outcome came up, so that a run can show that it
    // reached them.
    struct Tally {
        long primeListings = 0;
        long randomPairs = 0;
        long keysMade = 0;
        long encryptions = 0;
        long roundTrips = 0;
        long refusals = 0;
        long runtimeErrors = 0;
        long savesWritten = 0;
        long savesRefused = 0;
        long savesCancelled = 0;
    };

    CommandChecker(WindowVariables& vars, testing::RecordingWindow& window,
                   const ScratchFolder& scratch);

    // Clicks the control (one of the nine wired names) and returns the first
    // rule the click broke, or an empty text.
    std::string click(std::string_view control);

    const Tally& tally() const { return m_tally; }

private:
    struct Key {
        Variant p, q, e, d;
    };
    struct Encryption {
        Key key;
        std::array<std::int64_t, 8> blocks;
    };

    std::string checkListing();
    std::string checkRandomPair();
    std::string checkDivisors(const std::string& before);
    std::string checkKey(const std::vector<std::string>& shown, const Key& before);
    std::string checkEncryption(const std::vector<std::string>& shown,
                                const std::array<std::string, 4>& groups,
                                const std::string& before);
    std::string checkDecryption(const std::vector<std::string>& shown, const std::string& before);
    std::string checkSave(const std::optional<std::string>& answer,
                          const std::map<std::string, std::string>& before,
                          const std::vector<std::string>& shown);
    std::string checkAbout(const std::vector<std::string>& shown,
                           const std::optional<std::string>& failure,
                           const std::string& explorerBefore, std::size_t pagesBefore);

    WindowVariables& m_vars;
    testing::RecordingWindow& m_window;
    const ScratchFolder& m_scratch;
    std::optional<Key> m_key;              // the last key computation that succeeded
    std::optional<Encryption> m_encrypted; // the last encryption made with m_key
    Tally m_tally;
};

} // namespace rsa::soak
