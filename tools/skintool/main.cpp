// skintool: packs, unpacks and inspects skin archives.
#include <iostream>

#include "tools/skintool/Commands.h"

int main(int argc, char** argv) {
  return pelorin::skintool::RunTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
