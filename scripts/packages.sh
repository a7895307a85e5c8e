# What the project needs from Debian, in one place: sourced by scripts/demo,
# scripts/test and the fresh-machine tier. Each line is a purpose, the Debian
# package, and a command that succeeds when the package is there. A new
# requirement is added here once; the scripts ask for the purposes they need.
#
#   build    build the programs with the default preset (tests and benchmarks
#            included) and paint the sample level: all that scripts/demo needs
#   gui      the GTK dialog and the tests that click it on a virtual display
#   tests    what the end-to-end tests read, write, render and check with
#   windows  the cross build and Wine to run its tests
#   fuzz     clang with libFuzzer
#   browser  the preview pages drawn in a browser, the viewer's helpers
#   fresh    a minimal Debian root for the fresh-machine tier
#
# Usage (after sourcing):
#   missing_packages PURPOSE...   prints the packages missing, one a line
#   install_packages PURPOSE...   installs them with apt-get (root on Debian);
#                                 fails with a message naming them otherwise

marvane_requirements() {
    require build cmake command -v cmake
    require build ninja-build command -v ninja
    require build g++ command -v g++
    require build libgtest-dev test -f /usr/include/gtest/gtest.h
    require build libbenchmark-dev test -f /usr/include/benchmark/benchmark.h
    require build libstb-dev test -f /usr/include/stb/stb_image.h

    require gui pkg-config command -v pkg-config
    require gui libgtk-3-dev pkg-config --exists gtk+-3.0
    require gui xvfb command -v xvfb-run
    require gui xauth command -v xauth
    require gui xdotool command -v xdotool

    require tests googletest test -f /usr/src/googletest/CMakeLists.txt
    require tests imagemagick dpkg -s imagemagick
    require tests python3-pil /usr/bin/python3 -c 'import PIL'
    require tests python3-numpy /usr/bin/python3 -c 'import numpy'
    require tests libgdal-dev command -v gdal-config
    require tests gdal-bin command -v gdal_translate
    require tests groff-base command -v groff
    require tests dpkg-dev command -v dpkg-shlibdeps
    require tests lintian command -v lintian
    require tests locales command -v localedef

    require windows g++-mingw-w64-x86-64-posix command -v x86_64-w64-mingw32-g++-posix
    require windows wine command -v wine
    require windows wine64 dpkg -s wine64

    require fuzz clang command -v clang++
    require fuzz libclang-rt-14-dev dpkg -s libclang-rt-14-dev

    require browser chromium command -v chromium
    require browser nodejs command -v node

    require fresh debootstrap command -v debootstrap
}

missing_packages() {  # missing_packages PURPOSE...
    local wanted=" $* "
    require() {  # require PURPOSE PACKAGE CHECK...
        [[ $wanted == *" $1 "* ]] || return 0
        "${@:3}" >/dev/null 2>&1 || echo "$2"
    }
    marvane_requirements
}

install_packages() {  # install_packages PURPOSE...
    local missing
    mapfile -t missing < <(missing_packages "$@")
    [ ${#missing[@]} -gt 0 ] || return 0
    if [ "$(id -u)" != 0 ] || ! command -v apt-get >/dev/null; then
        echo "missing ${missing[*]}; install them (Debian: apt-get install ${missing[*]})" >&2
        return 1
    fi
    echo "Installing ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null || {
        echo "apt-get could not install ${missing[*]}" >&2
        return 1
    }
}
