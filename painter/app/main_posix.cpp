#include <string>

#include "painter/app/painter_main.h"

int main(int argc, char** argv) {
    // The painter reads its options from one command-line text, as on Windows.
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    return PainterMain(commandLine.c_str());
}
