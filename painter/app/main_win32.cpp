#include <windows.h>

#include "painter/app/painter_main.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    return PainterMain(commandLine);
}
