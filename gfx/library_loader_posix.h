// Loading a shared library by name, through the system's dynamic loader, and filling a
// table of its functions: for libraries the program can do without at start, loaded at
// their first use (the font libraries here, the sound libraries in the desktop backend).
#pragma once

#include <dlfcn.h>

#include <optional>

namespace tinto::gfx {

// Fills each function pointer from the library; Done() is false when the library or one
// of the functions is missing.
class LibraryLoader {
 public:
  explicit LibraryLoader(const char* library) : handle_(dlopen(library, RTLD_NOW | RTLD_LOCAL)) {}
  LibraryLoader(const LibraryLoader&) = delete;
  LibraryLoader& operator=(const LibraryLoader&) = delete;

  template <typename Function>
  void operator()(Function& function, const char* name) {
    if (handle_ == nullptr) return;
    function = reinterpret_cast<Function>(dlsym(handle_, name));
    complete_ = complete_ && function != nullptr;
  }
  // The library stays loaded when it was complete: its functions are used to the end.
  bool Done() {
    if (handle_ != nullptr && !complete_) dlclose(handle_);
    return handle_ != nullptr && complete_;
  }

 private:
  void* handle_;
  bool complete_ = true;
};

// The library Load makes, loaded at the first call and kept to the program's end; null
// when it could not be loaded.
template <typename Library, std::optional<Library> (*Load)()>
const Library* LoadOnce() {
  static const std::optional<Library> library = Load();
  return library ? &*library : nullptr;
}

}  // namespace tinto::gfx
