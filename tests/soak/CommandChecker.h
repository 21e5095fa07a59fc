#pragma once

// Clicks the window's nine controls against the recording window and checks,
// after every click, what a user of the window relies on: no failure escapes
// the command runner, a run-time failure is reported as one of the four known
// "Hata N: NAME" messages, the prime listing and the random pair are right, a
// fresh key decrypts the blocks it encrypted, and Save either writes the box
// or leaves the folder exactly as it was. The soak test and the command fuzzer
// share it; a broken rule comes back as a description.

#include "operations/CommandRunner.h"
#include "state/WindowVariables.h"
#include "testing/RecordingWindow.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rsa::soak {

// The command a button or menu entry runs, by the control's name; nullptr
// for any other name.
Command commandOf(std::string_view control);

// The names of the nine controls that run a command.
const std::vector<std::string_view>& commandNames();

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
    std::string checkRandomPair() const;
    std::string checkKey();
    std::string checkSave(const std::optional<std::string>& answer,
                          const std::map<std::string, std::string>& before, bool refused);

    // The key values while they still belong to the last key made.
    std::array<Variant, 4> currentKey() const;

    WindowVariables& m_vars;
    testing::RecordingWindow& m_window;
    const ScratchFolder& m_scratch;
    std::optional<std::array<Variant, 4>> m_key;         // p, q, eAccepted, d of the last key made
    std::optional<std::array<std::int32_t, 8>> m_blocks; // encrypted with that key
    Tally m_tally;
};

} // namespace rsa::soak
