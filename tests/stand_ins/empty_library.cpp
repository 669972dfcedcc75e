// A shared library with none of the functions of the library whose name it is built
// under: a program that loads that library by name finds it, and none of its functions.
namespace {
[[maybe_unused]] int nothing_here = 0;
}  // namespace
