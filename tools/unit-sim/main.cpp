#include "KorvaneVersion.h"
#include "SimLoop.h"
#include "SimOptions.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    using namespace korvane::unitsim;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (parsed.help) {
        std::cout << HelpText();
        return 0;
    }
    if (parsed.version) {
        std::cout << "korvane-unit-sim " << korvane::Version << '\n';
        return 0;
    }
    if (!parsed.error.empty()) {
        std::cerr << "korvane-unit-sim: " << parsed.error << "\nTry 'korvane-unit-sim --help'.\n";
        return 2;
    }
    return RunSimulator(parsed.options, std::cout, std::cerr);
}
