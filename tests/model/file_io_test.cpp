// Whole-file writes and reads on real files: groups written all or nothing,
// names at the length limit, kept permission bits, and inputs that are not
// regular files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "model/FileIo.h"
#include "model/PlaFile.h"
#include "model/SchemeFile.h"
#include "model/SequenceFile.h"
#include "model/TempDir.h"

namespace lodex {
namespace {

namespace fs = std::filesystem;
using testing::CTempDir;
using testing::ReadBytes;
using testing::WriteBytes;

TEST(FileIo, AGroupIsWrittenWholeOrNotAtAll) {
  CTempDir dir;
  const std::string a = dir.File("a.vhd"), b = dir.File("b.vhd");
  WriteBytes(a, "old a");
  // The second target is a folder's child that cannot be made: nothing changes.
  const Status failed = WriteFilesAtomically({{a, "new a"}, {dir.File("missing/b.vhd"), "new b"}});
  EXPECT_FALSE(failed.ok());
  EXPECT_EQ(ReadBytes(a), "old a");
  ASSERT_TRUE(WriteFilesAtomically({{a, "new a"}, {b, "new b"}}).ok());
  EXPECT_EQ(ReadBytes(a), "new a");
  EXPECT_EQ(ReadBytes(b), "new b");

  // The same file twice, however named, is refused before anything is written.
  const std::string twice = dir.File("./a.vhd");
  const Status same = WriteFilesAtomically({{a, "x"}, {twice, "y"}});
  EXPECT_FALSE(same.ok());
  EXPECT_NE(same.message().find("twice"), std::string::npos) << same.message();
  EXPECT_EQ(ReadBytes(a), "new a");
  fs::create_hard_link(a, dir.File("link.vhd"));
  EXPECT_TRUE(SameFile(a, dir.File("link.vhd")));
  EXPECT_TRUE(SameFile(dir.File("new.vhd"), dir.File("sub/../new.vhd")));
  EXPECT_FALSE(SameFile(a, b));
  // No temporary file is left behind.
  int files = 0;
  for (const auto& entry : fs::directory_iterator(dir.Path())) files += entry.is_regular_file() ? 1 : 0;
  EXPECT_EQ(files, 3);
}

TEST(FileIo, ALongNameFitsAndAReplacedFileKeepsItsPermissions) {
  CTempDir dir;
  const std::string longName = dir.File(std::string(250, 'n') + ".vhd");  // 254 characters
  ASSERT_TRUE(WriteFileAtomically(longName, "text").ok());
  EXPECT_EQ(ReadBytes(longName), "text");

  const std::string kept = dir.File("kept.lof");
  WriteBytes(kept, "0");
  fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(WriteSequenceFile(kept, "0110").ok());
  EXPECT_EQ(fs::status(kept).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(FileIo, WhatIsNotARegularFileIsRefusedWithoutWaiting) {
  CTempDir dir;
  const std::string pipe = dir.File("p.shc");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  std::string text;
  const Status read = ReadWholeFile(pipe, text, 100);
  EXPECT_EQ(read.message(), "cannot open '" + pipe + "': it is not a regular file");
  CLogicalScheme scheme;
  EXPECT_FALSE(LoadSchemeFile(pipe, scheme).ok());
  EXPECT_FALSE(ReadSequenceFile(pipe, text).ok());
  CPlaFunction f;
  EXPECT_NE(ReadPlaFile(pipe, f).message().find("not a regular file"), std::string::npos);
  EXPECT_NE(ReadWholeFile(dir.Path().string(), text, 100).message().find("folder"), std::string::npos);
  EXPECT_NE(ReadWholeFile(dir.File("none"), text, 100).message().find("No such file"), std::string::npos);
  EXPECT_TRUE(CheckRegularFile(pipe).message().find("not a regular file") != std::string::npos);
}

}  // namespace
}  // namespace lodex
