// A library with the skinning library's file name and none of its routines.
extern "C" __attribute__((visibility("default"))) int SkinH_Unrelated() { return 0; }
