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

Status ParseConverterOptions(int argc, const char* const* argv, ConverterOptions& options) {
    bool haveInput = false, haveOutput = false;
    for (int i = 1; i < argc; ++i) {
        const char* option = argv[i];
        if (std::strcmp(option, "-u8888") == 0 || std::strcmp(option, "-nomipmap") == 0) continue;

        const bool isInput = std::strcmp(option, "-file") == 0;
        if (!isInput && std::strcmp(option, "-output") != 0) {
            return Status::Failure(std::string("unknown option ") + option);
        }
        bool& seen = isInput ? haveInput : haveOutput;
        if (seen) {
            return Status::Failure(std::string(option) + " given twice");
        }
        if (i + 1 >= argc) {
            return Status::Failure(std::string(option) + " needs a file name");
        }
        seen = true;
        (isInput ? options.input : options.output) = argv[++i];
    }
    if (!haveInput || !haveOutput) {
        return Status::Failure(!haveInput ? "-file is missing" : "-output is missing");
    }
    return Status();
}
