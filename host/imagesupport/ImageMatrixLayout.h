#pragma once

#include "host/common/Variant.h"
#include "host/project/WeakPtr.h"
#include "host/viewsupport/ImageMatrixViewProperties.h"

#include <QString>
#include <vector>

class AuxFile;
class Variable;

/// Where each image of a matrix goes. Images are first narrowed to those whose first tag is to
/// be shown (all of them when no tag is chosen) and to the current page. Rows and columns then
/// each take one key per distinct tag or variable value (tags in the order chosen, values
/// ascending); images sharing a row and column key sit side by side in extra columns. With
/// neither rows nor columns laid out, the images wrap into rows of a given width.
class ImageMatrixLayout
{
public:
  struct Options
  {
    ImageMatrixViewProperties::RowColumnDimensionBy rowsBy = ImageMatrixViewProperties::ByNothing;
    ImageMatrixViewProperties::RowColumnDimensionBy columnsBy =
      ImageMatrixViewProperties::ByNothing;
    ImageMatrixViewProperties::PageDimensionBy pagesBy = ImageMatrixViewProperties::PageByVariable;
    WeakPtr<Variable> rowVar;
    WeakPtr<Variable> columnVar;
    WeakPtr<Variable> pageVar;
    Variant pageValue;
    std::vector<std::string> tags;
    int wrapColumns = 1;
  };

  static Options optionsOf(const ImageMatrixViewProperties& properties, int wrapColumns);
  static ImageMatrixLayout build(const std::vector<WeakPtr<AuxFile>>& images,
    const Options& options);

  int rowCount() const { return m_rows; }
  int columnCount() const { return m_columns; }
  /// Null where the cell is empty.
  WeakPtr<AuxFile> imageAt(int row, int column) const;
  const QString& rowHeader(int row) const { return m_rowHeaders.at(row); }
  const QString& columnHeader(int column) const { return m_columnHeaders.at(column); }

  /// The page values (tags or variable values); one null value when not paged.
  const std::vector<Variant>& pages() const { return m_pages; }
  int currentPage() const { return m_currentPage; }
  bool operator==(const ImageMatrixLayout& other) const;
  bool operator!=(const ImageMatrixLayout& other) const { return !(*this == other); }

  /// Every image placed, row by row.
  std::vector<WeakPtr<AuxFile>> placedImages() const;

private:
  std::vector<WeakPtr<AuxFile>> m_cells;
  int m_rows = 0;
  int m_columns = 0;
  std::vector<QString> m_rowHeaders;
  std::vector<QString> m_columnHeaders;
  std::vector<Variant> m_pages;
  int m_currentPage = 0;
};
