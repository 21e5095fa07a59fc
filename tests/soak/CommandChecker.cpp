#include "CommandChecker.h"

#include "texts/Texts.h"
#include "value/Conversions.h"
#include "value/RuntimeError.h"
#include "window/Wiring.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numeric>
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

bool isWhole(double value) {
    return std::isfinite(value) && value == std::floor(value);
}

// Trial division: slow, but plainly right.
bool isPrimeValue(double value) {
    if (!isWhole(value) || value < 2 || value > 4294967295.0) {
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

// Ties to the even neighbour, written out rather than left to the rounding mode.
double roundHalfEven(double value) {
    double rounded = std::floor(value + 0.5);
    if (rounded - value == 0.5 && std::fmod(rounded, 2.0) != 0) {
        rounded -= 1;
    }
    return rounded;
}

bool fitsLong(double value) {
    return value >= -2147483648.0 && value <= 2147483647.0;
}

// How a whole number reads in a list: " 12" or "-12".
std::string numberText(std::int64_t value) {
    return (value < 0 ? "-" : " ") + std::to_string(value < 0 ? -value : value);
}

std::string rowText(const std::array<Variant, 8>& row) {
    std::string text;
    for (const Variant& value : row) {
        text += numberText(static_cast<std::int64_t>(value.toNumber()));
    }
    return text;
}

std::string expectedListing() {
    std::string text;
    for (int n = 2; n <= 100; ++n) {
        if (isPrimeValue(n)) {
            text += n <= 7 ? (text.empty() ? "" : ",") + std::to_string(n) : "," + numberText(n);
        }
    }
    return text;
}

std::string describeShown(const std::vector<std::string>& shown) {
    std::string text = "[";
    for (const std::string& message : shown) {
        text += (text.size() > 1 ? " | " : "") + message;
    }
    return text + "]";
}

bool contains(const std::vector<std::string>& shown, const char* message) {
    return std::find(shown.begin(), shown.end(), message) != shown.end();
}

// The first message that is neither a known run-time failure nor allowed.
std::string unexpectedMessage(const std::vector<std::string>& shown,
                              std::initializer_list<const char*> allowed) {
    for (const std::string& message : shown) {
        if (!startsWith(message, "Hata ") &&
            std::find(allowed.begin(), allowed.end(), message) == allowed.end()) {
            return "unexpected message \"" + message + "\"";
        }
    }
    return {};
}

bool isButton(std::string_view control) {
    return control != "mnuItemSave" && control != "mnuExitItem" && control != "mnuRsaItem";
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

CommandChecker::CommandChecker(WindowVariables& vars, testing::RecordingWindow& window,
                               const ScratchFolder& scratch)
    : m_vars(vars), m_window(window), m_scratch(scratch) {}

std::string CommandChecker::click(std::string_view control) {
    const auto wire = std::find_if(std::begin(wiring), std::end(wiring),
                                   [&](const Wire& w) { return w.control == control; });
    if (wire == std::end(wiring)) {
        return "no control is wired as " + std::string(control);
    }
    const std::size_t messagesBefore = m_window.messages.size();
    const int writesBefore = m_window.writes;
    const Key keyBefore{m_vars.p, m_vars.q, m_vars.eAccepted, m_vars.d};
    const TextBox output = control == "Command2" ? TextBox::txtcarpan
                           : control == "cmdenc" ? TextBox::txtdecmsj
                                                 : TextBox::decrypttxt;
    const std::string outputBefore = m_window.boxes[output];
    const std::array<std::string, 4> groups = {
        m_window.boxes[TextBox::txt1], m_window.boxes[TextBox::txt2], m_window.boxes[TextBox::txt3],
        m_window.boxes[TextBox::txt4]};
    const std::optional<std::string> fileAnswer =
        m_window.fileAnswers.empty() ? std::nullopt : m_window.fileAnswers.front();
    const std::optional<std::string> browserFailure =
        m_window.browserAnswers.empty() ? std::nullopt : m_window.browserAnswers.front();
    const std::string explorerBefore = m_vars.Explorer;
    const std::size_t pagesBefore = m_window.openedPages.size();
    std::map<std::string, std::string> folderBefore;
    if (control == "mnuItemSave") {
        folderBefore = m_scratch.contents();
    }

    try {
        runCommand(wire->command, m_vars, m_window);
    } catch (const std::exception& failure) {
        return "an exception escaped the command runner: " + std::string(failure.what());
    } catch (...) {
        return "an exception escaped the command runner";
    }

    std::vector<std::string> shown;
    for (std::size_t i = messagesBefore; i < m_window.messages.size(); ++i) {
        shown.push_back(m_window.messages[i].text);
    }
    for (const std::string& message : shown) {
        if (startsWith(message, "Hata ")) {
            ++m_tally.runtimeErrors;
            if (std::find(std::begin(knownRuntimeErrors), std::end(knownRuntimeErrors), message) ==
                std::end(knownRuntimeErrors)) {
                return "unknown run-time failure \"" + message + "\"";
            }
        }
    }
    if (isButton(control) && !shown.empty() && m_window.writes != writesBefore) {
        return std::string(control) + " showed " + describeShown(shown) + " and still wrote a box";
    }
    if (control == "cmdPrime") {
        return shown.empty() ? checkListing() : "the prime listing showed " + describeShown(shown);
    }
    if (control == "Command1") {
        return shown.empty() ? checkRandomPair() : "the random pair showed " + describeShown(shown);
    }
    if (control == "Command2") {
        const std::string unexpected = unexpectedMessage(shown, {});
        return !unexpected.empty() ? unexpected
               : shown.empty()     ? checkDivisors(outputBefore)
                                   : std::string();
    }
    if (control == "cmdHesapla") {
        return checkKey(shown, keyBefore);
    }
    if (control == "cmdenc") {
        if (keyBefore.e.isEmpty()) {
            return shown == std::vector<std::string>{texts::computeKeyFirst}
                       ? std::string()
                       : "an encryption without a key showed " + describeShown(shown);
        }
        return checkEncryption(shown, groups, outputBefore);
    }
    if (control == "cmddec") {
        return checkDecryption(shown, outputBefore);
    }
    if (control == "mnuItemSave") {
        return checkSave(fileAnswer, folderBefore, shown);
    }
    if (control == "mnuRsaItem") {
        return checkAbout(shown, browserFailure, explorerBefore, pagesBefore);
    }
    if (!m_window.ended || !shown.empty() || m_window.writes != writesBefore) {
        return "exit did not simply end the program";
    }
    m_window.ended = false; // the fake window lives on, so that later clicks can be checked
    return {};
}

std::string CommandChecker::checkListing() {
    static const std::string expected = expectedListing();
    const std::string& listed = m_window.boxes[TextBox::txtprime];
    ++m_tally.primeListings;
    return listed == expected ? std::string() : "the prime listing reads \"" + listed + "\"";
}

std::string CommandChecker::checkRandomPair() {
    ++m_tally.randomPairs;
    const double p = m_vars.p.toNumber();
    const double q = m_vars.q.toNumber();
    const std::string pair = "random pair " + describe(m_vars.p) + ", " + describe(m_vars.q);
    if (m_vars.p.type() != VariantType::Single || m_vars.q.type() != VariantType::Single) {
        return pair + " is not held as Singles";
    }
    if (!(p < q) || !isPrimeValue(p) || !isPrimeValue(q) || q > 100 || p * q < 100) {
        return pair + " is not two primes up to 100, the smaller first, with a product of 100 "
                      "or more";
    }
    if (m_window.boxes[TextBox::txtP] != numberText(static_cast<std::int64_t>(p)) ||
        m_window.boxes[TextBox::txtQ] != numberText(static_cast<std::int64_t>(q))) {
        return pair + " is shown as \"" + m_window.boxes[TextBox::txtP] + "\", \"" +
               m_window.boxes[TextBox::txtQ] + "\"";
    }
    return {};
}

std::string CommandChecker::checkDivisors(const std::string& before) {
    const std::string& after = m_window.boxes[TextBox::txtcarpan];
    if (!startsWith(after, before)) {
        return "the divisor listing did not keep the box's earlier text";
    }
    const double p = m_vars.p.toNumber();
    const double q = m_vars.q.toNumber();
    const double m = (p - 1) * (q - 1);
    if (!isWhole(m) || m > 1e6) {
        return {};
    }
    // Every positive divisor in ascending order; 1 alone when m is 1 or less.
    std::string expected = " 1";
    std::vector<std::int64_t> upper;
    const auto whole = static_cast<std::int64_t>(m);
    for (std::int64_t divisor = 2; divisor * divisor <= whole; ++divisor) {
        if (whole % divisor == 0) {
            expected += numberText(divisor);
            if (divisor * divisor != whole) {
                upper.push_back(whole / divisor);
            }
        }
    }
    for (auto it = upper.rbegin(); it != upper.rend(); ++it) {
        expected += numberText(*it);
    }
    if (whole > 1) {
        expected += numberText(whole);
    }
    const std::string appended = after.substr(before.size());
    return appended == expected ? std::string()
                                : "divisors of " + std::to_string(whole) + " listed as \"" +
                                      appended + "\", not \"" + expected + "\"";
}

std::string CommandChecker::checkKey(const std::vector<std::string>& shown, const Key& before) {
    const std::string unexpected = unexpectedMessage(
        shown, {texts::pNotPrime, texts::qNotPrime, texts::primesMustDiffer, texts::badExponent});
    if (!unexpected.empty()) {
        return unexpected;
    }
    const double p = m_vars.p.toNumber();
    const double q = m_vars.q.toNumber();
    const std::string input = "key for p = " + describe(m_vars.p) + ", q = " + describe(m_vars.q) +
                              ", e = " + describe(m_vars.e) + ": ";
    if (!shown.empty()) {
        ++m_tally.refusals;
        if (m_vars.eAccepted != before.e || m_vars.d != before.d) {
            return input + "a refused or failed key computation changed the key";
        }
    }
    const bool failed = std::any_of(shown.begin(), shown.end(), [](const std::string& text) {
        return startsWith(text, "Hata ");
    });
    if (failed) {
        return {};
    }
    const bool pRefused = contains(shown, texts::pNotPrime);
    const bool qRefused = contains(shown, texts::qNotPrime);
    if (pRefused == isPrimeValue(p) || qRefused == isPrimeValue(q)) {
        return input + "the primality messages were " + describeShown(shown);
    }
    if (pRefused || qRefused) {
        return shown.size() == std::size_t(pRefused + qRefused) ? std::string()
                                                                : input + describeShown(shown);
    }
    if (contains(shown, texts::primesMustDiffer) != (p == q)) {
        return input + "equal primes not refused, or different ones refused";
    }
    if (p == q) {
        return shown.size() == 1 ? std::string() : input + describeShown(shown);
    }
    const double e = m_vars.e.toNumber();
    const double phi = (p - 1) * (q - 1);
    const bool usable = isWhole(e) && e > 1 &&
                        std::gcd(static_cast<std::uint64_t>(std::fmod(e, phi)),
                                 static_cast<std::uint64_t>(phi)) == 1;
    if (!usable) {
        return shown == std::vector<std::string>{texts::badExponent}
                   ? std::string()
                   : input + "an unusable exponent was not refused: " + describeShown(shown);
    }
    if (!shown.empty()) {
        return input + "a usable exponent was refused: " + describeShown(shown);
    }
    const double d = m_vars.d.toNumber();
    const auto eModPhi = static_cast<std::uint64_t>(std::fmod(e, phi));
    if (!isWhole(d) || d < 1 || d >= phi ||
        static_cast<std::uint64_t>(d) * eModPhi % static_cast<std::uint64_t>(phi) != 1) {
        return input + "d = " + describe(m_vars.d) + " is no inverse of e";
    }
    if (m_vars.eAccepted != m_vars.e ||
        m_window.boxes[TextBox::txtPrivate] != numberText(static_cast<std::int64_t>(d))) {
        return input + "the accepted key is not the one shown";
    }
    ++m_tally.keysMade;
    m_key = Key{m_vars.p, m_vars.q, m_vars.eAccepted, m_vars.d};
    return {};
}

std::string CommandChecker::checkEncryption(const std::vector<std::string>& shown,
                                            const std::array<std::string, 4>& groups,
                                            const std::string& before) {
    const std::string unexpected = unexpectedMessage(shown, {texts::blockNotBelowModulus});
    if (!unexpected.empty()) {
        return unexpected;
    }
    // The blocks as the card's groups give them: the last two digits and the
    // digits before them, of the group rounded to a whole number.
    std::array<std::int64_t, 8> blocks{};
    bool overflow = false;
    for (std::size_t g = 0; g < 4 && !overflow; ++g) {
        double x = 0;
        try {
            x = Val(groups[g]).toNumber();
        } catch (const RuntimeError&) {
            overflow = true;
            break;
        }
        overflow = !fitsLong(roundHalfEven(x));
        if (!overflow) {
            const auto low = static_cast<std::int64_t>(roundHalfEven(x)) % 100;
            blocks[2 * g] = static_cast<std::int64_t>(roundHalfEven((x - double(low)) / 100));
            blocks[2 * g + 1] = low;
        }
    }
    const double n = roundHalfEven(m_vars.p.toNumber() * m_vars.q.toNumber());
    const std::string input = "encryption of \"" + groups[0] + "\" \"" + groups[1] + "\" \"" +
                              groups[2] + "\" \"" + groups[3] + "\" with n = " + std::to_string(n) +
                              ": ";
    if (overflow || !fitsLong(n)) {
        return shown == std::vector<std::string>{knownRuntimeErrors[0]}
                   ? std::string()
                   : input + "expected Overflow, shown " + describeShown(shown);
    }
    const bool below = std::all_of(blocks.begin(), blocks.end(),
                                   [n](std::int64_t block) { return std::abs(block) < n; });
    if (!below) {
        ++m_tally.refusals;
        return shown == std::vector<std::string>{texts::blockNotBelowModulus}
                   ? std::string()
                   : input + "a block of n or more was not refused: " + describeShown(shown);
    }
    if (!shown.empty()) {
        return input + "blocks below n were refused: " + describeShown(shown);
    }
    const std::string& after = m_window.boxes[TextBox::txtdecmsj];
    if (!startsWith(after, before) || after.substr(before.size()) != rowText(m_vars.c)) {
        return input + "the cipher row was not appended as the blocks read";
    }
    for (const Variant& c : m_vars.c) {
        if (std::abs(c.toNumber()) >= n) {
            return input + "cipher block " + describe(c) + " is not below n";
        }
    }
    ++m_tally.encryptions;
    if (m_key && m_key->p == m_vars.p && m_key->q == m_vars.q && m_key->e == m_vars.eAccepted) {
        m_encrypted = Encryption{*m_key, blocks};
    } else {
        m_encrypted.reset();
    }
    return {};
}

std::string CommandChecker::checkDecryption(const std::vector<std::string>& shown,
                                            const std::string& before) {
    const std::string unexpected = unexpectedMessage(shown, {texts::encryptFirst});
    if (!unexpected.empty()) {
        return unexpected;
    }
    const bool neverEncrypted =
        std::all_of(m_vars.c.begin(), m_vars.c.end(), [](const Variant& c) { return c.isEmpty(); });
    if (neverEncrypted != contains(shown, texts::encryptFirst)) {
        return "decryption before an encryption was not refused, or after one was";
    }
    const std::string& after = m_window.boxes[TextBox::decrypttxt];
    const bool sameKey = m_encrypted && m_encrypted->key.p == m_vars.p &&
                         m_encrypted->key.q == m_vars.q && m_encrypted->key.d == m_vars.d;
    if (!sameKey) {
        return shown.empty() && after != before + rowText(m_vars.r)
                   ? "the decrypted row was not appended as the blocks read"
                   : std::string();
    }
    std::string expected;
    for (std::int64_t block : m_encrypted->blocks) {
        expected += numberText(block);
    }
    if (!shown.empty() || after != before + expected) {
        return "decryption with the key of the encryption (p = " + describe(m_vars.p) +
               ", q = " + describe(m_vars.q) + ", d = " + describe(m_vars.d) + ") gave " +
               describeShown(shown) + " \"" + after.substr(std::min(before.size(), after.size())) +
               "\", not the blocks \"" + expected + "\"";
    }
    for (std::size_t k = 0; k < 8; ++k) {
        if (m_vars.r[k] != Variant::longInt(static_cast<std::int32_t>(m_encrypted->blocks[k]))) {
            return "decrypted block r" + std::to_string(k + 1) + " is " + describe(m_vars.r[k]);
        }
    }
    ++m_tally.roundTrips;
    return {};
}

std::string CommandChecker::checkSave(const std::optional<std::string>& answer,
                                      const std::map<std::string, std::string>& before,
                                      const std::vector<std::string>& shown) {
    const std::map<std::string, std::string> after = m_scratch.contents();
    if (!answer || answer->empty()) {
        ++m_tally.savesCancelled;
        return shown.empty() && after == before ? std::string()
                                                : "a cancelled save wrote or said something";
    }
    const fs::path target(*answer);
    const std::string name = target.filename().string();
    const auto existing = before.find(name);
    const bool writable = target.parent_path() == m_scratch.folder() && !name.empty() &&
                          name != readOnlyName &&
                          (existing == before.end() || existing->second != "<folder>");
    if (!writable) {
        ++m_tally.savesRefused;
        if (shown.size() != 1 || !startsWith(shown[0], texts::saveFailedPrefix) ||
            shown[0].size() == std::string(texts::saveFailedPrefix).size()) {
            return "a save to " + *answer + " that cannot succeed showed " + describeShown(shown);
        }
        return after == before ? std::string()
                               : "a failed save to " + *answer + " changed the folder";
    }
    ++m_tally.savesWritten;
    if (!shown.empty()) {
        return "a save to " + *answer + " failed: " + describeShown(shown);
    }
    const std::string& text = m_window.boxes[TextBox::txtdecmsj];
    std::map<std::string, std::string> expected = before;
    const auto saved = after.find(name);
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
        std::string bytes;
        for (char c : text) {
            bytes += c == '\n' ? std::string("\r\n") : std::string(1, c);
        }
        expected[name] = bytes + "\r\n";
    } else if (saved == after.end() || saved->second.size() < 2 ||
               saved->second.compare(saved->second.size() - 2, 2, "\r\n") != 0) {
        return "the save to " + *answer + " did not write a line";
    } else {
        expected[name] = saved->second; // the code page has tests of its own
    }
    return after == expected ? std::string()
                             : "the save to " + *answer + " left the folder other than expected";
}

std::string CommandChecker::checkAbout(const std::vector<std::string>& shown,
                                       const std::optional<std::string>& failure,
                                       const std::string& explorerBefore, std::size_t pagesBefore) {
    if (failure) {
        const bool reported = shown.size() == 1 && shown[0] == texts::aboutFailed &&
                              m_window.messages.back().title == failure;
        return reported && m_vars.Explorer == explorerBefore &&
                       m_window.openedPages.size() == pagesBefore
                   ? std::string()
                   : "a browser failure was not reported with its description";
    }
    return shown.empty() && m_window.openedPages.size() == pagesBefore + 1 &&
                   m_window.openedPages.back() == texts::aboutAddress &&
                   m_vars.Explorer == texts::aboutAddress
               ? std::string()
               : "the RSA page was not opened and remembered";
}

} // namespace rsa::soak
