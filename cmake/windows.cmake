# Cross build for 32-bit Windows: the product, the in-process Win32 tests and
# the end-to-end driver. Everything is linked statically, so Pelmora.exe needs
# no DLL that Windows does not ship.
set(JPEG_PREFIX ${CMAKE_SOURCE_DIR}/.deps/libjpeg-turbo-2.1.5-i686 CACHE PATH "libjpeg-turbo for i686 Windows")
if(NOT EXISTS ${JPEG_PREFIX}/lib/libjpeg.a)
    message(FATAL_ERROR "libjpeg-turbo for Windows is missing: run scripts/deps.sh")
endif()
add_library(jpeg_static STATIC IMPORTED)
set_target_properties(jpeg_static PROPERTIES
    IMPORTED_LOCATION ${JPEG_PREFIX}/lib/libjpeg.a
    INTERFACE_INCLUDE_DIRECTORIES ${JPEG_PREFIX}/include)

enable_language(RC)
add_compile_options(-Wall -Wextra -O2)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)

file(GLOB WINDOWS_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/src/ui/*.cpp
    ${CMAKE_SOURCE_DIR}/src/app/*.cpp
    ${CMAKE_SOURCE_DIR}/src/capture/*.cpp
    ${CMAKE_SOURCE_DIR}/src/output/*.cpp
    ${CMAKE_SOURCE_DIR}/src/viewer/*.cpp)
list(REMOVE_ITEM WINDOWS_SOURCES ${CMAKE_SOURCE_DIR}/src/app/main.cpp)
foreach(f ${PORTABLE_SOURCES})
    list(REMOVE_ITEM WINDOWS_SOURCES ${CMAKE_SOURCE_DIR}/${f})
endforeach()

# Everything but the entry point, so the Win32 tests can link the real windows.
add_library(pelmora_lib STATIC ${PORTABLE_SOURCES} ${WINDOWS_SOURCES})
target_include_directories(pelmora_lib PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(pelmora_lib PUBLIC jpeg_static msimg32 comctl32 comdlg32 shell32 gdi32 user32 ole32 uuid mpr)

# The resources go into the product and into each Win32 test exe (they load
# glyphs and the logo from their own module).
add_library(pelmora_resources OBJECT src/resources/Pelmora.rc)

add_executable(Pelmora WIN32 src/app/main.cpp $<TARGET_OBJECTS:pelmora_resources>)
target_link_libraries(Pelmora PRIVATE pelmora_lib)
target_link_options(Pelmora PRIVATE -mwindows)

if(PELMORA_TESTS)
    set(CMAKE_CROSSCOMPILING_EMULATOR wine)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    add_subdirectory(tests/win)
    add_subdirectory(tests/e2e)
    add_subdirectory(bench)
endif()
