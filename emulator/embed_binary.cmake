# Turns a binary file into a C++ source with a function returning its bytes:
# cmake -DINPUT=file.bin -DOUTPUT=file.cpp -DNAME=Function -P embed_binary.cmake
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n  " bytes "${bytes}")
file(WRITE "${OUTPUT}" "// Generated from ${INPUT}.\n#include \"emulator/embedded_code.h\"\n\nnamespace cs {\nnamespace {\nconst uint8_t kBytes[] = {\n  ${bytes}\n};\n}  // namespace\nstd::span<const uint8_t> ${NAME}() { return kBytes; }\n}  // namespace cs\n")
