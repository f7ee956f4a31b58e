#include <string>

#include "onsei/onsei.h"

namespace {
thread_local std::string lastError;
}

extern "C" unsigned char* Onsei_Synthe(const char* koe, int speed, int* size) {
  (void)koe;
  (void)speed;
  if (size) *size = 0;
  lastError = "synthesis is not available in this build";
  return nullptr;
}

extern "C" void Onsei_FreeWave(unsigned char* wave) { delete[] wave; }

extern "C" const char* Onsei_LastError(void) { return lastError.c_str(); }
