# cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DSYMBOL=<name> -P EmbedText.cmake
# Writes a C++ source that defines `extern const unsigned char SYMBOL[]`: the input's bytes,
# zero-ended. Bytes are written as numbers, so any content (quotes, backslashes, UTF-8) passes.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUTPUT}"
    "// Generated from ${INPUT}; do not edit.\n"
    "extern const unsigned char ${SYMBOL}[];\n"
    "const unsigned char ${SYMBOL}[] = {${bytes}0};\n")
