// Runs the built tessaroll-host as a program: its options, exit statuses,
// messages and transcript.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;  // exit status, -1 when the program did not exit
  std::string out;
  std::string err;
};

std::string readAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void writeFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

class HostCliTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "host_cli.XXXXXX");
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  /// Runs `program` with `args`, `input` on standard input.
  Outcome run(const std::vector<std::string>& args, const std::string& input = "",
          const std::string& program = TESSAROLL_HOST) {
    writeFile(dir_ / "stdin", input);
    pid_t pid = fork();
    if (pid == 0) {
      int in = open((dir_ / "stdin").c_str(), O_RDONLY);
      int out = open((dir_ / "stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      int err = open((dir_ / "stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      dup2(in, 0);
      dup2(out, 1);
      dup2(err, 2);
      std::vector<char*> argv{const_cast<char*>(program.c_str())};
      for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      execv(program.c_str(), argv.data());
      _exit(127);
    }
    Outcome result;
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
    result.out = readAll(dir_ / "stdout");
    result.err = readAll(dir_ / "stderr");
    return result;
  }

  /// A key file holding `keys`, one a line.
  std::string keys(const std::string& lines) {
    fs::path path = dir_ / "keys";
    writeFile(path, lines);
    return path;
  }

  fs::path dir_;
};

TEST_F(HostCliTest, HelpPrintsUsage) {
  Outcome r = run({"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("usage: tessaroll-host [--root DIR] [--plugin FILE] "
                       "[--keys FILE] [--transcript FILE]"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(r.err, "");
}

TEST_F(HostCliTest, BadCommandLineExits2WithUsage) {
  const std::vector<std::vector<std::string>> kBad = {
      {"--bogus"},
      {"plugin.so"},
      {"--root"},
      {"--plugin", BOXES_PLUGIN, "--keys"},
      {"--keys", ""},
      {"--plugin", BOXES_PLUGIN},  // no keys, and no terminal to draw on
      {"--keys", "/nonexistent/keys"},
      {"--keys", "-", "--transcript", "/nonexistent/dir/t.json"},
  };
  for (const auto& args : kBad) {
    std::string line;
    for (const std::string& a : args) line += a + " ";
    Outcome r = run(args);
    EXPECT_EQ(r.status, 2) << line;
    EXPECT_NE(r.err.find("usage: tessaroll-host"), std::string::npos) << line;
    EXPECT_EQ(r.out, "") << line;
  }
  EXPECT_NE(run({"--plugin", BOXES_PLUGIN}).err.find(
                "interactive mode not available"),
            std::string::npos);
}

TEST_F(HostCliTest, UnknownKeyIsReportedWithLineBeforeLoading) {
  // The plugin does not exist: the key file is checked first.
  Outcome r = run({"--plugin", "/nonexistent.so", "--keys",
               keys("# a comment\nok\n\nsave\n")});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("line 4: unknown key \"save\""), std::string::npos)
      << r.err;

  r = run({"--plugin", "/nonexistent.so", "--keys", "-"}, "ok\nEXIT\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("line 2: unknown key \"EXIT\""), std::string::npos)
      << r.err;
}

TEST_F(HostCliTest, PluginThatCannotBeUsedExits1) {
  writeFile(dir_ / "not_a_plugin.so", "text\n");
  const struct {
    std::string plugin;
    const char* message;
  } kCases[] = {
      {(dir_ / "missing.so").string(), "cannot load plugin"},
      {(dir_ / "not_a_plugin.so").string(), "cannot load plugin"},
      {NO_ENTRY_PLUGIN, "has no plugin_exec"},
  };
  for (const auto& c : kCases) {
    Outcome r = run({"--plugin", c.plugin, "--keys", keys("ok\n"),
                 "--transcript", "-"});
    EXPECT_EQ(r.status, 1) << c.plugin;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(c.plugin), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "") << c.plugin;
  }
}

TEST_F(HostCliTest, RunWritesEveryEventAndReturns) {
  fs::path transcript = dir_ / "transcript.jsonl";
  Outcome r = run({"--root", dir_.string(), "--plugin", BOXES_PLUGIN, "--keys",
               keys("right\nok\ntext:abc\ngreen\nok\n"), "--transcript",
               transcript.string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(readAll(transcript),
            "{\"event\":\"lock\"}\n"
            "{\"event\":\"messagebox\",\"caption\":\"Root\",\"text\":\"" +
                dir_.string() + "\",\"flags\":16}\n"
            "{\"event\":\"answer\",\"caption\":\"Root\",\"result\":-1}\n"
            "{\"event\":\"unlock\"}\n"
            "{\"event\":\"messagebox\",\"caption\":\"Question\","
            "\"text\":\"Caf\\u00e9?\",\"flags\":44}\n"
            "{\"event\":\"answer\",\"caption\":\"Question\",\"result\":8}\n"
            "{\"event\":\"window\",\"title\":\"Boxes\"}\n"
            "{\"event\":\"reload\"}\n"
            "{\"event\":\"return\",\"result\":11}\n");
}

TEST_F(HostCliTest, KeysFromStandardInputTranscriptToStandardOutput) {
  Outcome r = run({"--plugin", BOXES_PLUGIN, "--keys", "-", "--transcript", "-"},
              "ok\ngreen\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("{\"event\":\"messagebox\",\"caption\":\"Root\","
                       "\"text\":\"(no root)\",\"flags\":16}\n"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("{\"event\":\"return\",\"result\":4}\n"),
            std::string::npos)
      << r.out;
}

TEST_F(HostCliTest, KeysRunningOutExit3NamingTheWaitingWindow) {
  const struct {
    const char* keys;
    const char* waiting;
    const char* last_event;
  } kCases[] = {
      {"", "\"Question\"", "\"event\":\"messagebox\",\"caption\":\"Question\""},
      {"ok\n", "\"Boxes\"", "\"event\":\"window\""},
  };
  for (const auto& c : kCases) {
    Outcome r = run({"--plugin", BOXES_PLUGIN, "--keys", keys(c.keys),
                 "--transcript", "-"});
    EXPECT_EQ(r.status, 3) << c.keys;
    EXPECT_NE(r.err.find(c.waiting), std::string::npos) << r.err;
    // The transcript is complete up to the loop that waited.
    ASSERT_FALSE(r.out.empty());
    std::string last = r.out.substr(r.out.rfind('\n', r.out.size() - 2) + 1);
    EXPECT_NE(last.find(c.last_event), std::string::npos) << r.out;
  }
}

TEST_F(HostCliTest, DefaultPluginIsTessarollBesideTheProgram) {
  fs::copy_file(TESSAROLL_HOST, dir_ / "tessaroll-host");
  fs::permissions(dir_ / "tessaroll-host", fs::perms::owner_all);
  Outcome r = run({"--keys", keys("")}, "", (dir_ / "tessaroll-host").string());
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find((dir_ / "tessaroll.so").string()), std::string::npos)
      << r.err;

  fs::copy_file(BOXES_PLUGIN, dir_ / "tessaroll.so");
  r = run({"--keys", keys("ok\ngreen\n")}, "",
          (dir_ / "tessaroll-host").string());
  EXPECT_EQ(r.status, 0) << r.err;
}

}  // namespace
