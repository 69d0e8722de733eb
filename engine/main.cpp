#include <iostream>

#include "engine/driver.h"
#include "platform/console.h"

int main() {
    platform::Console console(std::cout, std::cin);
    return engine::driver::run_engine(console, std::cerr);
}
