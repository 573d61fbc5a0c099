# How the plug-in's 32-bit test programs run here: natively where the kernel runs 32-bit programs, else under
# the user-mode emulator (`qemu-i386 -L /`, Debian's qemu-user). With neither, configuring stops, so that the
# 32-bit tests are never silently left out.
#
# Sets LINGO_EMULATOR (empty when native), for the CROSSCOMPILING_EMULATOR property of the 32-bit test
# programs, and writes one line saying how they run into ${LINGO_MODE_FILE}, which scripts/test.sh prints.
option(LARKSPAN_EMULATE_32BIT "Run the 32-bit test programs under qemu-i386 even where they run natively" OFF)
set(LINGO_MODE_FILE ${PROJECT_BINARY_DIR}/lingo-32bit-tests.txt)

try_run(LINGO_M32_RUNS LINGO_M32_BUILDS ${PROJECT_BINARY_DIR}/m32_probe ${CMAKE_CURRENT_LIST_DIR}/m32_probe.c
    COMPILE_DEFINITIONS -m32 LINK_OPTIONS -m32 COMPILE_OUTPUT_VARIABLE lingo_m32_output)
if(NOT LINGO_M32_BUILDS)
    message(FATAL_ERROR "The compiler cannot build 32-bit programs (-m32): install the Debian package "
                        "g++-multilib (scripts/install-deps.sh does).\n${lingo_m32_output}")
endif()

if(LINGO_M32_RUNS EQUAL 0 AND NOT LARKSPAN_EMULATE_32BIT)
    set(LINGO_EMULATOR "")
    set(lingo_mode "32-bit tests: native (this machine runs 32-bit programs)")
else()
    find_program(LINGO_QEMU_I386 qemu-i386)
    if(NOT LINGO_QEMU_I386)
        message(FATAL_ERROR "The 32-bit test programs need qemu-i386 here (32-bit programs do not run natively, "
                            "or LARKSPAN_EMULATE_32BIT is on): install the Debian package qemu-user "
                            "(scripts/install-deps.sh does).")
    endif()
    set(LINGO_EMULATOR ${LINGO_QEMU_I386} -L /)
    if(LARKSPAN_EMULATE_32BIT)
        set(lingo_mode "32-bit tests: emulated by qemu-i386 -L / (forced by LARKSPAN_EMULATE_32BIT)")
    else()
        set(lingo_mode "32-bit tests: emulated by qemu-i386 -L / (this machine cannot run 32-bit programs)")
    endif()
endif()
message(STATUS "${lingo_mode}")
file(WRITE ${LINGO_MODE_FILE} "${lingo_mode}\n")
