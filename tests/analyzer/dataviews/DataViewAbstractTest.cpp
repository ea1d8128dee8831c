#include "host/serialization/Serializer.h"
#include "host/viewsupport/DataViewAbstract.h"
#include "host/viewsupport/SelectionModel.h"

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>
#include <optional>

namespace
{

class ClickableView : public DataViewAbstract
{
public:
  explicit ClickableView(boost::shared_ptr<SelectionModelInterface> selection)
    : DataViewAbstract(std::make_unique<Serializer>("Clickable"), std::move(selection))
  {
  }
  std::optional<uint64_t> hit;

private:
  bool caseIDAtPoint(uint64_t& caseId) override
  {
    if (hit)
      caseId = *hit;
    return hit.has_value();
  }
};

} // namespace

TEST(DataViewAbstract, AClickSelectsTheCaseUnderItOrClears)
{
  auto selection = boost::make_shared<SelectionModel>();
  selection->setSelection({ 1, 2 });
  ClickableView view(selection);
  EXPECT_EQ(view.domName(), "Clickable");

  view.hit = 7;
  view.adjustSelectionForMouseClickAtPoint();
  EXPECT_EQ(selection->getSelections(), std::set<uint64_t>{ 7 });

  view.hit.reset();
  view.adjustSelectionForMouseClickAtPoint();
  EXPECT_TRUE(selection->getSelections().empty());
}
