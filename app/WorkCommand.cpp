#include "app/WorkCommand.h"

#include <new>
#include <ostream>
#include <string_view>

#include "engine/EngineError.h"
#include "engine/factor/Report.h"

namespace WorkCommand {

namespace {

constexpr std::string_view kFactor = "--factorizar";
constexpr std::string_view kRuffini = "--ruffini";

constexpr const char* kUsage =
    "Uso: factorix --factorizar TEXTO\n"
    "     factorix --ruffini TEXTO\n"
    "TEXTO es un polinomio en x con coeficientes enteros, escrito como suma de\n"
    "términos con cada exponente tras una \"e\": 2xe3+0xe2+0x-16 es 2x³-16.\n";

}  // namespace

std::optional<int> run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  if (argc < 2) return std::nullopt;
  const std::string_view option = argv[1];
  if (option != kFactor && option != kRuffini) return std::nullopt;
  if (argc != 3) {
    err << kUsage;
    return 1;
  }
  const std::string_view text = argv[2];
  try {
    const std::optional<std::string> report =
        option == kFactor ? factorix::FactorizationReport(text) : factorix::RuffiniReport(text);
    if (!report) {
      err << "factorix: \"" << text << "\" no es una suma de términos en x.\n" << kUsage;
      return 1;
    }
    out << *report << std::flush;
    return out ? 0 : 1;
  } catch (const factorix::EngineError& e) {
    err << factorix::MessageFor(e.number()) << '\n';
  } catch (const std::bad_alloc&) {
    err << factorix::MessageFor(factorix::kOverflow) << '\n';
  }
  return 1;
}

}  // namespace WorkCommand
