#include "host/filesystem/FileInfo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FileInfo, AnswersForExistingMissingAndRelativeFiles)
{
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString path = folder.filePath("plots/view1.png");
  QDir(folder.path()).mkpath("plots");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();

  const FileInfo existing(path.toStdString());
  EXPECT_EQ(existing.absolutePath(), path);
  EXPECT_EQ(existing.directory(), folder.filePath("plots"));
  EXPECT_EQ(existing.fileName(), "view1.png");
  EXPECT_EQ(existing.suffix(), "png");
  EXPECT_TRUE(existing.exists());
  EXPECT_TRUE(existing.isReadable());
  EXPECT_TRUE(existing.isWritable());
  EXPECT_EQ(existing.pathRelativeTo(folder.path()), "plots/view1.png");
  EXPECT_EQ(existing.pathRelativeTo(folder.filePath("plots/other")), path);

  const FileInfo missing(folder.filePath("plots/new.csv"));
  EXPECT_FALSE(missing.exists());
  EXPECT_TRUE(missing.isWritable());
  EXPECT_FALSE(FileInfo(folder.filePath("nowhere/new.csv")).isWritable());

  EXPECT_EQ(FileInfo::resolve("images/../a.png", "/data/run"), "/data/run/a.png");
  EXPECT_EQ(FileInfo::resolve("/abs/a.png", "/data/run"), "/abs/a.png");
  EXPECT_EQ(FileInfo(std::string("rel.png")).absolutePath(), QDir::current().filePath("rel.png"));
}
