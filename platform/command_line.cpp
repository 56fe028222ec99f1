#include "platform/command_line.h"

#include "platform/text.h"

namespace kl {
namespace {

bool IsSeparator(char byte) { return static_cast<unsigned char>(byte) <= ' '; }

std::size_t SkipToNextParam(std::string_view line, std::size_t pos) {
  for (;;) {
    while (pos < line.size() && IsSeparator(line[pos])) ++pos;
    if (line.substr(pos, 2) != "\"\"") return pos;
    pos += 2;
  }
}

// Reads one argument from `pos` on; returns it and moves `pos` past it.
std::string ReadParam(std::string_view line, std::size_t& pos) {
  std::string param;
  pos = SkipToNextParam(line, pos);
  while (pos < line.size() && !IsSeparator(line[pos])) {
    if (line[pos] != '"') {
      const std::size_t length = CharLength(line, pos);
      param.append(line.substr(pos, length));
      pos += length;
      continue;
    }
    ++pos;
    while (pos < line.size() && line[pos] != '"') {
      const std::size_t length = CharLength(line, pos);
      param.append(line.substr(pos, length));
      pos += length;
    }
    if (pos < line.size()) ++pos;
  }
  return param;
}

}  // namespace

CommandLine::CommandLine(std::string_view commandLine) {
  // A NUL ends the command line, as it would for the platform's C string.
  commandLine = commandLine.substr(0, commandLine.find('\0'));
  std::size_t pos = 0;
  params_.push_back(ReadParam(commandLine, pos));
  for (;;) {
    std::string param = ReadParam(commandLine, pos);
    if (param.empty()) break;
    params_.push_back(std::move(param));
  }
}

int CommandLine::ParamCount() const { return static_cast<int>(params_.size()) - 1; }

std::string CommandLine::ParamStr(int index) const {
  if (index < 0 || index >= static_cast<int>(params_.size())) return {};
  return params_[static_cast<std::size_t>(index)];
}

std::vector<std::string> CommandLine::Arguments() const {
  return {params_.begin() + 1, params_.end()};
}

}  // namespace kl
