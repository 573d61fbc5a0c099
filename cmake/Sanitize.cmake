# LARKSPAN_SANITIZE: a build with AddressSanitizer (with its leak checker) and UndefinedBehaviorSanitizer,
# in a build folder of its own (README). Everything but the 32-bit plug-in is instrumented; every program
# the build makes (the tests, the programs they start, the tools the build runs) takes the runtime's
# options from cmake/sanitizer_options.c, so an undefined-behaviour report ends the program and a leak
# fails it, however it was started.
option(LARKSPAN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(LARKSPAN_SANITIZE)
    # -O1: fast enough for the window tests, frames still readable in the reports. GCC's documentation
    # warns that the sanitizers raise false maybe-uninitialized warnings (std::variant's storage is one),
    # so that warning is left to the ordinary builds, where it holds.
    set(LK_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
        -O1 -g -Wno-maybe-uninitialized)
    add_compile_options(${LK_SANITIZE_FLAGS})
    add_link_options(-fsanitize=address,undefined)
    add_library(lk_sanitizer_options OBJECT ${CMAKE_CURRENT_LIST_DIR}/sanitizer_options.c)
    set_target_properties(lk_sanitizer_options PROPERTIES AUTOMOC OFF AUTORCC OFF)
    target_compile_definitions(lk_sanitizer_options PRIVATE
        LK_LSAN_SUPPRESSIONS="${CMAKE_CURRENT_LIST_DIR}/lsan_suppressions.txt")
endif()

# lk_sanitize_programs(): gives every executable under the current folder the runtime's options (after
# all folders are added; the 32-bit ones, which are not instrumented, excepted).
function(lk_sanitize_programs)
    if(NOT LARKSPAN_SANITIZE)
        return()
    endif()
    set(folders ${CMAKE_CURRENT_SOURCE_DIR})
    while(folders)
        list(POP_FRONT folders folder)
        get_property(subfolders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
        list(APPEND folders ${subfolders})
        get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
        foreach(target ${targets})
            get_target_property(type ${target} TYPE)
            get_target_property(options ${target} COMPILE_OPTIONS)
            if(type STREQUAL "EXECUTABLE" AND NOT "-m32" IN_LIST options)
                target_link_libraries(${target} PRIVATE lk_sanitizer_options)
            endif()
        endforeach()
    endwhile()
endfunction()
