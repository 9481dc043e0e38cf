// vantorel-run: the batch runner.

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "app/runner/Runner.h"
#include "app/runner/StopSignals.h"

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // A write beyond the file-size limit must fail as an error, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    vantorel::CatchStopSignals();
    const std::vector<std::string> args(argv + 1, argv + argc);
    return vantorel::RunVantorel(args, std::cout, std::cerr);
}
