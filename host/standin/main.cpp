// tessaroll-host: loads a plugin and enters it through plugin_exec, as the
// receiver does, with the keys of a headless run taken from a file, or
// interactively in the terminal.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "host/plugin.h"
#include "host/standin/root.h"
#include "host/standin/session.h"
#include "host/standin/terminal.h"

namespace {

constexpr int kExitCannotLoad = 1;
constexpr int kExitUsage = 2;

const char kUsage[] =
    "usage: tessaroll-host [--root DIR] [--plugin FILE] [--keys FILE]"
    " [--transcript FILE] [--help]\n"
    "  --root DIR         take every absolute path inside DIR\n"
    "  --plugin FILE      the plugin to load (default: tessaroll.so beside"
    " the program)\n"
    "  --keys FILE        headless run: one key a line from FILE"
    " (\"-\": standard input);\n"
    "                     without it the host runs in the terminal\n"
    "  --transcript FILE  one JSON event a line to FILE"
    " (\"-\": standard output)\n"
    "  --help             this text\n";

struct Options {
  std::string root;
  std::string plugin;
  std::string keys;
  std::string transcript;
  bool help = false;
};

[[noreturn]] void usageError(const std::string& message) {
  std::cerr << "tessaroll-host: " << message << "\n" << kUsage;
  std::exit(kExitUsage);
}

Options parseCommandLine(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--help") {
      options.help = true;
      continue;
    }
    std::string* value = arg == "--root"         ? &options.root
                         : arg == "--plugin"     ? &options.plugin
                         : arg == "--keys"       ? &options.keys
                         : arg == "--transcript" ? &options.transcript
                                                 : nullptr;
    if (!value) usageError("unknown argument \"" + arg + "\"");
    if (i + 1 >= argc) usageError(arg + " needs a value");
    *value = argv[++i];
    if (value->empty()) usageError(arg + " needs a value");
  }
  return options;
}

std::string besideProgram(const char* name) {
  std::vector<char> buf(4096);
  ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
  std::string exe = n > 0 ? std::string(buf.data(), n) : std::string();
  size_t slash = exe.rfind('/');
  if (slash == std::string::npos) return name;
  return exe.substr(0, slash + 1) + name;
}

std::vector<standin::Key> readKeyFile(const std::string& path) {
  std::vector<standin::Key> keys;
  std::string error;
  bool ok;
  if (path == "-") {
    ok = standin::readKeys(std::cin, &keys, &error);
  } else {
    std::ifstream in(path, std::ios::binary);
    if (!in) usageError("cannot read key file \"" + path + "\"");
    ok = standin::readKeys(in, &keys, &error);
  }
  if (!ok) usageError((path == "-" ? "standard input" : path) + ": " + error);
  return keys;
}

}  // namespace

int main(int argc, char** argv) {
  Options options = parseCommandLine(argc, argv);
  if (options.help) {
    std::cout << kUsage;
    return 0;
  }
  std::unique_ptr<standin::KeySource> keys;
  if (!options.keys.empty()) {
    keys = std::make_unique<standin::ScriptedKeys>(readKeyFile(options.keys));
  }

  std::ofstream transcript_file;
  if (options.transcript == "-") {
    standin::setTranscript(&std::cout);
  } else if (!options.transcript.empty()) {
    transcript_file.open(options.transcript, std::ios::binary);
    if (!transcript_file) {
      usageError("cannot write transcript \"" + options.transcript + "\"");
    }
    standin::setTranscript(&transcript_file);
  }

  if (!options.root.empty()) {
    standin::setRoot(options.root);
    // The plugin's file layer takes its root from the environment.
    setenv("TESSAROLL_ROOT", options.root.c_str(), 1);
  }

  std::string plugin =
      options.plugin.empty() ? besideProgram("tessaroll.so") : options.plugin;
  void* handle = dlopen(plugin.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    std::cerr << "tessaroll-host: cannot load plugin " << plugin << ": "
              << dlerror() << "\n";
    return kExitCannotLoad;
  }
  auto* entry = reinterpret_cast<decltype(&plugin_exec)>(
      dlsym(handle, "plugin_exec"));
  if (!entry) {
    std::cerr << "tessaroll-host: plugin " << plugin
              << " has no plugin_exec\n";
    return kExitCannotLoad;
  }

  if (!keys) {
    std::string error;
    keys = standin::openTerminal(&error);
    if (!keys) usageError(error);
  }
  standin::setKeySource(keys.get());
  int result = entry(nullptr);
  standin::recordEvent("return", {{"result", result}});
  standin::setKeySource(nullptr);
  keys.reset();
  standin::setTranscript(nullptr);
  return 0;
}
