# lk_add_ocx: one control library (an .ocx file) made from a control's static library.
#
#   lk_add_ocx(TARGET CVCell                          # target, and the file ${LK_OCX_DIR}/CVCell.ocx
#              PROGID "CVCell.WeekViewCell"           # the programmatic identifier it registers
#              CLSID "{E7C6EADF-81C8-4013-BAC8-E82649E1FD90}"   # its class id, fixed per build
#              PROJECT CVCell                         # the project name (InternalName of the version record)
#              VERSION 1.01 PRODUCT "CVCell"          # file version and product name of the version record
#              [COMMENT "…"]                          # the record's Comments
#              LIBID "{…}" HELPSTRING "CVCell"        # its type library: named PROJECT, version 1.0, with
#              [MEMBER_HELP controls/…/member_help.h] # the members' help strings that header defines
#              FACTORY createWeekViewCell             # rt::Control* FACTORY(QWidget* parent)
#              FACTORY_HEADER controls/weekcell/week_view_cell.h   # declares FACTORY; from the source root
#              LIBS lk_weekcell                       # the control's static library
#              [SOURCES more.cpp …])
#
# The library gets the four exports DllRegisterServer, DllUnregisterServer, DllGetClassObject and
# DllCanUnloadNow from runtime/com/ocx_exports.cpp (over rt::ComponentServer) and exports nothing else; its
# version record and its type library are static data in the ELF sections ".lk_version" and ".lk_typelib"
# (readelf -p .lk_version CVCell.ocx; lk-regsvr --describe CVCell.ocx). The
# second build of a control is a second call over the same LIBS with another TARGET, PROGID, CLSID, LIBID
# and PROJECT. Every control library lands in LK_OCX_DIR, beside lk-regsvr, which registers them:
#   LARKSPAN_SETTINGS=… build/bin/lk-regsvr build/bin/*.ocx
set(LK_OCX_DIR ${CMAKE_BINARY_DIR}/bin)
set(LK_OCX_EXPORTS ${CMAKE_CURRENT_LIST_DIR}/ocx_exports.map)

function(lk_add_ocx)
    set(one TARGET PROGID CLSID PROJECT VERSION PRODUCT COMMENT FACTORY FACTORY_HEADER LIBID HELPSTRING MEMBER_HELP)
    cmake_parse_arguments(O "" "${one}" "LIBS;SOURCES" ${ARGN})
    foreach(required TARGET PROGID CLSID PROJECT VERSION PRODUCT FACTORY FACTORY_HEADER LIBID HELPSTRING LIBS)
        if(NOT O_${required})
            message(FATAL_ERROR "lk_add_ocx: ${required} is missing")
        endif()
    endforeach()
    add_library(${O_TARGET} MODULE ${PROJECT_SOURCE_DIR}/runtime/com/ocx_exports.cpp ${O_SOURCES})
    # No VERSION property: it would rename the file and add links.
    set_target_properties(${O_TARGET} PROPERTIES PREFIX "" SUFFIX ".ocx" LIBRARY_OUTPUT_DIRECTORY ${LK_OCX_DIR})
    target_compile_definitions(${O_TARGET} PRIVATE
        LK_OCX_PROGID="${O_PROGID}" LK_OCX_CLSID="${O_CLSID}" LK_OCX_PROJECT="${O_PROJECT}"
        LK_OCX_VERSION="${O_VERSION}" LK_OCX_PRODUCT="${O_PRODUCT}" LK_OCX_COMMENT="${O_COMMENT}"
        LK_OCX_FILE="${O_TARGET}.ocx" LK_OCX_FACTORY=${O_FACTORY} LK_OCX_FACTORY_HEADER="${O_FACTORY_HEADER}"
        LK_OCX_LIBID="${O_LIBID}" LK_OCX_HELPSTRING="${O_HELPSTRING}")
    if(O_MEMBER_HELP)
        target_compile_definitions(${O_TARGET} PRIVATE LK_OCX_MEMBER_HELP_HEADER="${O_MEMBER_HELP}")
    endif()
    target_link_libraries(${O_TARGET} PRIVATE ${O_LIBS} lk_runtime_com)
    # Each library keeps its copy of the static code to itself; every symbol must resolve at link time.
    target_link_options(${O_TARGET} PRIVATE -Wl,--version-script=${LK_OCX_EXPORTS} -Wl,-z,defs)
    set_property(TARGET ${O_TARGET} APPEND PROPERTY LINK_DEPENDS ${LK_OCX_EXPORTS})
    lk_warnings(${O_TARGET})
endfunction()
