// quarvel-engine: the chess engine as a program of its own, for GUIs that
// speak the xboard or the UCI protocol on standard input and output.
#include "engine_program/line_reader.h"
#include "engine_program/program.h"
#include "tools/book/opening_book.h"

#include <csignal>
#include <iostream>
#include <unistd.h>

int main()
{
    // A GUI that goes away must not kill the engine in the middle of a
    // write; the lost output ends the main loop instead.
    std::signal(SIGPIPE, SIG_IGN);
    std::ios::sync_with_stdio(false);
    // The built-in library answers the opening moves (OwnBook in UCI).
    book::InstallOpeningBook();
    engine_program::FdLineReader input(STDIN_FILENO);
    return engine_program::RunEngineProgram(input, std::cout);
}
