// The window's keys and mouse in one table: the key handler, the help, the line on standard
// error and the README's list all read it.
#pragma once

#include <string>

// What a key does.
enum class Action {
  kNone,  // a row for the mouse: no key
  kTakeBack,
  kBringBack,
  kFit,
  kZoomIn,
  kZoomOut,
  kPan,
  kFirstView,
  kWords,
  kGrid,
  kOrigins,
  kLesson,
  kStep,
  kSolution,
  kSave,
  kClose,
};

// The codes of keys: the control characters GLUT gives, then those that are no characters, past
// every character's code.
constexpr int kBackspace = 8;
constexpr int kEscape = 27;
constexpr int kArrowLeft = 256;
constexpr int kArrowRight = 257;
constexpr int kArrowUp = 258;
constexpr int kArrowDown = 259;
constexpr int kHome = 260;
constexpr int kEnd = 261;

// One row: the keys that do one thing (0 past the last), their names and what they do, in the
// program's words.
struct KeyRow {
  Action action;
  int codes[4];
  const char* names;
  const char* words;
};

inline constexpr KeyRow kKeyRows[] = {
    {Action::kNone, {}, "levi taster misa", "prevlacenje temena trougla"},
    {Action::kNone, {}, "tocak misa", "uvecanje i umanjenje oko tacke pod misem"},
    {Action::kTakeBack, {'u'}, "u", "zadatak pre poslednjeg prevlacenja"},
    {Action::kBringBack, {'y'}, "y", "ponovo zadatak koji je u vratio"},
    {Action::kFit, {'f'}, "f", "ceo zadatak"},
    {Action::kZoomIn, {'+', '='}, "+", "uvecanje"},
    {Action::kZoomOut, {'-'}, "-", "umanjenje"},
    {Action::kPan,
     {kArrowLeft, kArrowRight, kArrowUp, kArrowDown},
     "strelice",
     "pomeranje (u koracima: levo i gore korak nazad, desno i dole korak napred)"},
    {Action::kFirstView, {'r'}, "r", "pocetni prikaz"},
    {Action::kWords, {'l'}, "l", "imena i opis"},
    {Action::kGrid, {'g'}, "g", "mreza"},
    {Action::kOrigins, {'o'}, "o", "poreklo crvenih temena"},
    {Action::kLesson, {'k'}, "k", "koraci pravila, jedan po jedan (k ili Esc za kraj)"},
    {Action::kStep,
     {' ', kBackspace, kHome, kEnd},
     "razmak/Backspace/Home/End",
     "u koracima: sledeci, prethodni, prvi, poslednji korak"},
    {Action::kSolution, {'h'}, "h", "resenje"},
    {Action::kSave, {'s'}, "s", "cuvanje slike"},
    {Action::kClose, {'q', kEscape}, "q ili Esc", "zatvaranje"},
};

// The row of the key with this code, or nullptr.
inline const KeyRow* keyRowOf(int code) {
  for (const KeyRow& row : kKeyRows) {
    for (int c : row.codes) {
      if (c != 0 && c == code) return &row;
    }
  }
  return nullptr;
}

// Every row as "names - words", joined by the separator.
inline std::string keysInWords(const char* separator) {
  std::string list;
  for (const KeyRow& row : kKeyRows) {
    if (!list.empty()) list += separator;
    list = list + row.names + " - " + row.words;
  }
  return list;
}
