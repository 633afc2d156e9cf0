# Native Linux build: the portable files and their unit tests, under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_compile_options(-Wall -Wextra -g ${SANITIZE})
add_link_options(${SANITIZE})

find_package(JPEG REQUIRED)
add_library(pelmora_portable STATIC ${PORTABLE_SOURCES})
target_include_directories(pelmora_portable PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(pelmora_portable PUBLIC JPEG::JPEG)

find_package(GTest REQUIRED)
add_subdirectory(tests/host)
