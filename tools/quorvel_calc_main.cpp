// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "calc/number_locale.h"
#include "tools/quorvel_calc.h"
#ifdef _WIN32
#include "win32/wide.h"
#endif

namespace {

constexpr std::string_view kUsage =
    "Usage: quorvel-calc [--decimal D] [--group G]\n"
    "\n"
    "Reads one JSON object a line from standard input, with the texts of the\n"
    "entries \"Text1\" (income), \"Text2\" (insurance), \"Text3\" (exemption) and\n"
    "\"Text4\" (result); an absent entry holds what the window starts with.\n"
    "Clicks the calculate button once per line and writes one JSON line:\n"
    "  {\"Text4\": ..., \"notices\": [...], \"error\": null or {...}}\n"
    "\n"
    "  --decimal D  the locale's decimal separator (default \".\")\n"
    "  --group G    the locale's group separator (default \",\"; \"\" for none)\n"
    "  --help       show this text\n"
    "\n"
    "Exits 2 when the command line is refused, 1 when a line was not a JSON\n"
    "object of strings, else 0.\n";

[[noreturn]] void refuse(std::string_view why) {
  std::cerr << "quorvel-calc: " << why << "\n\n" << kUsage;
  std::exit(2);
}

// The options as UTF-8, whatever the system's code page.
calc::NumberLocale parseOptions(const std::vector<std::string>& arguments) {
  calc::NumberLocale locale;
  const std::size_t argc = arguments.size();
  for (std::size_t i = 1; i < argc; ++i) {
    const std::string_view option = arguments[i];
    if (option == "--help") {
      std::cout << kUsage;
      std::exit(0);
    }
    if (option != "--decimal" && option != "--group")
      refuse("unknown option " + std::string(option));
    if (i + 1 == argc) refuse(std::string(option) + " needs a value");
    (option == "--decimal" ? locale.decimal : locale.group) = arguments[++i];
  }
  if (const auto fault = calc::localeFault(locale)) refuse(*fault);
  return locale;
}

int run(const std::vector<std::string>& arguments) {
  const calc::NumberLocale locale = parseOptions(arguments);
#ifdef _WIN32
  // Lines end in a line feed alone, as on every other system, and a Ctrl-Z is
  // no end of input.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  std::ios::sync_with_stdio(false);
  // Reading a line would flush every answer; answerLines flushes when the input runs dry.
  std::cin.tie(nullptr);
  return quorvel_calc::answerLines(std::cin, std::cout, locale) ? 0 : 1;
}

// Runs the driver on the command line that makeArguments gives. Nothing
// leaves: a command line that finds no memory ends the driver with status 1.
template <typename MakeArguments>
int guarded(MakeArguments makeArguments) noexcept {
  try {
    return run(makeArguments());
  } catch (...) {
    std::fputs("quorvel-calc: out of memory\n", stderr);
    return EXIT_FAILURE;
  }
}

}  // namespace

#ifdef _WIN32
// Windows hands main() its command line in the ANSI code page, which has no
// no-break space nor most other marks of a locale: the UTF-16 one keeps them.
int wmain(int argc, wchar_t** argv) {
  return guarded([&] {
    std::vector<std::string> arguments;
    arguments.reserve(static_cast<std::size_t>(argc));
    for (int i = 0; i < argc; ++i) arguments.push_back(win32ui::fromWide(argv[i]));
    return arguments;
  });
}
#else
int main(int argc, char** argv) {
  return guarded([&] { return std::vector<std::string>(argv, argv + argc); });
}
#endif
