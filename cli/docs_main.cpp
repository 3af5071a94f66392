// lunisol-cli-docs man|bash-completion FILE: writes lunisol-cli's manual
// page or its bash completion, made from the command table, at build time.
#include <fstream>
#include <iostream>
#include <string_view>

#include "cli/docs.h"

int main(int argc, char** argv) {
  const std::string_view what = argc == 3 ? argv[1] : "";
  if (what != "man" && what != "bash-completion") {
    std::cerr << "usage: lunisol-cli-docs man|bash-completion FILE\n";
    return 2;
  }
  std::ofstream out(argv[2], std::ios::binary);
  if (what == "man")
    lunisol::cli::PrintManPage(out);
  else
    lunisol::cli::PrintBashCompletion(out);
  out.close();
  if (!out) {
    std::cerr << "lunisol-cli-docs: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
