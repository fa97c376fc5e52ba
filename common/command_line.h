// The programs' two information options, --help and --version. Any other argument is ignored,
// so that a start without arguments, or with Qt's own options, opens the window as always.
#ifndef LIREX_COMMON_COMMAND_LINE_H_
#define LIREX_COMMON_COMMAND_LINE_H_

namespace lirex {

struct ProgramAbout {
  const char* name;         // "Vonk"
  const char* description;  // one line, UTF-8
};

// Prints the help or version text and ends the process with status 0 when one of the
// information options is given; returns otherwise.
void HandleInformationOptions(int argc, char** argv, const ProgramAbout& about);

}  // namespace lirex

#endif  // LIREX_COMMON_COMMAND_LINE_H_
