// The long run's own main: a QApplication on the offscreen platform, and the
// counts from the command line once GoogleTest has taken its flags.

#include <QApplication>

#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "tests/reliability/long_run_counts.h"

namespace chatmock::reliability {

LongRunCounts& ConfiguredLongRun() {
  static LongRunCounts counts;
  return counts;
}

namespace {

// Reads "--name=N" into target; false when the argument is not that option or N is not a count.
bool ReadCount(std::string_view argument, std::string_view name, int& target) {
  if (!argument.starts_with(name)) return false;
  argument.remove_prefix(name.size());
  int value = 0;
  const auto [end, error] = std::from_chars(argument.data(), argument.data() + argument.size(), value);
  if (error != std::errc() || end != argument.data() + argument.size() || value < 0) return false;
  target = value;
  return true;
}

bool ReadCounts(int argc, char** argv) {
  LongRunCounts& counts = ConfiguredLongRun();
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (!ReadCount(argument, "--posts=", counts.posts) && !ReadCount(argument, "--fetches=", counts.fetchClicks) &&
        !ReadCount(argument, "--edits=", counts.captionEdits)) {
      std::fprintf(stderr, "unknown argument %s (expected --posts=N --fetches=N --edits=N)\n", argv[i]);
      return false;
    }
  }
  return true;
}

}  // namespace
}  // namespace chatmock::reliability

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  if (!chatmock::reliability::ReadCounts(argc, argv)) return 2;
  return RUN_ALL_TESTS();
}
