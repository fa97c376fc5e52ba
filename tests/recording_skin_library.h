// The calls that the recording stand-in for the skinning library has received.
#ifndef LIREX_TESTS_RECORDING_SKIN_LIBRARY_H_
#define LIREX_TESTS_RECORDING_SKIN_LIBRARY_H_

#include <string>
#include <vector>

struct SkinLibraryCall {
  std::string routine;
  bool null_data = false;
  int size = 0;
  std::string bytes;
  std::string password;
  int reserved[3] = {0, 0, 0};
  int aero = 0;
};

// Exported by the stand-in; found with dlsym.
using RecordedCalls = std::vector<SkinLibraryCall>* (*)();

#endif  // LIREX_TESTS_RECORDING_SKIN_LIBRARY_H_
