# Cross-building plotwarden.exe for 64-bit Windows with Debian's mingw-w64
# (package g++-mingw-w64-x86-64):
#   cmake -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DPLOTWARDEN_TESTS=OFF
# The runtime libraries are linked in, so the .exe runs on its own. The
# compilers with the POSIX thread model provide std::thread, which the
# section writers use.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PLOTWARDEN_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PLOTWARDEN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PLOTWARDEN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${PLOTWARDEN_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PLOTWARDEN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# nlohmann-json is header only, and Debian's package serves every compiler:
# its headers and CMake files are offered through a folder of links of their
# own, so that /usr/include itself never reaches the Windows compiler.
set(PLOTWARDEN_JSON_PREFIX ${CMAKE_BINARY_DIR}/nlohmann-json-links)
file(MAKE_DIRECTORY ${PLOTWARDEN_JSON_PREFIX}/include ${PLOTWARDEN_JSON_PREFIX}/share/cmake)
file(CREATE_LINK /usr/include/nlohmann ${PLOTWARDEN_JSON_PREFIX}/include/nlohmann
  RESULT PLOTWARDEN_JSON_LINKED SYMBOLIC)
file(CREATE_LINK /usr/share/cmake/nlohmann_json ${PLOTWARDEN_JSON_PREFIX}/share/cmake/nlohmann_json
  RESULT PLOTWARDEN_JSON_LINKED SYMBOLIC)
list(APPEND CMAKE_FIND_ROOT_PATH ${PLOTWARDEN_JSON_PREFIX})
