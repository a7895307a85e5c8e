// The one translation unit that holds stb_image's code: PNG only, decoded
// from memory, with its size limit at the importer's.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS 32768
#include "stb_image.h"
