#include "app/command_line.h"

#include <cstring>
#include <string>

#include "viewer/keys.h"

namespace {

// GLUT's own options, and whether each takes a value.
struct GlutOption {
  const char* name;
  bool takesValue;
};
constexpr GlutOption kGlutOptions[] = {
    {"-display", true}, {"-geometry", true}, {"-direct", false}, {"-indirect", false},
    {"-iconic", false}, {"-gldebug", false}, {"-sync", false}};

const GlutOption* glutOption(const char* word) {
  for (const GlutOption& option : kGlutOptions) {
    if (std::strcmp(word, option.name) == 0) return &option;
  }
  return nullptr;
}

// Text in lines of at most kHelpWidth characters, broken at blanks.
void printWrapped(const char* text, std::FILE* out) {
  constexpr std::size_t kHelpWidth = 88;
  std::string line;
  for (const char* word = text; *word != '\0';) {
    const std::size_t length = std::strcspn(word, " ");
    if (!line.empty() && line.size() + 1 + length > kHelpWidth) {
      std::fprintf(out, "%s\n", line.c_str());
      line.clear();
    }
    line += (line.empty() ? "" : " ") + std::string(word, length);
    word += length;
    word += std::strspn(word, " ");
  }
  if (!line.empty()) std::fprintf(out, "%s\n", line.c_str());
}

}  // namespace

Invocation readCommandLine(int argc, char** argv, const char** refused) {
  bool steps = false;
  for (int k = 1; k < argc; ++k) {
    if (std::strcmp(argv[k], "-h") == 0 || std::strcmp(argv[k], "--help") == 0) {
      return Invocation::kHelp;
    }
    if (std::strcmp(argv[k], "--koraci") == 0) {
      steps = true;
      continue;
    }
    const GlutOption* option = glutOption(argv[k]);
    if (option == nullptr || (option->takesValue && ++k == argc)) {
      *refused = argv[option == nullptr ? k : k - 1];
      return Invocation::kRefused;
    }
  }
  return steps ? Invocation::kRunWithSteps : Invocation::kRun;
}

void printHelp(std::FILE* out) {
  std::fputs(
      "presek - presek dva trougla u ravni\n"
      "\n"
      "Program pita za temena trouglova T1 i T2, nalazi konveksni poligon u kome se seku i\n"
      "kaze kako su nadjena njegova temena: n preseka stranica, p temena trougla T1 u T2 i\n"
      "q temena trougla T2 u T1. Zatim ispisuje temena poligona redom po obodu i prikazuje\n"
      "zadatak u prozoru.\n"
      "\n"
      "Tacka se unosi kao x i y, sa decimalnom tackom: 1.5 -2, ili 1.5, -2, ili (1.5,-2),\n"
      "ili (1.5, -2). U jednom redu moze biti i vise tacaka.\n"
      "\n"
      "Zadatak moze da se posalje i kroz cev: echo 0 0 4 0 0 4 1 1 5 1 1 5 | presek\n"
      "Ako ulaz ne moze da se procita, rezultat se ispisuje, prozor se ne otvara, a program\n"
      "se zavrsava sa statusom 2. Ako standardni izlaz ne prima ispis, program to kaze i\n"
      "zavrsava se sa statusom 3.\n"
      "\n"
      "Sa --koraci, posle rezultata ispisuju se koraci pravila: svaki par stranica, svako\n"
      "teme prema drugom trouglu i svaka stranica poligona, sa brojevima n, p i q.\n"
      "\n",
      out);
  printWrapped(
      ("U prozoru (kad se teme spusti, novi zadatak se ispisuje): " + keysInWords("; ") + ".")
          .c_str(),
      out);
  std::fputs("\n", out);
  printUsage(out);
}

void printUsage(std::FILE* out) {
  std::fputs(
      "Upotreba: presek [-h | --help] [--koraci] [opcije za GLUT: -display EKRAN, "
      "-geometry SxV+X+Y, -iconic, -direct, -indirect, -gldebug, -sync]\n",
      out);
}
