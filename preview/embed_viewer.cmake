# cmake -DINPUT=<bundle.js> -DOUTPUT=<viewer_bundle.cpp> -P embed_viewer.cmake
# The viewer's bundle as a byte array in the program, so that the program
# writes a whole page wherever it runs and building needs no network.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)"
       "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.new"
     "// Made by embed_viewer.cmake from the viewer's bundle; not edited by hand.\n"
     "#include \"preview/viewer_bundle.h\"\n\n"
     "namespace {\nconst unsigned char kBundle[] = {\n${bytes}0};\n}  // namespace\n\n"
     "std::string_view ViewerBundle() { return std::string_view(reinterpret_cast<const char*>(kBundle), ${size}); }\n")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
