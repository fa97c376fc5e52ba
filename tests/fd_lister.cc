// Stands in for a program that Dalo starts: writes the numbers of its open file descriptors, one
// a line, to fds.txt beside itself.
#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int, char** argv) {
  std::string out_path = argv[0];
  out_path = out_path.substr(0, out_path.rfind('/') + 1) + "fds.txt";
  std::string listed;
  DIR* folder = opendir("/proc/self/fd");
  if (folder == nullptr) return 1;
  const int own = dirfd(folder);
  while (const dirent* entry = readdir(folder)) {
    if (entry->d_name[0] == '.' || std::atoi(entry->d_name) == own) continue;
    listed += std::string(entry->d_name) + "\n";
  }
  closedir(folder);
  FILE* out = std::fopen(out_path.c_str(), "w");
  if (out == nullptr) return 1;
  std::fputs(listed.c_str(), out);
  return std::fclose(out) == 0 ? 0 : 1;
}
