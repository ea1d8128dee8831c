#pragma once

#include "host/imagesupport/ImageTableModel.h"
#include "host/imagesupport/QImageTableView.h"
#include "host/project/Project.h"
#include "host/project/ProjectContents.h"

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QItemSelectionModel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

/// Image files written for a test into a folder that goes with it.
class ImageFiles
{
public:
  QString path(const QString& name) const { return m_dir.filePath(name); }

  QString write(const QString& name, const QImage& image, int quality = -1) const
  {
    const QString file = path(name);
    EXPECT_TRUE(image.save(file, nullptr, quality)) << file.toStdString();
    return file;
  }

  QString plain(const QString& name, const QSize& size, const QColor& colour) const
  {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return write(name, image);
  }

  /// The first part of another file, as left by an interrupted copy.
  QString truncated(const QString& name, const QString& source, double part = 0.5) const
  {
    QFile in(source);
    EXPECT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray bytes = in.readAll();
    QFile out(path(name));
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes.left(int(bytes.size() * part)));
    return out.fileName();
  }

private:
  QTemporaryDir m_dir;
};

/// Cases 1..7 with "x" (real) and "kind" (text). Images, by first tag:
/// case 1 red "approved" (also "sharp"), case 2 green "rejected", case 3 blue "sharp" (also
/// "approved"), case 4 two yellow "approved", case 5 a missing "approved" file, case 6 a
/// truncated "approved" PNG, case 7 none. Tag groups "Review" and "Quality".
inline void loadImageProject(const ImageFiles& files)
{
  ProjectContents contents;
  contents.addVariable("x", Variable::Independent, ValueType::Real);
  contents.addVariable("kind", Variable::Other, ValueType::Text);
  const std::vector<std::pair<double, std::string>> values = {
    { 1.0, "a" }, { 2.0, "b" }, { 1.0, "b" }, { 3.0, "a" }, { 2.0, "a" }, { 3.0, "b" }, { 4.0, "a" }
  };
  for (uint64_t id = 1; id <= values.size(); ++id)
    contents.addRecord(id, { values[id - 1].first, values[id - 1].second });
  const QSize size(40, 30);
  auto add = [&](uint64_t caseId, const QString& file, std::vector<std::string> tags)
  { contents.addAuxFile(caseId, file.toStdString(), std::move(tags)); };
  add(1, files.plain("red.png", size, Qt::red), { "approved", "sharp" });
  add(2, files.plain("green.png", size, Qt::green), { "rejected" });
  add(3, files.plain("blue.png", size, Qt::blue), { "sharp", "approved" });
  add(4, files.plain("yellow-1.png", size, Qt::yellow), { "approved" });
  add(4, files.plain("yellow-2.png", size, Qt::yellow), { "approved" });
  add(5, files.path("missing.png"), { "approved" });
  add(
    6, files.truncated("truncated.png", files.plain("whole.png", size, Qt::gray)), { "approved" });
  contents.setTagGroups({ TagGroup("Review", { "approved", "rejected", "pending" }),
    TagGroup("Quality", { "sharp", "blurred" }) });
  Project::project().assign(std::move(contents));
}

inline std::string fileNameOf(const WeakPtr<AuxFile>& image)
{
  const auto auxFile = image.lock();
  return auxFile ? QFileInfo(QString::fromStdString(auxFile->filePath())).fileName().toStdString()
                 : std::string();
}

inline std::vector<std::string> namesOf(const std::vector<WeakPtr<AuxFile>>& images)
{
  std::vector<std::string> names;
  for (const auto& image : images)
    names.push_back(fileNameOf(image));
  return names;
}

/// The cell of an image matrix showing the file.
inline QModelIndex cellOf(QImageTableView& table, const std::string& fileName)
{
  auto& model = dynamic_cast<ImageTableModel&>(*table.model());
  for (int row = 0; row < model.rowCount(); ++row)
    for (int column = 0; column < model.columnCount(); ++column)
      if (fileNameOf(model.imageAt(model.index(row, column))) == fileName)
        return model.index(row, column);
  return QModelIndex();
}

inline void selectCells(QAbstractItemView& view, const std::vector<QModelIndex>& cells)
{
  QItemSelection selection;
  for (const auto& cell : cells)
    selection.select(cell, cell);
  view.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}
