# Runs `cmake --install` into PREFIX and checks the program, its menu entry and its icons.
# Expects BUILD_DIR, PREFIX, BINDIR, DATADIR and ICON_SIZES (a list of sides in pixels).
cmake_minimum_required(VERSION 3.25)

set(failures)
macro(fail message)
    list(APPEND failures "${message}")
endmacro()

# Bytes [offset, offset + length) of a file as lower-case hex, empty past the end.
function(read_hex file offset length out)
    file(READ "${file}" hex OFFSET ${offset} LIMIT ${length} HEX)
    set(${out} "${hex}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()

# The program: an ELF file with the execute bit set.
set(program "${PREFIX}/${BINDIR}/tessarine")
if(NOT EXISTS "${program}")
    fail("missing ${program}")
else()
    read_hex("${program}" 0 4 magic)
    if(NOT magic STREQUAL "7f454c46")
        fail("${program} is not an ELF file (starts ${magic})")
    endif()
    execute_process(COMMAND test -x "${program}" RESULT_VARIABLE notExecutable)
    if(NOT notExecutable EQUAL 0)
        fail("${program} is not executable")
    endif()
endif()

# The menu entry.
set(desktop "${PREFIX}/${DATADIR}/applications/tessarine.desktop")
if(NOT EXISTS "${desktop}")
    fail("missing ${desktop}")
else()
    # Whole lines, found in the text itself: a list would split them at their semicolons.
    file(READ "${desktop}" text)
    string(REPLACE "\r" "" text "\n${text}\n")
    foreach(expected IN ITEMS "[Desktop Entry]" "Type=Application" "Name=Tessarine"
                              "Exec=tessarine %u" "Icon=tessarine" "Categories=Game;CardGame;"
                              "MimeType=x-scheme-handler/tessarine;")
        string(FIND "${text}" "\n${expected}\n" at)
        if(at EQUAL -1)
            fail("${desktop} lacks the line ${expected}")
        endif()
    endforeach()
    if(NOT text MATCHES "\nComment=[^\n]")
        fail("${desktop} lacks a Comment")
    endif()
endif()

# One PNG per size, as large as its folder says.
if(NOT ICON_SIZES)
    fail("no icon sizes given")
endif()
foreach(side IN LISTS ICON_SIZES)
    set(icon "${PREFIX}/${DATADIR}/icons/hicolor/${side}x${side}/apps/tessarine.png")
    if(NOT EXISTS "${icon}")
        fail("missing ${icon}")
        continue()
    endif()
    read_hex("${icon}" 0 16 head)
    if(NOT head MATCHES "^89504e470d0a1a0a0000000d49484452$")
        fail("${icon} is not a PNG")
        continue()
    endif()
    read_hex("${icon}" 16 4 width)
    read_hex("${icon}" 20 4 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT width EQUAL side OR NOT height EQUAL side)
        fail("${icon} is ${width}x${height}, not ${side}x${side}")
    endif()
endforeach()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "installed files are wrong:\n  ${text}")
endif()
message(STATUS "installed under ${PREFIX}: program, menu entry, ${ICON_SIZES} px icons")
