#include "tests/support/sandbox.h"

#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "host/standin/root.h"

namespace stdfs = std::filesystem;

Sandbox::Sandbox() {
  std::string tmpl = (stdfs::temp_directory_path() / "tessaroll-XXXXXX").string();
  if (!::mkdtemp(tmpl.data())) std::abort();
  root_ = tmpl;
  fs_ = fsys::makeRealFileSystem(root_);
  fsys::setFileSystem(fs_.get());
  standin::setRoot(root_);
}

Sandbox::~Sandbox() {
  fsys::setFileSystem(nullptr);
  standin::setRoot("");
  std::error_code ec;
  stdfs::remove_all(root_, ec);
}

void Sandbox::mkdir(const std::string& path) {
  stdfs::create_directories(real(path));
}

void Sandbox::write(const std::string& path, const std::string& content,
                    int64_t mtime) {
  stdfs::create_directories(stdfs::path(real(path)).parent_path());
  std::ofstream(real(path), std::ios::binary) << content;
  if (mtime >= 0) {
    struct timeval times[2] = {{static_cast<time_t>(mtime), 0},
                               {static_cast<time_t>(mtime), 0}};
    ASSERT_EQ(::utimes(real(path).c_str(), times), 0) << path;
  }
}

std::string Sandbox::read(const std::string& path) const {
  std::ifstream in(real(path), std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

bool Sandbox::exists(const std::string& path) const {
  struct stat st;
  return ::lstat(real(path).c_str(), &st) == 0;
}

void Sandbox::symlink(const std::string& target, const std::string& path) {
  stdfs::create_directories(stdfs::path(real(path)).parent_path());
  ASSERT_EQ(::symlink(target.c_str(), real(path).c_str()), 0) << path;
}

std::string eitWithDescriptors(const std::string& descriptors) {
  std::string eit(12, '\0');
  eit[10] = static_cast<char>(0xF0 | ((descriptors.size() >> 8) & 0x0F));
  eit[11] = static_cast<char>(descriptors.size() & 0xFF);
  return eit + descriptors;
}

std::string eitWithShortEvent(const std::string& name, const std::string& text) {
  std::string body = "deu";
  body += static_cast<char>(name.size());
  body += name;
  body += static_cast<char>(text.size());
  body += text;
  std::string descriptor = "\x4D";
  descriptor += static_cast<char>(body.size());
  return eitWithDescriptors(descriptor + body);
}

std::string playlistRecord(const std::string& path,
                           const std::string& description) {
  const bool ts = path.find(".ts") != std::string::npos;
  return std::string("#SERVICE: ") + (ts ? "1" : "4096") +
         ":0:1:0:1:0:0:0:0:0:" + path + "\n#DESCRIPTION: " + description +
         "\n#TYPE 16385\n" + path + "\n";
}
