// Stands in for the skinning library beside the window tests: it records the calls it receives.
#include "tests/recording_skin_library.h"

namespace {
std::vector<SkinLibraryCall> calls;
}

#define RECORDER_EXPORT extern "C" __attribute__((visibility("default")))

RECORDER_EXPORT int SkinH_AttachEx(const char* path, const char* password) {
  SkinLibraryCall call;
  call.routine = "SkinH_AttachEx";
  call.null_data = path == nullptr;
  call.bytes = path ? path : "";
  call.password = password ? password : "<null>";
  calls.push_back(call);
  return 1;
}

RECORDER_EXPORT int SkinH_AttachRes(const unsigned char* data, int size, const char* password,
                                    int reserved1, int reserved2, int reserved3) {
  SkinLibraryCall call;
  call.routine = "SkinH_AttachRes";
  call.null_data = data == nullptr;
  call.size = size;
  if (data != nullptr && size > 0) call.bytes.assign(reinterpret_cast<const char*>(data), size);
  call.password = password ? password : "<null>";
  call.reserved[0] = reserved1;
  call.reserved[1] = reserved2;
  call.reserved[2] = reserved3;
  calls.push_back(call);
  return 1;
}

RECORDER_EXPORT int SkinH_SetAero(int enable) {
  SkinLibraryCall call;
  call.routine = "SkinH_SetAero";
  call.aero = enable;
  calls.push_back(call);
  return 1;
}

RECORDER_EXPORT std::vector<SkinLibraryCall>* RecordedSkinLibraryCalls() { return &calls; }
