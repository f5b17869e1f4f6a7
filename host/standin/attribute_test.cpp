#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "host/services.h"
#include "host/standin/root.h"

namespace {

// A fresh directory per test, used as the host's root.
class AttributeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/attribute_test.XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
    standin::setRoot("");
  }
  void TearDown() override {
    standin::setRoot("");
    std::filesystem::remove_all(dir_);
  }
  std::string write(const std::string& name, const std::string& content) {
    std::string path = dir_ + "/" + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }
  std::string dir_;
};

struct LookupCase {
  const char* content;
  const char* key;
  const char* expected;
};

TEST_F(AttributeTest, Lookup) {
  const LookupCase kCases[] = {
      {"use.1=1\n", "use.1", "1"},
      {"use.10=0\nuse.1=1\n", "use.1", "1"},  // not a prefix match
      {"xuse.1=0\nuse.1=1\n", "use.1", "1"},  // not a suffix match
      {"use.1 =0\nuse.1=1\n", "use.1", "1"},  // no trimming of the key
      {"use.1=1\n", "use.10", "&nbsp;"},
      {"use.1=1\n", "use", "&nbsp;"},
      {"use.1\nname.1=/hdd\n", "use.1", "&nbsp;"},  // a line without "="
      {"use.1=a\nuse.1=b\n", "use.1", "a"},         // the first line wins
      {"name.0=/a=b\n", "name.0", "/a=b"},          // the first "=" splits
      {"new.0=\n", "new.0", ""},                    // an empty value is a value
      {"new.0= x \n", "new.0", " x "},
      {"name.0=/hdd/movie", "name.0", "/hdd/movie"},  // last line without "\n"
      {"name.0=/hdd/movie\r\n", "name.0", "/hdd/movie\r"},
      {"a=1\n\n\nb=2\n", "b", "2"},
      {"", "a", "&nbsp;"},
      {"=x\n", "", "x"},
  };
  for (const LookupCase& c : kCases) {
    const std::string path = write("tsr.conf", c.content);
    EXPECT_EQ(getAttribute(path, c.key), c.expected)
        << "key '" << c.key << "' in '" << c.content << "'";
  }
}

TEST_F(AttributeTest, MissingOrUnreadableFile) {
  EXPECT_EQ(getAttribute(dir_ + "/absent.conf", "a"), "&nbsp;");
  EXPECT_EQ(getAttribute(dir_, "a"), "&nbsp;");  // a directory
  EXPECT_EQ(getAttribute("", "a"), "&nbsp;");
}

TEST_F(AttributeTest, LongLinesAndBinaryContent) {
  const std::string long_value(1 << 20, 'v');
  std::string content = std::string(100000, 'x') + "\n";
  content += std::string("bin\0ary=\xff\x00z\n", 12);
  content += "k=" + long_value + "\n";
  const std::string path = write("big.conf", content);
  const eString got = getAttribute(path, "k");
  EXPECT_EQ(got.size(), long_value.size());
  EXPECT_TRUE(got == long_value);  // not EXPECT_EQ: a megabyte on failure
  EXPECT_EQ(getAttribute(path, std::string("bin\0ary", 7)),
            std::string("\xff\x00z", 3));
  EXPECT_EQ(getAttribute(path, "x"), "&nbsp;");
}

TEST_F(AttributeTest, ReadsInsideTheRoot) {
  std::filesystem::create_directories(dir_ + "/var/etc");
  write("var/etc/tsr.conf", "name.0=/hdd/movie\n");
  standin::setRoot(dir_);
  EXPECT_EQ(getAttribute("/var/etc/tsr.conf", "name.0"), "/hdd/movie");
  standin::setRoot(dir_ + "/var");
  EXPECT_EQ(getAttribute("/var/etc/tsr.conf", "name.0"), "&nbsp;");
}

struct RootCase {
  const char* root;
  const char* path;
  const char* expected;
};

TEST(RootTest, Rooted) {
  const RootCase kCases[] = {
      {"/sb", "/hdd/movie", "/sb/hdd/movie"},
      {"/sb/", "/hdd/movie", "/sb/hdd/movie"},
      {"/sb", "/", "/sb/"},
      {"/sb", "hdd/movie", "hdd/movie"},  // relative paths stand as they are
      {"/sb", "", ""},                    // so an empty one still fails to open
      {"", "/hdd/movie", "/hdd/movie"},
      {"/", "/hdd/movie", "/hdd/movie"},
      {"//", "/hdd/movie", "/hdd/movie"},
      {"rel", "/a", "rel/a"},
  };
  for (const RootCase& c : kCases) {
    standin::setRoot(c.root);
    EXPECT_EQ(standin::rooted(c.path), c.expected)
        << "root '" << c.root << "' path '" << c.path << "'";
  }
  standin::setRoot("");
}

}  // namespace
