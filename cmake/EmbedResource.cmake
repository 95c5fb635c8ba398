# Embeds resource files into the sdl and headless executables: each file
# becomes a C++ array in a generated source, rebuilt when the file changes.
# The Windows build compiles the same files from resources/*.rc instead.
#
#   za_embed_resource(OUTPUT_VAR SYMBOL FILE)  appends the generated source
#   to OUTPUT_VAR; it defines platform::SYMBOL and platform::SYMBOLSize.

set(ZA_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

function(za_embed_resource output_var symbol file)
  set(generated ${CMAKE_BINARY_DIR}/generated/${symbol}.cpp)
  add_custom_command(
    OUTPUT ${generated}
    COMMAND ${CMAKE_COMMAND} -DZA_EMBED_SYMBOL=${symbol} -DZA_EMBED_INPUT=${file}
            -DZA_EMBED_OUTPUT=${generated} -P ${ZA_EMBED_SCRIPT}
    DEPENDS ${file} ${ZA_EMBED_SCRIPT}
    COMMENT "Embedding ${file}"
    VERBATIM)
  set(${output_var} ${${output_var}} ${generated} PARENT_SCOPE)
endfunction()

# Run as a script: write the array.
if(CMAKE_SCRIPT_MODE_FILE AND DEFINED ZA_EMBED_SYMBOL)
  file(READ ${ZA_EMBED_INPUT} hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
  file(WRITE ${ZA_EMBED_OUTPUT}
    "// Generated from ${ZA_EMBED_INPUT}; do not edit.\n"
    "#include <cstddef>\n\n"
    "namespace platform {\n\n"
    "extern const unsigned char ${ZA_EMBED_SYMBOL}[] = {\n    ${bytes}\n};\n"
    "extern const std::size_t ${ZA_EMBED_SYMBOL}Size = ${size};\n\n"
    "}  // namespace platform\n")
endif()
