#include "analyzer/dataviews/serialize/AxisDetailsSerializer.h"
#include "host/viewsupport/AxisDetailsInterface.h"
#include "property/Property.h"
#include "tests/host/serialization/XmlText.h"

#include <boost/make_shared.hpp>
#include <stdexcept>

using testsupport::readXml;
using testsupport::xmlText;

namespace
{

using DoublePtr = boost::shared_ptr<vantor::PropertyAbstract<double>>;
using BoolPtr = boost::shared_ptr<vantor::PropertyAbstract<bool>>;

DoublePtr number(double value)
{
  return boost::make_shared<vantor::Property<double>>(value);
}

// An axis with only the settings it is given, like the chart and 3D axes differ.
class TestAxis : public AxisDetailsInterface
{
public:
  TestAxis(double min, double max, bool withBounds, bool withGridSpacing)
    : m_min(number(min))
    , m_max(number(max))
  {
    if (withBounds)
    {
      m_boundsMin = number(min - 1);
      m_boundsMax = number(max + 1);
    }
    if (withGridSpacing)
    {
      m_useGridSpacing = boost::make_shared<vantor::Property<bool>>(false);
      m_gridSpacing = number(0.5);
    }
  }

  DoublePtr min() override { return m_min; }
  DoublePtr max() override { return m_max; }
  BoolPtr useCustomGridSpacing() override { return m_useGridSpacing; }
  DoublePtr gridSpacing() override { return m_gridSpacing; }
  DoublePtr boundsMin() override { return m_boundsMin; }
  DoublePtr boundsMax() override { return m_boundsMax; }

private:
  DoublePtr m_min, m_max, m_gridSpacing, m_boundsMin, m_boundsMax;
  BoolPtr m_useGridSpacing;
};

using Axes = std::vector<boost::shared_ptr<AxisDetailsInterface>>;

} // namespace

TEST(AxisDetailsSerializer, WritesOnlyTheAxesAndSettingsThatExistAndReadsKeepingWhatIsMissing)
{
  auto x = boost::make_shared<TestAxis>(0.1, 1, true, true);
  auto y = boost::make_shared<TestAxis>(-2, 2, false, false);
  EXPECT_EQ(xmlText(AxisDetailsSerializer(Axes{ x, y })),
    "<AxisDetails>"
    "<XAxis><CustomRange><Minimum>0.10000000000000001</Minimum><Maximum>1</Maximum></CustomRange>"
    "<Bounds><Minimum>-0.90000000000000002</Minimum><Maximum>2</Maximum></Bounds>"
    "<UseCustomGridSpacing>0</UseCustomGridSpacing>"
    "<CustomGridSpacing>0.5</CustomGridSpacing></XAxis>"
    "<YAxis><CustomRange><Minimum>-2</Minimum><Maximum>2</Maximum></CustomRange></YAxis>"
    "</AxisDetails>");

  const std::string threeAxes = xmlText(AxisDetailsSerializer(Axes{ y, y, x }));
  EXPECT_NE(threeAxes.find("</YAxis><ZAxis><CustomRange><Minimum>0.1"), std::string::npos);

  EXPECT_THROW(AxisDetailsSerializer(Axes{ x }), std::invalid_argument);
  EXPECT_THROW(AxisDetailsSerializer(Axes(4, x)), std::invalid_argument);

  // Reading sets what the document holds and keeps what it does not.
  auto readX = boost::make_shared<TestAxis>(0, 1, true, true);
  auto readY = boost::make_shared<TestAxis>(0, 1, true, true);
  AxisDetailsSerializer reader(Axes{ readX, readY });
  readXml(reader,
    "<AxisDetails>"
    "<YAxis><CustomRange><Maximum>8</Maximum></CustomRange>"
    "<UseCustomGridSpacing>1</UseCustomGridSpacing></YAxis>"
    "<XAxis><Bounds><Minimum>-5</Minimum><Maximum>5</Maximum></Bounds>"
    "<CustomGridSpacing>0.25</CustomGridSpacing></XAxis>"
    "<ZAxis><CustomRange><Minimum>3</Minimum></CustomRange></ZAxis>"
    "</AxisDetails>");

  EXPECT_EQ(readX->min()->value(), 0);
  EXPECT_EQ(readX->boundsMin()->value(), -5);
  EXPECT_EQ(readX->boundsMax()->value(), 5);
  EXPECT_EQ(readX->gridSpacing()->value(), 0.25);
  EXPECT_FALSE(readX->useCustomGridSpacing()->value());
  EXPECT_EQ(readY->min()->value(), 0);
  EXPECT_EQ(readY->max()->value(), 8);
  EXPECT_TRUE(readY->useCustomGridSpacing()->value());
}
