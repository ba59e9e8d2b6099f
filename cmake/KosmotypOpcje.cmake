# Compiler settings shared by every target of ours.
if(KOSMOTYP_SANITYZERY)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Warnings as errors on our own code only (not on generated moc/rcc sources).
function(kosmotyp_opcje cel)
  target_compile_options(${cel} PRIVATE -Wall -Wextra -Werror)
endfunction()

# One GoogleTest executable per unit; discovered at build time, so Qt tests
# must force the offscreen platform in their own main().
function(kosmotyp_test nazwa)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${nazwa} ${T_SOURCES})
  kosmotyp_opcje(${nazwa})
  target_link_libraries(${nazwa} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  gtest_discover_tests(${nazwa} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
