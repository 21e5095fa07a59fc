#include "StartupProbe.h"
#include "window/Form1.h"

#include <memory>

int main(int argc, char** argv) {
    return runStartupProbe(argc, argv, [] { return std::make_unique<rsa::Form1>(); });
}
