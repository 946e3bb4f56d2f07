// Look-up in window descriptions.
#include "app/window_description.h"

namespace velquist {

const ControlDescription* findControl(const WindowDescription& window, std::string_view name) {
    for (const ControlDescription& control : window.controls) {
        if (control.name == name) {
            return &control;
        }
    }
    return nullptr;
}

}  // namespace velquist
