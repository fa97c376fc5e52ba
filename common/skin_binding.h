// The skinning library's routines as both programs call them, each bound at its first call.
#ifndef LIREX_COMMON_SKIN_BINDING_H_
#define LIREX_COMMON_SKIN_BINDING_H_

#include <string>

namespace lirex {

inline constexpr char kSkinLibraryFile[] = "SkinH_EL.dll";

int SkinH_AttachEx(const std::string& skin_path, const std::string& password);
int SkinH_AttachRes(const unsigned char* data, int size, const std::string& password, int reserved1,
                    int reserved2, int reserved3);
int SkinH_SetAero(int enable);

}  // namespace lirex

#endif  // LIREX_COMMON_SKIN_BINDING_H_
