#include "realsizewindow/RealSizeModule.h"

#include "realsizewindow/RealSizeWindow.h"

extern "C" __attribute__((visibility("default"))) void rsaOpenRealSizeWindow() {
    auto* window = new rsa::RealSizeWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}
