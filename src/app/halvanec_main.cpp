// halvanec: the console companion of Halvane, for scripted and scheduled cleaning. Same core,
// same application folder and hvset.dat as the windowed program.
#include <iostream>
#include <string>
#include <vector>

#include "catalogue/run_items.h"
#include "platform/win32/win32_machine.h"
#include "ui/console_companion.h"

int main(int argc, char** argv) {
    hv::win32::Win32Machine machine;
    hv::Platform os = machine.platform();
    const std::vector<std::string> args(argv + 1, argv + argc);
    return hv::console::RunCompanion(args, std::cout, std::cerr, os, hv::catalogue::RunItems());
}
