# Writes a C++ source that holds the bytes of one file as an array:
#   cmake -DINPUT=<file> -DOUTPUT=<source> -DSYMBOL=<name> -P EmbedResource.cmake
# The array and its size are defined in namespace qor::resources as
# <name> and <name>Size.

foreach(variable INPUT OUTPUT SYMBOL)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "EmbedResource.cmake needs -D${variable}=...")
    endif()
endforeach()

file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")

if(size EQUAL 0)
    # C++ has no arrays of size zero; the size says there is nothing.
    set(bytes "0")
else()
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1, " bytes "${hex}")
    # Sixteen bytes a line.
    string(REPEAT "0x[0-9a-f][0-9a-f], " 16 line)
    string(REGEX REPLACE "(${line})" "\\1\n    " bytes "${bytes}")
    string(STRIP "${bytes}" bytes)
endif()

get_filename_component(inputName "${INPUT}" NAME)
file(WRITE "${OUTPUT}.tmp" "// Generated from ${inputName} by EmbedResource.cmake.
#include <cstddef>

namespace qor::resources {

extern const unsigned char ${SYMBOL}[];
extern const std::size_t ${SYMBOL}Size;

const unsigned char ${SYMBOL}[] = {
    ${bytes}
};
const std::size_t ${SYMBOL}Size = ${size};

} // namespace qor::resources
")
# Unchanged output keeps its time stamp, so nothing is compiled again.
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
