#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include "tests/support/sandbox.h"

namespace {

const char kDefaults[] =
    "use.0=1\nsub.0=0\nname.0=/hdd/movie\neit1.0=1\neit2.0=0\ndir.0=0\nnew.0=\n"
    "use.1=0\nsub.1=0\nname.1=\neit1.1=0\neit2.1=0\ndir.1=0\nnew.1=\n"
    "use.2=0\nsub.2=0\nname.2=\neit1.2=0\neit2.2=0\ndir.2=0\nnew.2=\n"
    "use.3=0\nsub.3=0\nname.3=\neit1.3=0\neit2.3=0\ndir.3=0\nnew.3=\n"
    "use.4=0\nsub.4=0\nname.4=\neit1.4=0\neit2.4=0\ndir.4=0\nnew.4=\n";

TEST(Settings, FirstStartCreatesTheDefaults) {
  Sandbox box;
  box.mkdir("/var/etc");
  ASSERT_TRUE(createDefaultSettings());
  EXPECT_EQ(box.read("/var/etc/tsr.conf"), kDefaults);
  EXPECT_FALSE(loadSortByDate());
  StoredRow row0 = loadRow(0);
  EXPECT_TRUE(row0.use && row0.eit1);
  EXPECT_FALSE(row0.sub || row0.eit2 || row0.dir);
  EXPECT_EQ(row0.name, eString("/hdd/movie"));
  EXPECT_EQ(row0.newname, eString(""));

  // An existing file is left alone.
  box.write("/var/etc/tsr.conf", "use.0=0\n");
  ASSERT_TRUE(createDefaultSettings());
  EXPECT_EQ(box.read("/var/etc/tsr.conf"), "use.0=0\n");
}

TEST(Settings, LoadTakesOnlyOneAsChecked) {
  Sandbox box;
  box.write("/var/etc/tsr.conf",
            "use.2=yes\nsub.2=1\nname.2=/hdd/a=b\neit1.2=1 \ndir.2=01\n"
            "new.2=USB\nsortbydate=1\nuse.3=1\nuse.3=0\n");
  StoredRow row2 = loadRow(2);
  EXPECT_FALSE(row2.use);
  EXPECT_TRUE(row2.sub);
  EXPECT_FALSE(row2.eit1);
  EXPECT_FALSE(row2.eit2);
  EXPECT_FALSE(row2.dir);
  EXPECT_EQ(row2.name, eString("/hdd/a=b"));
  EXPECT_EQ(row2.newname, eString("USB"));
  EXPECT_TRUE(loadSortByDate());
  StoredRow row3 = loadRow(3);
  EXPECT_TRUE(row3.use);  // the first of two lines wins
  EXPECT_FALSE(row3.name.has_value());
  EXPECT_FALSE(row3.newname.has_value());
}

TEST(Settings, SaveWritesAllRowsAndTheSortChoice) {
  Sandbox box;
  box.mkdir("/var/etc");
  ScanRows rows;
  rows[1] = {true, true, "/hdd/movie/docs", false, true, true, "USB"};
  rows[4].name = "/media/hdd";
  ASSERT_TRUE(saveSettings(rows, "sort by Date"));
  std::string expected = kDefaults;
  auto replace = [&](const std::string& from, const std::string& to) {
    expected.replace(expected.find(from), from.size(), to);
  };
  replace("use.0=1", "use.0=0");
  replace("name.0=/hdd/movie", "name.0=");
  replace("eit1.0=1", "eit1.0=0");
  replace("use.1=0\nsub.1=0\nname.1=\neit1.1=0\neit2.1=0\ndir.1=0\nnew.1=\n",
          "use.1=1\nsub.1=1\nname.1=/hdd/movie/docs\neit1.1=0\neit2.1=1\n"
          "dir.1=1\nnew.1=USB\n");
  replace("name.4=", "name.4=/media/hdd");
  EXPECT_EQ(box.read("/var/etc/tsr.conf"), expected + "sortbydate=1\n");

  ASSERT_TRUE(saveSettings(rows, "sort by Name"));
  EXPECT_EQ(box.read("/var/etc/tsr.conf"), expected + "sortbydate=0\n");
  EXPECT_FALSE(box.exists("/var/etc/tsr.conf.new"));
}

TEST(Settings, LineBreaksCannotBreakTheFile) {
  Sandbox box;
  box.mkdir("/var/etc");
  ScanRows rows;
  rows[0].name = "/hdd/a\nuse.1=1";
  rows[0].newname = "two\nlines";
  ASSERT_TRUE(saveSettings(rows, "sort by Name"));
  EXPECT_EQ(loadRow(0).name, eString("/hdd/a use.1=1"));
  EXPECT_EQ(loadRow(0).newname, eString("two lines"));
  EXPECT_FALSE(loadRow(1).use);
}

TEST(Settings, AFailedSaveKeepsThePreviousFile) {
  Sandbox box;
  box.write("/var/etc/tsr.conf", kDefaults);
  struct FailingFs : fsys::FileSystemWrapper {
    using FileSystemWrapper::FileSystemWrapper;
    std::unique_ptr<fsys::WritableFile> openForWrite(const std::string& p) override {
      return fail_open ? nullptr : FileSystemWrapper::openForWrite(p);
    }
    bool rename(const std::string& a, const std::string& b) override {
      return !fail_rename && FileSystemWrapper::rename(a, b);
    }
    bool fail_open = false, fail_rename = false;
  } failing(box.fs());
  fsys::setFileSystem(&failing);
  ScanRows rows;

  failing.fail_open = true;
  EXPECT_FALSE(saveSettings(rows, "sort by Name"));
  failing.fail_open = false;
  failing.fail_rename = true;
  EXPECT_FALSE(saveSettings(rows, "sort by Name"));
  EXPECT_EQ(box.read("/var/etc/tsr.conf"), kDefaults);
  EXPECT_FALSE(box.exists("/var/etc/tsr.conf.new"));

  // No settings at all, and none can be created: nothing is checked.
  ::unlink(box.real("/var/etc/tsr.conf").c_str());
  failing.fail_open = true;
  EXPECT_FALSE(createDefaultSettings());
  EXPECT_FALSE(loadRow(0).use);
  EXPECT_FALSE(loadRow(0).name.has_value());
  fsys::setFileSystem(&box.fs());
}

}  // namespace
