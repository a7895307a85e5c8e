// The one translation unit that holds stb_image_write's code: JPEG and PNG
// written to memory, never to files.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include "stb_image_write.h"
