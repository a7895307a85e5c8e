#include "converter/converter_options.h"

#include <cstring>

const char* const ConverterUsage =
    "usage: nvdxt -file IN.tga -output OUT.dds [-u8888] [-nomipmap]\n"
    "    writes the TGA image as an uncompressed 32-bit DDS without mipmaps\n";

const char* const ConverterHelp =
    "\n"
    "Takes uncompressed 8-, 24- and 32-bit TGA files, either row order; writes the\n"
    "picture upright, blue, green, red and alpha (255 where the input has none),\n"
    "one level. The output is replaced only when the conversion succeeded.\n"
    "\n"
    "  -h, --help, /?  show this text\n"
    "  --version       show the version\n"
    "\n"
    "Exit status: 0 converted, 1 the input could not be read or the output\n"
    "written, 2 wrong options.\n";

bool ParseConverterOptions(int argc, const char* const* argv, ConverterOptions& options,
                           std::string& reason) {
    bool haveInput = false, haveOutput = false;
    for (int i = 1; i < argc; ++i) {
        const char* option = argv[i];
        if (std::strcmp(option, "-u8888") == 0 || std::strcmp(option, "-nomipmap") == 0) continue;

        const bool isInput = std::strcmp(option, "-file") == 0;
        if (!isInput && std::strcmp(option, "-output") != 0) {
            reason = std::string("unknown option ") + option;
            return false;
        }
        bool& seen = isInput ? haveInput : haveOutput;
        if (seen) {
            reason = std::string(option) + " given twice";
            return false;
        }
        if (i + 1 >= argc) {
            reason = std::string(option) + " needs a file name";
            return false;
        }
        seen = true;
        (isInput ? options.input : options.output) = argv[++i];
    }
    if (!haveInput || !haveOutput) {
        reason = !haveInput ? "-file is missing" : "-output is missing";
        return false;
    }
    return true;
}
