#include "tests/analyzer/dataviews/table/TableFixture.h"

#include "analyzer/dataviews/table/ConstraintVizCellDecorator.h"
#include "analyzer/dataviews/table/ConstraintVizProxyModel.h"
#include "analyzer/dataviews/table/TableRoles.h"
#include "analyzer/dataviews/table/TableView.h"
#include "host/pipeline/RangeFilter.h"
#include "tests/support/QtMessageGuard.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QStyledItemDelegate>
#include <QTableView>

namespace
{

const QColor shade(247, 232, 222);
const QColor caret(174, 174, 174);

// Case 11 has x = 0, so x's range is 0..10.
struct ConstraintVizTest : TableFixture
{
  boost::shared_ptr<TableView> view;
  ConstraintVizProxyModel* model = nullptr;
  boost::shared_ptr<RangeFilter> filter;

  void SetUp() override
  {
    TableFixture::SetUp();
    view = boost::make_shared<TableView>(pipeline, selection, parent);
    model = qobject_cast<ConstraintVizProxyModel*>(view->tableView().model());
    filter = boost::make_shared<RangeFilter>(Project::project().variable("x"), 2.0, 8.0);
    pipeline->addFilter(filter);
  }

  QModelIndex xCell(uint64_t caseId) const { return model->index(rowOfCase(*model, caseId), 1); }

  // A 104 x 20 cell painted on white: the usable width is 100 pixels starting at x = 2.
  QImage paintCell(const QModelIndex& index,
    bool selected = false,
    const QColor& highlight = QColor(200, 220, 255)) const
  {
    QImage image(104, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 104, 20);
    option.palette.setColor(QPalette::Text, Qt::black);
    option.palette.setColor(QPalette::HighlightedText, Qt::black);
    option.palette.setColor(QPalette::Highlight, highlight);
    if (selected)
      option.state |= QStyle::State_Selected;
    view->tableView().itemDelegate()->paint(&painter, option, index);
    return image;
  }
};

bool hasReddishPixel(const QImage& image)
{
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
    {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 150 && c.green() < 100 && c.blue() < 100)
        return true;
    }
  return false;
}

} // namespace

TEST_F(ConstraintVizTest, ShadesExcludedPartsOnlyAndMarksTheValue)
{
  const auto shaded = model->shadedRange(1);
  ASSERT_TRUE(shaded.has_value());
  EXPECT_DOUBLE_EQ(shaded->first, 0.2);
  EXPECT_DOUBLE_EQ(shaded->second, 0.8);
  EXPECT_FALSE(model->shadedRange(2).has_value()) << "no filter on n";
  EXPECT_DOUBLE_EQ(xCell(5).data(ValuePositionRole).toDouble(), 0.5);
  EXPECT_FALSE(xCell(7).data(ValuePositionRole).isValid()) << "NaN has no position";

  const QImage image = paintCell(xCell(5));
  EXPECT_EQ(image.pixelColor(10, 15), shade) << "left 20 % excluded";
  EXPECT_EQ(image.pixelColor(95, 15), shade) << "right 20 % excluded";
  EXPECT_EQ(image.pixelColor(30, 15), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(80, 15), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(52, 3), caret) << "caret tip above the middle of the usable width";
  EXPECT_EQ(image.pixelColor(49, 0), caret);
  EXPECT_EQ(image.pixelColor(55, 0), caret);

  // A filter that does not narrow shades nothing; a change of it updates its column.
  filter->setRange(0.0, 10.0);
  EXPECT_FALSE(model->shadedRange(1).has_value());
  const QImage unshaded = paintCell(xCell(5));
  EXPECT_EQ(unshaded.pixelColor(10, 15), QColor(Qt::white));

  filter->setRange(1.0, 10.0);
  ASSERT_TRUE(model->shadedRange(1).has_value()) << "a single filter's change updates its column";
  EXPECT_DOUBLE_EQ(model->shadedRange(1)->first, 0.1);
  pipeline->removeFilter(filter);
  EXPECT_FALSE(model->shadedRange(1).has_value()) << "removing the filter removes the shading";
}

TEST_F(ConstraintVizTest, ViolatingValuesAreRedAlsoWhenSelected)
{
  EXPECT_TRUE(xCell(9).data(ConstraintViolationRole).toBool());
  EXPECT_FALSE(xCell(5).data(ConstraintViolationRole).toBool());
  EXPECT_TRUE(hasReddishPixel(paintCell(xCell(9))));
  EXPECT_TRUE(hasReddishPixel(paintCell(xCell(9), true)));
  EXPECT_FALSE(hasReddishPixel(paintCell(xCell(5))));
  // Selected rows use a light colour that red text stays readable on.
  const QPalette palette = view->tableView().palette();
  EXPECT_GT(palette.color(QPalette::Active, QPalette::Highlight).lightness(), 180);
  EXPECT_GT(palette.color(QPalette::Inactive, QPalette::Highlight).lightness(), 180);
}

TEST_F(ConstraintVizTest, FilterSetChangesRepaintEveryCell)
{
  QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
  const auto coversAll = [&]
  {
    const int rows = model->rowCount();
    const int columns = model->columnCount();
    for (const auto& arguments : changed)
      if (arguments.at(0).toModelIndex() == model->index(0, 0) &&
          arguments.at(1).toModelIndex() == model->index(rows - 1, columns - 1))
        return true;
    return false;
  };
  const QModelIndex nOfCase1 = model->index(rowOfCase(*model, 1), 2);

  // n runs from 0 to 20.
  auto onN = boost::make_shared<RangeFilter>(Project::project().variable("n"), 4.0, 16.0);
  pipeline->addFilter(onN);
  EXPECT_TRUE(coversAll()) << "adding a filter";
  ASSERT_TRUE(model->shadedRange(2).has_value());
  EXPECT_DOUBLE_EQ(model->shadedRange(2)->first, 0.2);
  EXPECT_TRUE(nOfCase1.data(ConstraintViolationRole).toBool());

  changed.clear();
  pipeline->removeFilter(onN);
  EXPECT_TRUE(coversAll()) << "removing a filter";
  EXPECT_FALSE(model->shadedRange(2).has_value());
  EXPECT_FALSE(nOfCase1.data(ConstraintViolationRole).toBool());

  changed.clear();
  UndoStack::qUndoStack().undo();
  EXPECT_TRUE(coversAll()) << "undoing the removal";
  EXPECT_TRUE(model->shadedRange(2).has_value());
  EXPECT_TRUE(nOfCase1.data(ConstraintViolationRole).toBool());
  EXPECT_TRUE(model->shadedRange(1).has_value()) << "the filter on x stays";
}
