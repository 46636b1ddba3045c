#include <gtest/gtest.h>

#include <clocale>

// Fontconfig keeps its font cache for the life of the process and
// LeakSanitizer reports it at exit; the sanitizer build looks past it.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\n";
}

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "C");  // no decimal comma may leak into a number
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
