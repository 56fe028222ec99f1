// Splits a process command line into arguments the way the opener's callers expect:
// blanks and control characters separate arguments, double quotes group them and are
// removed, and a pair of double quotes with nothing between them is skipped like a blank,
// so no argument is empty. Arguments have no length limit.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kl {

class CommandLine {
 public:
  explicit CommandLine(std::string_view commandLine);

  // Number of arguments after the program name.
  int ParamCount() const;
  // Argument `index` (0 is the program name as written); empty past the last.
  std::string ParamStr(int index) const;
  // Arguments 1 to ParamCount.
  std::vector<std::string> Arguments() const;

 private:
  std::vector<std::string> params_;
};

}  // namespace kl
