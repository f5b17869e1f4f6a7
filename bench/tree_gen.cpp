#include "bench/tree_gen.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace bench {
namespace {

// Mixes two indices into well-spread bits, so the tree looks irregular
// without a random generator whose sequence could differ between runs.
uint64_t mix(uint64_t a, uint64_t b) {
  uint64_t z = a * 0x9E3779B97F4A7C15ULL + b + 0x632BE59BD9B4E019ULL;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

// Ten to ninety recordings, and every fortieth directory holds the
// largest number, so every tree of a few thousand recordings or more has
// the same largest directory.
constexpr int64_t kLargestDirectory = 200;
int64_t recordingsInDirectory(int64_t index) {
  if (index % 40 == 0) return kLargestDirectory;
  return 10 + (index * 37) % 81;
}

// Subdirectories per directory: the rows grow deeper, not wider, with the
// tree's size.
constexpr int64_t kFanOut = 10;

const char* const kFolders[] = {"Spielfilme", "Serien", "Dokus",  "Kinder",
                                "Sport",      "Archiv", "Musik", "Nachrichten"};
const char* const kTitles[] = {
    "Tatort",          "Der_Alte",          "Tagesschau",
    "Das_Boot",        "Lindenstrasse",     "Sendung_mit_der_Maus",
    "Terra_X",         "Sportschau",        "Wetten_dass",
    "Loriot",          "Heimat",            "Babylon_Berlin",
    "Derrick",         "Polizeiruf_110",    "Die_Anstalt",
    "quer",            "Unser_Charly",      "In_aller_Freundschaft"};
// Event names: plain, and with the Latin table's diacritic bytes.
const char* const kEventNames[] = {
    "Tatort: Im Schmerz geboren", "Der Alte",
    "Tagesschau",                 "Das Boot",
    "Lindenstra\xFB" "e",         "Die Sendung mit der Maus",
    "Terra X: Faszination Erde",  "Sportschau",
    "Wetten, dass..?",            "Loriots Ged\xC8" "achtnis",
    "Heimat - Eine deutsche Chronik", "Babylon Berlin",
    "Derrick",                    "Polizeiruf 110: M\xC8unchen",
    "Die Anstalt",                "quer",
    "Unser Charly",               "In aller Freundschaft"};
// Short texts: plain, Latin table with a line break, and ISO 8859-9 behind
// its selector byte.
const char* const kShortTexts[] = {
    "Fernsehfilm Deutschland 2019",
    "Kom\xC8odie mit \xC2" "Eric Rohmer\x8Aund anderen",
    "\x05" "Dokumentation \xFC" "ber M\xFC" "nchen und den S\xFC" "den",
    "Folge 12: Die R\xC8uckkehr",
    "Spielfilm, USA 1987",
    "\x05" "Reportage aus K\xF6" "ln",
    "Magazin",
    "Krimireihe"};

template <typename T, size_t N>
constexpr size_t countOf(T (&)[N]) {
  return N;
}

void putDescriptor(std::string* eit, unsigned char tag, const std::string& body) {
  *eit += static_cast<char>(tag);
  *eit += static_cast<char>(body.size());
  *eit += body;
}

// An event as a receiver saves it: the event's header, its short event
// descriptor and a few extended event descriptors with the long text. One
// in twenty reaches past the 4096 bytes that are read; one in thirty has
// no short event at all, so its description comes from the file name.
std::string eventFile(uint64_t h) {
  std::string descriptors;
  if (h % 30 != 0) {
    std::string name = h % 50 == 1 ? "" : kEventNames[h % countOf(kEventNames)];
    std::string text = kShortTexts[(h >> 8) % countOf(kShortTexts)];
    std::string body = "deu";
    body += static_cast<char>(name.size());
    body += name;
    body += static_cast<char>(text.size());
    body += text;
    putDescriptor(&descriptors, 0x4D, body);
  }
  const int extended = h % 20 == 3 ? 15 : static_cast<int>((h >> 16) % 4);
  for (int i = 0; i < extended; ++i) {
    std::string body;
    body += static_cast<char>((i << 4) | (extended - 1));
    body += "deu";
    body += '\0';  // no items
    const std::string text(249, static_cast<char>('a' + i % 26));
    body += static_cast<char>(text.size());
    body += text;
    putDescriptor(&descriptors, 0x4E, body);
  }
  std::string eit(12, '\0');
  eit[0] = static_cast<char>(h >> 24);
  eit[1] = static_cast<char>(h >> 32);
  eit[10] = static_cast<char>(0x80 | ((descriptors.size() >> 8) & 0x0F));
  eit[11] = static_cast<char>(descriptors.size() & 0xFF);
  return eit + descriptors;
}

class Writer {
 public:
  explicit Writer(std::string* err) : err_(err) {}

  bool mkdir(const std::string& path) {
    if (::mkdir(path.c_str(), 0755) == 0) return true;
    return fail("cannot create directory " + path);
  }

  bool file(const std::string& path, const std::string& content, int64_t mtime) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return fail("cannot create " + path);
    bool ok = content.empty() ||
              ::write(fd, content.data(), content.size()) ==
                  static_cast<ssize_t>(content.size());
    const struct timespec times[2] = {{static_cast<time_t>(mtime), 0},
                                      {static_cast<time_t>(mtime), 0}};
    ok = ::futimens(fd, times) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    return ok || fail("cannot write " + path);
  }

 private:
  bool fail(const std::string& what) {
    *err_ = what + ": " + std::strerror(errno);
    return false;
  }
  std::string* err_;
};

// 2005 to 2024; one recording in sixteen has the time of the one before,
// so sorting by date meets equal keys.
int64_t modificationTime(uint64_t h, int64_t previous) {
  if (h % 16 == 5 && previous != 0) return previous;
  return 1104537600 + static_cast<int64_t>((h >> 12) % (20LL * 365 * 86400));
}

bool fillDirectory(Writer& out, const std::string& dir, int64_t index,
                   int64_t count) {
  int64_t mtime = 0;
  for (int64_t k = 0; k < count; ++k) {
    const uint64_t h = mix(static_cast<uint64_t>(index), static_cast<uint64_t>(k));
    const std::string base = dir + "/" + kTitles[h % countOf(kTitles)] + "_" +
                             std::to_string(k);
    mtime = modificationTime(h, mtime);
    if (h % 8 == 7) {
      if (!out.file(base + ".mpg", "", mtime)) return false;
      continue;
    }
    if (!out.file(base + ".ts", "", mtime)) return false;
    if (!out.file(base + ".eit", eventFile(h), mtime)) return false;
  }
  return true;
}

}  // namespace

std::string rowPath(const std::string& root, int row) {
  return root + "/row" + std::to_string(row);
}

bool generateTree(const std::string& root, int64_t recordings,
                  TreeShape* shape, std::string* err) {
  *shape = TreeShape();
  Writer out(err);
  // Directory i belongs to row i % 5; within its row, directory j's
  // parent is (j - 1) / kFanOut, so parents always come first.
  std::vector<std::vector<std::string>> paths(kRows);
  for (int64_t i = 0; shape->recordings < recordings; ++i) {
    const int row = static_cast<int>(i % kRows);
    std::vector<std::string>& row_paths = paths[row];
    const int64_t j = static_cast<int64_t>(row_paths.size());
    std::string path = j == 0 ? rowPath(root, row)
                              : row_paths[(j - 1) / kFanOut] + "/" +
                                    kFolders[j % countOf(kFolders)] + "_" +
                                    std::to_string(j);
    if (!out.mkdir(path)) return false;
    const int64_t count =
        std::min(recordingsInDirectory(i), recordings - shape->recordings);
    if (!fillDirectory(out, path, i, count)) return false;
    shape->recordings += count;
    shape->largest_directory = std::max(shape->largest_directory, count);
    ++shape->directories;
    row_paths.push_back(std::move(path));
  }
  // Rows the tree was too small to reach still exist, empty.
  for (int row = 0; row < kRows; ++row) {
    if (!paths[row].empty()) continue;
    if (!out.mkdir(rowPath(root, row))) return false;
    ++shape->directories;
  }
  return true;
}

}  // namespace bench
