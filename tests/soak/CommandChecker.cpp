#include "CommandChecker.h"

#include "value/Conversions.h"
#include "controls/ControlTable.h"
#include "explain/ExplainTexts.h"
#include "explain/Explanation.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

namespace rsa::soak {

namespace fs = std::filesystem;

namespace {

constexpr const char* readOnlyName = "readonly.ENC";
constexpr const char* readOnlyBytes = " eski kayıt\r\n";

const char* const knownRuntimeErrors[] = {
    "Hata 6: Overflow",
    "Hata 9: Subscript out of range",
    "Hata 11: Division by zero",
    "Hata 13: Type mismatch",
};

bool startsWith(const std::string& text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// The primes up to 100 as the listing shows them.
constexpr const char* primeListing = "2,3,5,7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47, 53, "
                                     "59, 61, 67, 71, 73, 79, 83, 89, 97";

// Trial division: slow, but plainly right.
bool isPrimeValue(double value) {
    if (value != std::floor(value) || value < 2 || value > 4294967295.0) {
        return false;
    }
    const auto n = static_cast<std::uint64_t>(value);
    for (std::uint64_t divisor = 2; divisor * divisor <= n; divisor += divisor == 2 ? 1 : 2) {
        if (n % divisor == 0) {
            return false;
        }
    }
    return true;
}

} // namespace

ScratchFolder::ScratchFolder(fs::path folder) : m_folder(std::move(folder)) {
    fs::remove_all(m_folder);
    fs::create_directories(m_folder);
    std::ofstream(m_folder / readOnlyName, std::ios::binary) << readOnlyBytes;
    fs::permissions(m_folder / readOnlyName, fs::perms::owner_read | fs::perms::group_read);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(m_folder, ignored);
}

std::optional<std::string> ScratchFolder::answer(DialogAnswer kind, unsigned pick) const {
    static const char* const names[] = {"card.ENC", "kart", "şifre metni.ENC"};
    switch (kind) {
    case DialogAnswer::Cancel:
        return std::nullopt;
    case DialogAnswer::EmptyName:
        return std::string();
    case DialogAnswer::FileInFolder:
        return (m_folder / names[pick % 3]).string();
    case DialogAnswer::FileInMissingFolder:
        return (m_folder / "missing" / names[pick % 3]).string();
    case DialogAnswer::ReadOnlyFile:
        return (m_folder / readOnlyName).string();
    case DialogAnswer::TheFolderItself:
        return m_folder.string();
    }
    return std::nullopt;
}

std::map<std::string, std::string> ScratchFolder::contents() const {
    std::map<std::string, std::string> entries;
    for (const fs::directory_entry& entry : fs::directory_iterator(m_folder)) {
        std::string& content = entries[entry.path().filename().string()];
        if (entry.is_regular_file()) {
            std::ostringstream bytes;
            bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
            content = bytes.str();
        } else {
            content = "<folder>";
        }
    }
    return entries;
}

const std::vector<std::string>& edgeTexts() {
    // Blanks, signs, points, exponents and prefixes, as Val reads them or stops at them.
    static const char* const forms[] = {
        "",    " ",   "\t", " \n ", "-0",   " 7",   "+7",  "-7",    "7.0",  "7.4",
        "7.5", "6.5", ".5", "-.5",  "1.",   "++1",  "-+1", "1e2",   "1E-2", "1e",
        "1e+", "1d2", "&H", "&H1F", "&hff", "&O17", "&O8", "-&H10", "12 34"};
    // Every width's limit and the ends of the Double range.
    static const char* const limits[] = {
        "32767",      "32768",           "-32768",      "-32769",      "65536",
        "2147483647", "2147483648",      "-2147483648", "-2147483649", "16777216",
        "16777217",   "4294967295",      "&HFFFFFFFF",  "&H7FFFFFFF",  "9007199254740993",
        "1E+15",      "999999999999999", "1e308",       "1e309",       "1e400",
        "-1e400",     "1e-400",          "4.9e-324"};
    // Letters and text beyond ASCII, alone and around digits, and broken UTF-8.
    static const char* const letters[] = {"12ab", "abc",     "e5", "ğüşıöç", "İ",
                                          "€",    "中文",    "é5", "5é",     "\xF0\x9F\x98\x80",
                                          "\xC3", "\xFF\xFE"};
    // What a user of the window types: card groups, primes, exponents.
    static const char* const usual[] = {"1234", "5678", "0512", "0099", "123456", "-1234",
                                        "12.5", "97",   "89",   "61",   "53",     "3",
                                        "2",    "1",    "7",    "17",   "65537",  "2753"};
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> all;
        all.insert(all.end(), std::begin(forms), std::end(forms));
        all.insert(all.end(), std::begin(limits), std::end(limits));
        all.insert(all.end(), std::begin(letters), std::end(letters));
        all.insert(all.end(), std::begin(usual), std::end(usual));
        // Texts no literal spells: a zero byte inside, and very long ones.
        all.push_back(std::string("1\0002", 3));
        all.push_back(std::string(10000, '9'));
        all.push_back(std::string(5000, ' ') + "61");
        all.push_back("1" + std::string(400, '0'));
        all.push_back("0." + std::string(400, '0') + "1");
        return all;
    }();
    return texts;
}

Command commandOf(std::string_view control) {
    for (const ControlSpec& row : controlTable) {
        if (row.name == control) {
            return row.command;
        }
    }
    for (const MenuSpec& row : menuTree) {
        if (row.name == control) {
            return row.command;
        }
    }
    return nullptr;
}

const std::vector<std::string_view>& commandNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> all;
        for (const ControlSpec& row : controlTable) {
            if (row.command != nullptr) {
                all.push_back(row.name);
            }
        }
        for (const MenuSpec& row : menuTree) {
            if (row.command != nullptr) {
                all.push_back(row.name);
            }
        }
        return all;
    }();
    return names;
}

CommandChecker::CommandChecker(WindowVariables& vars, testing::RecordingWindow& window,
                               const ScratchFolder& scratch)
    : m_vars(vars), m_window(window), m_scratch(scratch) {}

std::array<Variant, 4> CommandChecker::currentKey() const {
    return {m_vars.p, m_vars.q, m_vars.eAccepted, m_vars.d};
}

std::string CommandChecker::click(std::string_view control) {
    const Command command = commandOf(control);
    if (command == nullptr) {
        return "no control is wired as " + std::string(control);
    }
    const std::size_t messagesBefore = m_window.messages.size();
    const std::optional<std::string> fileAnswer =
        m_window.fileAnswers.empty() ? std::nullopt : m_window.fileAnswers.front();
    const auto folderBefore =
        control == "mnuItemSave" ? m_scratch.contents() : std::map<std::string, std::string>();
    try {
        const bool completed = runCommand(command, m_vars, m_window);
        // The step window explains whatever state a click leaves, and never
        // fails where the command did not.
        const std::optional<explain::Section> section =
            explain::explainCommand(command, m_vars, completed);
        const auto* first =
            section ? std::get_if<std::string>(&section->groups[0].elements[0]) : nullptr;
        if (completed && first != nullptr && *first == explain::texts::stoppedByError) {
            return "the explanation failed after a command that did not";
        }
    } catch (const std::exception& failure) {
        return "an exception escaped the command runner: " + std::string(failure.what());
    } catch (...) {
        return "an exception escaped the command runner";
    }

    bool refused = false;
    for (std::size_t i = messagesBefore; i < m_window.messages.size(); ++i) {
        const std::string& message = m_window.messages[i].text;
        if (startsWith(message, "Hata ")) {
            ++m_tally.runtimeErrors;
            if (std::find(std::begin(knownRuntimeErrors), std::end(knownRuntimeErrors), message) ==
                std::end(knownRuntimeErrors)) {
                return "unknown run-time failure \"" + message + "\"";
            }
        }
        refused = true;
    }
    m_tally.refusals += refused;
    if (control == "cmdPrime") {
        ++m_tally.primeListings;
        return m_window.boxes[TextBox::txtprime] == primeListing ? "" : "wrong prime listing";
    }
    if (control == "Command1") {
        ++m_tally.randomPairs;
        return checkRandomPair();
    }
    if (control == "cmdHesapla" && !refused) {
        return checkKey();
    }
    if (control == "cmdenc" && !refused) {
        m_blocks.reset();
        if (m_key == currentKey()) {
            std::array<std::int32_t, 8> blocks{};
            for (std::size_t k = 0; k < 8; ++k) {
                blocks[k] = m_vars.m[k].toLongRounded();
                if (std::fabs(double(blocks[k])) >= m_vars.p.toNumber() * m_vars.q.toNumber()) {
                    return "a block of p*q or more was encrypted";
                }
            }
            m_blocks = blocks;
        }
    }
    if (control == "cmddec" && !refused && m_blocks && m_key == currentKey()) {
        ++m_tally.roundTrips;
        for (std::size_t k = 0; k < 8; ++k) {
            if (m_vars.r[k].toNumber() != (*m_blocks)[k]) {
                return "block " + std::to_string(k + 1) + " did not come back";
            }
        }
    }
    if (control == "mnuItemSave") {
        return checkSave(fileAnswer, folderBefore, refused);
    }
    return {};
}

std::string CommandChecker::checkRandomPair() const {
    const Variant& p = m_vars.p;
    const Variant& q = m_vars.q;
    if (p.type() != VariantType::Single || q.type() != VariantType::Single) {
        return "the random pair is not a pair of Singles";
    }
    if (!(p.asSingle() < q.asSingle()) || !isPrimeValue(p.asSingle()) ||
        !isPrimeValue(q.asSingle()) || q.asSingle() > 100 || p.asSingle() * q.asSingle() < 100) {
        return "bad random pair " + Str(p) + Str(q);
    }
    if (m_window.boxes[TextBox::txtP] != Str(p) || m_window.boxes[TextBox::txtQ] != Str(q)) {
        return "the random pair is not what the boxes show";
    }
    return {};
}

// A key the window accepted must be a pair of different primes with an
// exponent whose private counterpart is right.
std::string CommandChecker::checkKey() {
    ++m_tally.keysMade;
    m_key = currentKey();
    m_blocks.reset();
    const double p = m_vars.p.toNumber();
    const double q = m_vars.q.toNumber();
    const auto phi = static_cast<std::uint64_t>((p - 1) * (q - 1));
    const double e = m_vars.eAccepted.toNumber();
    const double d = m_vars.d.toNumber();
    if (!isPrimeValue(p) || !isPrimeValue(q) || p == q || e <= 1 || e != std::floor(e)) {
        return "a key was made of " + Str(m_vars.p) + Str(m_vars.q) + Str(m_vars.eAccepted);
    }
    if (d < 1 || d >= double(phi) ||
        static_cast<std::uint64_t>(d) * (static_cast<std::uint64_t>(e) % phi) % phi != 1 % phi) {
        return "wrong private exponent" + Str(m_vars.d) + " for phi " + std::to_string(phi);
    }
    if (m_window.boxes[TextBox::txtPrivate] != Str(m_vars.d)) {
        return "txtPrivate does not show d";
    }
    return {};
}

std::string CommandChecker::checkSave(const std::optional<std::string>& answer,
                                      const std::map<std::string, std::string>& before,
                                      bool refused) {
    const auto after = m_scratch.contents();
    if (!answer || answer->empty() || refused) {
        ++(refused ? m_tally.savesRefused : m_tally.savesCancelled);
        return after == before ? "" : "a cancelled or failed save changed the folder";
    }
    ++m_tally.savesWritten;
    const std::string name = fs::path(*answer).filename().string();
    const auto written = after.find(name);
    if (written == after.end() || written->second.size() < 2 ||
        written->second.compare(written->second.size() - 2, 2, "\r\n") != 0) {
        return "the save did not write " + name;
    }
    auto others = after;
    others.erase(name);
    auto othersBefore = before;
    othersBefore.erase(name);
    return others == othersBefore ? "" : "the save changed other files";
}

} // namespace rsa::soak
