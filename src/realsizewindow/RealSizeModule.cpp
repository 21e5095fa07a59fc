#include "realsizewindow/RealSizeModule.h"

#include "realsizewindow/RealSizeWindow.h"

extern "C" __attribute__((visibility("default"))) QWidget*
rsaOpenRealSizeWindow(const rsa::explain::SectionSink* sink) {
    auto* window = new rsa::RealSizeWindow;
    if (sink != nullptr) {
        window->setSectionSink(*sink);
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}
