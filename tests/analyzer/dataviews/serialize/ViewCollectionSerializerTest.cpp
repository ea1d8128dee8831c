#include "analyzer/dataviews/serialize/ViewCollectionSerializer.h"
#include "analyzer/dataviews/DataViewManagerInterface.h"
#include "analyzer/dataviews/DataViewVisitorInterface.h"
#include "analyzer/dataviews/SelectedCasesViewInterface.h"
#include "analyzer/dataviews/TableViewInterface.h"
#include "analyzer/dataviews/serialize/GenericSerializer.h"
#include "host/serialization/NullSerializer.h"
#include "host/viewsupport/DataViewAbstract.h"
#include "property/Property.h"
#include "tests/host/serialization/XmlText.h"

#include <QWidget>
#include <boost/enable_shared_from_this.hpp>
#include <boost/make_shared.hpp>

using testsupport::readXml;
using testsupport::xmlText;

namespace
{

using IntProperty = vantor::Property<int>;

// What every test view does the same way; the setting "Rows" is written under its element.
template<class Interface>
class TestView
  : public virtual Interface
  , public DataViewAbstract
{
public:
  TestView(const std::string& domName, int rows)
    : DataViewAbstract(std::make_unique<Serializer>(domName), nullptr)
    , rows(boost::make_shared<IntProperty>(rows))
  {
    auto& serializer = static_cast<Serializer&>(DataViewAbstract::serializer());
    serializer.addSubElement(boost::make_shared<GenericSerializer<int>>("Rows", this->rows));
  }

  explicit TestView(std::unique_ptr<SerializerInterface> serializer)
    : DataViewAbstract(std::move(serializer), nullptr)
    , rows(boost::make_shared<IntProperty>(0))
  {
  }

  void suspend() override {}
  void resume() override {}
  std::string title() const override { return domName(); }
  SerializerInterface& serializer() override { return DataViewAbstract::serializer(); }
  std::string domName() const override { return DataViewAbstract::domName(); }
  void adjustSelectionForMouseClickAtPoint() override {}
  boost::shared_ptr<vantor::PropertyAbstract<DataViewInterface::MouseMode>> mouseMode() override
  {
    return nullptr;
  }
  void render() override {}
  int width() const override { return 0; }
  int height() const override { return 0; }

  boost::shared_ptr<IntProperty> rows;
};

class TestTableView
  : public TestView<TableViewInterface>
  , public boost::enable_shared_from_this<TestTableView>
{
public:
  using TestView::TestView;
  void accept(DataViewVisitorInterface& visitor) override { visitor.visit(shared_from_this()); }
  boost::shared_ptr<vantor::PropertyAbstract<bool>> useFilters() override { return nullptr; }
};

class TestSelectedCasesView
  : public TestView<SelectedCasesViewInterface>
  , public boost::enable_shared_from_this<TestSelectedCasesView>
{
public:
  using TestView::TestView;
  void accept(DataViewVisitorInterface& visitor) override { visitor.visit(shared_from_this()); }
  std::set<uint64_t> selections() const override { return {}; }
};

// Makes test views for tables and the selected-cases view; every other kind is only recorded.
class TestManager : public DataViewManagerInterface
{
public:
  boost::shared_ptr<TableViewInterface> addTableView() override
  {
    calls.push_back("addTableView");
    auto view = boost::make_shared<TestTableView>("TableView", 0);
    views.push_back(view);
    return view;
  }
  boost::shared_ptr<SelectedCasesViewInterface> addSelectedCasesView(QWidget&) override
  {
    calls.push_back("addSelectedCasesView");
    auto view = boost::make_shared<TestSelectedCasesView>("SelectedCasesView", 0);
    views.push_back(view);
    return view;
  }
  boost::shared_ptr<ScatterPlot3DInterface> add3DScatterView() override
  {
    return record("add3DScatterView");
  }
  boost::shared_ptr<ImageMatrixViewInterface> addImageView() override
  {
    return record("addImageView");
  }
  boost::shared_ptr<SelectedImageViewInterface> addSelectedImageView(
    const std::set<uint64_t>& caseIds) override
  {
    return record(caseIds.empty() ? "addSelectedImageView" : "addSelectedImageView with cases");
  }
  boost::shared_ptr<ImageDiffViewInterface> addImageDiffView(AuxFilePtr,
    const std::vector<AuxFilePtr>&,
    bool,
    boost::shared_ptr<vantor::PropertyAbstract<std::vector<VariablePtr>>>) override
  {
    return record("addImageDiffView");
  }
  boost::shared_ptr<ScatterPlot2DInterface> add2DScatterView() override
  {
    return record("add2DScatterView");
  }
  boost::shared_ptr<LinePlotInterface> addLinePlot() override { return record("addLinePlot"); }
  std::vector<boost::shared_ptr<DataViewInterface>> dataViews() const override { return views; }
  void removeView(boost::shared_ptr<DataViewInterface>) override {}
  boost::shared_ptr<ImageFileLoaderInterface> imageLoader() const override { return nullptr; }
  boost::shared_ptr<TagGroupCollection> tagGroupCollection() const override { return nullptr; }
  void setSelectionColor(const QColor&) override {}

  std::vector<std::string> calls;
  std::vector<boost::shared_ptr<DataViewInterface>> views;

private:
  std::nullptr_t record(const std::string& call)
  {
    calls.push_back(call);
    return nullptr;
  }
};

int rowsOf(const boost::shared_ptr<DataViewInterface>& view)
{
  if (auto table = boost::dynamic_pointer_cast<TestTableView>(view))
    return table->rows->value();
  return boost::dynamic_pointer_cast<TestSelectedCasesView>(view)->rows->value();
}

std::vector<std::pair<std::string, int>> settingsOf(const TestManager& manager)
{
  std::vector<std::pair<std::string, int>> settings;
  for (const auto& view : manager.views)
    settings.emplace_back(view->domName(), rowsOf(view));
  return settings;
}

using Settings = std::vector<std::pair<std::string, int>>;

} // namespace

TEST(ViewCollectionSerializer, WritesEachViewInTheManagersOrder)
{
  auto manager = boost::make_shared<TestManager>();
  ViewCollectionSerializer serializer(manager);
  EXPECT_EQ(xmlText(serializer), "<Views/>");

  manager->views = { boost::make_shared<TestTableView>("TableView", 3),
    boost::make_shared<TestTableView>(std::make_unique<NullSerializer>()),
    boost::make_shared<TestSelectedCasesView>("SelectedCasesView", 4),
    boost::make_shared<TestTableView>("TableView", 5) };
  EXPECT_EQ(xmlText(serializer),
    "<Views><TableView><Rows>3</Rows></TableView>"
    "<SelectedCasesView><Rows>4</Rows></SelectedCasesView>"
    "<TableView><Rows>5</Rows></TableView></Views>");
}

TEST(ViewCollectionSerializer, CreatesViewsInDocumentOrderThroughTheFactoryTable)
{
  auto manager = boost::make_shared<TestManager>();
  ViewCollectionSerializer serializer(manager);
  readXml(serializer,
    "<Views><TableView><Rows>1</Rows></TableView><ImageView/><LinePlotView/>"
    "<ImageDiffView/><Scatter2DView/><Unknown><Rows>9</Rows></Unknown><Scatter3DView/>"
    "<SelectedImageView/><TableView><Rows>2</Rows></TableView><Scatter3DView/></Views>");

  std::string calls;
  for (const std::string& call : manager->calls)
    calls += call + " ";
  EXPECT_EQ(calls,
    "addTableView addImageView addLinePlot add2DScatterView add3DScatterView addSelectedImageView "
    "addTableView add3DScatterView ");
  EXPECT_EQ(settingsOf(*manager), (Settings{ { "TableView", 1 }, { "TableView", 2 } }));
}

TEST(ViewCollectionSerializer, SelectedCasesViewIsReusedOrSkipped)
{
  auto manager = boost::make_shared<TestManager>();
  ViewCollectionSerializer serializer(manager);
  const std::string document =
    "<Views><SelectedCasesView><Rows>7</Rows></SelectedCasesView></Views>";
  readXml(serializer, document);
  EXPECT_TRUE(manager->views.empty()) << "there is no selected-cases view to restore into";

  QWidget parent;
  manager->addTableView();
  manager->addSelectedCasesView(parent);
  manager->calls.clear();
  readXml(serializer, document);
  EXPECT_TRUE(manager->calls.empty());
  EXPECT_EQ(settingsOf(*manager), (Settings{ { "TableView", 0 }, { "SelectedCasesView", 7 } }));
}
