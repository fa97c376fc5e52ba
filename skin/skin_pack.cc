// Build tool: turns a skin's source text into a skin file.
// Usage: skin_pack <source.skin> <output.she>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "skin/skin_format.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: skin_pack <source.skin> <output.she>\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::optional<lirex::skin::Skin> skin = lirex::skin::ParseSkinBody(source);
  if (!in || !skin) {
    std::cerr << argv[1] << ": not a valid skin source\n";
    return 1;
  }
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out << lirex::skin::EncodeSkin(*skin);
  out.close();
  if (!out) {
    std::cerr << argv[2] << ": cannot write: " << std::strerror(errno) << "\n";
    return 1;
  }
  return 0;
}
