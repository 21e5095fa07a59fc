// The real-size window's steps: "bigkey", "bigtext", "factor", "race",
// "bigattack" and "batchgcd". The
// window opens with the main window under --gercek-boyut, or at its first step,
// from its module as the program's option would open it. Each step waits until the window's
// background work has finished, then prints what the window holds.

#include "ScriptRunner.h"

#include "realsize/Extrapolation.h"
#include "realsize/Factoring.h"
#include "realsizewindow/BigAttackPanel.h"
#include "realsizewindow/KeyPanel.h"
#include "realsizewindow/RacePanel.h"
#include "realsizewindow/RealSizeWindow.h"
#include "realsizewindow/TextPanel.h"

#include <QSignalSpy>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <variant>

namespace rsa::script {

namespace {

using realsize::decimal;

// Generous: a 4096-bit key or a race to its limit on a loaded machine.
constexpr int longestWaitMilliseconds = 30 * 60 * 1000;

int bitsArgument(const std::string& verb, const std::string& rest) {
    std::istringstream in(rest);
    int bits = 0;
    std::string more;
    if (!(in >> bits) || in >> more) {
        throw StepError{verb + " takes a number of bits"};
    }
    return bits;
}

// Starts the work and waits for the part's finished(), which may come at once.
template <typename Part, typename Start> void runToEnd(Part& part, Start start) {
    QSignalSpy finished(&part, &Part::finished);
    start();
    if (finished.count() == 0 && !finished.wait(longestWaitMilliseconds)) {
        throw StepError{"the real-size window did not finish"};
    }
}

// Two significant digits, written out in full: 6.3e14 as 630000000000000.
std::string roundedYears(double years) {
    const int digits = static_cast<int>(std::floor(std::log10(years)));
    const double unit = std::pow(10.0, digits - 1);
    std::ostringstream out;
    out.precision(0);
    out << std::fixed << std::round(years / unit) * unit;
    return out.str();
}

class RealSizeSteps {
public:
    explicit RealSizeSteps(ScriptRunner& runner) : m_runner(runner) {}

    void bigkey(const std::string& rest) {
        const int bits = bitsArgument("bigkey", rest);
        const std::vector<int>& offered = realsize::offeredKeySizes();
        if (std::find(offered.begin(), offered.end(), bits) == offered.end()) {
            throw StepError{"bigkey: " + std::to_string(bits) + " is not a size the window offers"};
        }
        KeyPanel& keys = window().keys();
        runToEnd(keys, [&] { keys.generate(bits); });
        const realsize::BigKey& key = *keys.key();
        m_runner.out() << "bigkey: bits=" << key.bits << " p=" << decimal(key.p)
                       << " q=" << decimal(key.q) << " n=" << decimal(key.n)
                       << " e=" << decimal(key.e) << " d=" << decimal(key.d) << '\n';
    }

    void bigtext(const std::string& rest) {
        TextPanel& text = window().text();
        runToEnd(text, [&] { text.encrypt(QString::fromStdString(rest)); });
        if (!text.contrast()) {
            m_runner.out() << "bigtext refused: " << text.status().toStdString() << '\n';
            return;
        }
        const realsize::TextContrast& contrast = *text.contrast();
        const auto answer = [](bool same) { return same ? "yes" : "no"; };
        m_runner.out() << "bigtext: textbook-same=" << answer(contrast.textbookSame())
                       << " oaep-same=" << answer(contrast.oaepSame())
                       << " back=" << contrast.back[0] << '|' << contrast.back[1] << '|'
                       << contrast.back[2] << '|' << contrast.back[3] << '\n';
    }

    void factor(const std::string& rest) {
        const int bits = bitsArgument("factor", rest);
        if (bits < 16 || bits > 512) {
            throw StepError{"factor: a balanced n has 16 to 512 bits"};
        }
        window();
        realsize::RandomSource random;
        const mpz_class n = realsize::balancedNumber(bits, random).n;
        const std::atomic<bool> goOn{false};
        const realsize::Factoring found = realsize::factorSemiprime(n, goOn, std::chrono::hours(1));
        m_runner.out() << "factor: bits=" << bits << " n=" << decimal(n)
                       << " p=" << decimal(found.p) << " q=" << decimal(found.q) << '\n';
    }

    void race(const std::string& rest) {
        const int upto = bitsArgument("race", rest);
        RacePanel& race = window().race();
        runToEnd(race, [&] { race.start(upto); });
        for (const realsize::RacePoint& point : race.points()) {
            m_runner.out() << "race: bits=" << point.bits << " n=" << decimal(point.number.n)
                           << " p=" << decimal(point.number.p) << " q=" << decimal(point.number.q)
                           << '\n';
        }
        m_runner.out() << "race: extrapolated 2048 bits="
                       << roundedYears(realsize::extrapolatedCoreYears(2048)) << " years\n";
    }

    // bigattack wiener|fermat BITS: a key made badly at that size and broken
    // as the attacks part's button does.
    void bigattack(const std::string& rest) {
        std::istringstream in(rest);
        std::string name;
        in >> name;
        std::string bits;
        std::getline(in, bits);
        const int size = bitsArgument("bigattack", bits);
        const std::vector<int>& offered = realsize::offeredKeySizes();
        if ((name != "wiener" && name != "fermat") ||
            std::find(offered.begin(), offered.end(), size) == offered.end()) {
            throw StepError{"bigattack takes wiener or fermat and a size the window offers"};
        }
        BigAttackPanel& attacks = window().attacks();
        runToEnd(attacks, [&] {
            if (name == "wiener") {
                attacks.runWiener(size);
            } else {
                attacks.runFermat(size);
            }
        });
        const auto found = [](realsize::AttackEnd end) {
            return end == realsize::AttackEnd::Found ? "yes" : "no";
        };
        std::ostream& out = m_runner.out();
        if (attacks.wiener()) {
            out << "bigattack wiener: bits=" << size << " found=" << found(attacks.wiener()->end)
                << '\n';
        } else if (attacks.fermat()) {
            out << "bigattack fermat: bits=" << size << " found=" << found(attacks.fermat()->end)
                << " steps=" << attacks.fermat()->steps << '\n';
        } else {
            throw StepError{"bigattack: " + attacks.status().toStdString()};
        }
    }

    // batchgcd N BITS SHARED: as "Ortak asalları ara"; the keys found are
    // numbered from 1, as the window lists them.
    void batchgcd(const std::string& rest) {
        std::istringstream in(rest);
        int count = 0, bits = 0, shared = 0;
        std::string more;
        if (!(in >> count >> bits >> shared) || in >> more || count < 1 || count > 100000 ||
            shared < 0 || 2 * shared > count || bits < realsize::smallestKeyBits ||
            bits > realsize::largestKeyBits || bits % 2 != 0) {
            throw StepError{"batchgcd takes N (1 to 100000), an even BITS (64 to 4096) and "
                            "SHARED pairs (at most N / 2)"};
        }
        BigAttackPanel& attacks = window().attacks();
        runToEnd(attacks, [&] { attacks.runSurvey(count, bits, shared); });
        if (!attacks.sharing()) {
            throw StepError{"batchgcd: " + attacks.status().toStdString()};
        }
        std::ostream& out = m_runner.out();
        out << "batchgcd: found=" << attacks.sharing()->size() << " keys=";
        const char* separator = "";
        for (const std::size_t key : *attacks.sharing()) {
            out << separator << key + 1;
            separator = ",";
        }
        out << '\n';
    }

private:
    // The window the program's module made. The driver links the same
    // window code (the module hides its own copy), so it reaches the parts
    // through its own declarations of them.
    RealSizeWindow& window() {
        const std::variant<QWidget*, QString> loaded = m_runner.beside().realSize();
        if (const QString* reason = std::get_if<QString>(&loaded)) {
            throw StepError{"the real-size window could not be loaded: " + reason->toStdString()};
        }
        QWidget* window = std::get<QWidget*>(loaded);
        if (window->objectName() != QLatin1String("RealSizeWindow")) {
            throw StepError{"the module made no real-size window"};
        }
        return *static_cast<RealSizeWindow*>(window);
    }

    ScriptRunner& m_runner;
};

} // namespace

void addRealSizeSteps(ScriptRunner& runner) {
    auto steps = std::make_shared<RealSizeSteps>(runner);
    runner.addStep("bigkey", {[steps](const std::string& rest) { steps->bigkey(rest); }});
    runner.addStep("bigtext", {[steps](const std::string& rest) { steps->bigtext(rest); }});
    runner.addStep("factor", {[steps](const std::string& rest) { steps->factor(rest); }});
    runner.addStep("race", {[steps](const std::string& rest) { steps->race(rest); }});
    runner.addStep("bigattack", {[steps](const std::string& rest) { steps->bigattack(rest); }});
    runner.addStep("batchgcd", {[steps](const std::string& rest) { steps->batchgcd(rest); }});
}

} // namespace rsa::script
