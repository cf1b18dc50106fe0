// Functions of system DLLs found at run time: those that Windows 7 lacks,
// and those of DLLs that only one command needs (the save dialog's), which
// the loader would otherwise map, at a cost in time and memory, before the
// first window shows.
#ifndef WAVECALC_WINDOWS_WIN32_SYSTEM_FUNCTION_H_
#define WAVECALC_WINDOWS_WIN32_SYSTEM_FUNCTION_H_

#include <windows.h>

namespace wave {

// The function, or null where the system has none. The DLL comes from the
// system folder alone.
template <typename Function>
Function SystemFunction(const wchar_t* dll, const char* name) {
  HMODULE module = GetModuleHandleW(dll);
  if (module == nullptr) {
    module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  }
  // Windows 7 without its 2011 loader update knows no such flag; there a
  // DLL named by a system one is taken from the system folder anyway.
  if (module == nullptr && GetLastError() == ERROR_INVALID_PARAMETER) {
    module = LoadLibraryW(dll);
  }
  return module ? reinterpret_cast<Function>(
                      reinterpret_cast<void*>(GetProcAddress(module, name)))
                : nullptr;
}

}  // namespace wave

#endif  // WAVECALC_WINDOWS_WIN32_SYSTEM_FUNCTION_H_
