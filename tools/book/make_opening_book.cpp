// make_opening_book SOURCE BLOCK_CPP BLOCK_BIN
// Compiles the opening-book source into the library block, written both as
// a C++ array for linking and as raw bytes. Any fault in the source is
// reported as "file:line: move: reason" and stops the build.
#include "tools/book/book_compiler.h"

#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>

namespace {

bool ReadFile(const char* path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return bool(in);
}

bool WriteArray(const char* path, const std::vector<std::uint8_t>& block)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << "// Written by make_opening_book from the opening-book source; do not edit.\n"
        << "#include \"tools/book/opening_book.h\"\n\n"
        << "namespace book {\n\nconst std::uint8_t OpeningBookData[OpeningBookSize] = {";
    for (std::size_t i = 0; i < block.size(); ++i) {
        out << (i % 16 == 0 ? "\n    " : " ") << "0x" << std::hex << std::setw(2) << std::setfill('0')
            << int(block[i]) << ',';
    }
    out << "\n};\n\n} // namespace book\n";
    return bool(out);
}

bool WriteBytes(const char* path, const std::vector<std::uint8_t>& block)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(block.data()), std::streamsize(block.size()));
    return bool(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: make_opening_book SOURCE BLOCK_CPP BLOCK_BIN\n";
        return 2;
    }
    std::string source;
    if (!ReadFile(argv[1], source)) {
        std::cerr << argv[1] << ": cannot read the opening-book source\n";
        return 1;
    }
    const book::CompiledBook compiled = book::CompileBook(source);
    for (const book::BookError& error : compiled.Errors) {
        std::cerr << argv[1] << ':' << error.Line << ": " << (error.Move.empty() ? "" : error.Move + ": ")
                  << error.Message << '\n';
    }
    if (!compiled.Errors.empty()) {
        return 1;
    }
    if (!WriteArray(argv[2], compiled.Block) || !WriteBytes(argv[3], compiled.Block)) {
        std::cerr << "make_opening_book: cannot write the library block\n";
        return 1;
    }
    std::cout << "Opening library: " << compiled.Lines << " lines, " << compiled.MoveNodes << " move nodes, "
              << compiled.Separators << " separators, " << compiled.BytesUsed << " of "
              << compiled.Block.size() << " bytes, lines of up to " << compiled.Deepest << " half-moves\n";
    return 0;
}
