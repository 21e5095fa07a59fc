#include "controls/ControlTable.h"

namespace rsa {

namespace {

// Every text box has exactly one row, so each enum value finds its control.
constexpr bool everyBoxHasOneRow() {
    for (int box = 0; box < textBoxCount; ++box) {
        int rows = 0;
        for (const ControlSpec& control : controlTable) {
            rows += control.box && static_cast<int>(*control.box) == box;
        }
        if (rows != 1) {
            return false;
        }
    }
    return true;
}
static_assert(everyBoxHasOneRow());

} // namespace

const ControlSpec* findControl(std::string_view name) {
    for (const ControlSpec& control : controlTable) {
        if (control.name == name) {
            return &control;
        }
    }
    return nullptr;
}

const ControlSpec& controlOf(TextBox box) {
    for (const ControlSpec& control : controlTable) {
        if (control.box == box) {
            return control;
        }
    }
    // everyBoxHasOneRow() rules this out at compile time.
    return controlTable[0];
}

std::optional<TextBox> textBoxByName(std::string_view name) {
    const ControlSpec* control = findControl(name);
    return control != nullptr ? control->box : std::nullopt;
}

} // namespace rsa
