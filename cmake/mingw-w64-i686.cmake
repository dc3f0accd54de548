# Cross-compiles for 32-bit Windows with Debian's mingw-w64, the device's word size. Only the
# product is built this way (./qm build32); the tests run on the 64-bit build.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(triple i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
