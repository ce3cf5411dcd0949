# Helpers that every folder uses to declare its libraries and tests.
#
# Unit and widget code is built twice: once plain, and once with
# AddressSanitizer and UndefinedBehaviorSanitizer (targets named *_san).
# Both variants run under ctest; any sanitizer report fails its test.

set(CHATMOCK_SAN_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=all)
set(CHATMOCK_SAN_ENV
    "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=1"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
    "QT_QPA_PLATFORM=offscreen")

# chatmock_variant_libs(OUT VARIANT LIBS...): the project's own libraries in
# the given variant ("" or "_san"), other libraries as they are.
function(chatmock_variant_libs out variant)
  set(libs)
  foreach(lib ${ARGN})
    if(lib MATCHES "^chatmock_")
      list(APPEND libs ${lib}${variant})
    else()
      list(APPEND libs ${lib})
    endif()
  endforeach()
  set(${out} ${libs} PARENT_SCOPE)
endfunction()

# chatmock_library(NAME SOURCES ... [LIBS ...] [INCLUDES ...])
# Declares NAME and NAME_san. LIBS naming chatmock_* libraries are linked
# to the matching variant.
function(chatmock_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;INCLUDES" ${ARGN})
  foreach(variant "" "_san")
    set(target ${name}${variant})
    add_library(${target} STATIC ${ARG_SOURCES})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR} ${ARG_INCLUDES})
    chatmock_variant_libs(libs "${variant}" ${ARG_LIBS})
    target_link_libraries(${target} PUBLIC ${libs})
    if(variant STREQUAL "_san")
      target_compile_options(${target} PUBLIC ${CHATMOCK_SAN_FLAGS})
      target_link_options(${target} PUBLIC ${CHATMOCK_SAN_FLAGS})
      set_target_properties(${target} PROPERTIES EXCLUDE_FROM_ALL ON)
    endif()
  endforeach()
endfunction()

# chatmock_test(NAME SOURCES ... [LIBS ...] [WIDGET])
# Declares the test executables NAME and NAME_san and registers both with
# ctest. WIDGET tests run on Qt's offscreen platform.
function(chatmock_test name)
  cmake_parse_arguments(ARG "WIDGET" "" "SOURCES;LIBS" ${ARGN})
  foreach(variant "" "_san")
    set(target ${name}${variant})
    add_executable(${target} ${ARG_SOURCES})
    chatmock_variant_libs(libs "${variant}" ${ARG_LIBS})
    target_link_libraries(${target} PRIVATE ${libs} GTest::gtest GTest::gmock)
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
    if(variant STREQUAL "_san")
      target_compile_options(${target} PRIVATE ${CHATMOCK_SAN_FLAGS})
      target_link_options(${target} PRIVATE ${CHATMOCK_SAN_FLAGS})
      add_dependencies(chatmock_sanitized ${target})
      add_test(NAME ${target} COMMAND ${target})
      set_tests_properties(${target} PROPERTIES ENVIRONMENT "${CHATMOCK_SAN_ENV}"
                           LABELS "sanitized")
    else()
      add_dependencies(chatmock_tests ${target})
      add_test(NAME ${target} COMMAND ${target})
      if(ARG_WIDGET)
        set_tests_properties(${target} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
      endif()
    endif()
    set_tests_properties(${target} PROPERTIES TIMEOUT 600)
  endforeach()
endfunction()
