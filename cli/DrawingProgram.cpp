#include "cli/DrawingProgram.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <unistd.h>

#include "cli/ExitStatus.h"

namespace {

// The drawing program's name, and its place relative to this program's
// folder once installed.
constexpr const char* kName = FACTORIX_DRAWING_PROGRAM_NAME;
constexpr const char* kInstalled = FACTORIX_DRAWING_PROGRAM;

bool isExecutable(const std::filesystem::path& file) { return ::access(file.c_str(), X_OK) == 0; }

}  // namespace

std::string DrawingProgram::path() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  const std::filesystem::path folder = self.parent_path();
  for (const std::filesystem::path& candidate : {folder / kInstalled, folder / kName}) {
    if (isExecutable(candidate)) return candidate.lexically_normal().string();
  }
  return {};
}

int DrawingProgram::exec(char* argv[]) {
  const std::string program = path();
  if (!program.empty()) ::execv(program.c_str(), argv);
  const int cause = program.empty() ? ENOENT : errno;
  const QString what = program.empty() ? QString::fromUtf8(kName) : QString::fromStdString(program);
  std::fprintf(stderr, "%s\n",
               QCoreApplication::translate("DrawingProgram", "factorix: no se pudo iniciar %1: %2.")
                   .arg(what, QString::fromLocal8Bit(std::strerror(cause)))
                   .toUtf8()
                   .constData());
  return kMessage;
}
