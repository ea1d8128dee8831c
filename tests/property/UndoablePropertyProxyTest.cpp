#include "property/PropertyInstantiations.h"

#include <QUndoStack>
#include <boost/make_shared.hpp>
#include <gtest/gtest.h>
#include <vector>

namespace
{

struct ProxyFixture : ::testing::Test
{
  boost::shared_ptr<vantor::Property<bool>> wrapped = boost::make_shared<vantor::Property<bool>>();
  boost::shared_ptr<vantor::UndoablePropertyProxy<bool>> proxy =
    boost::make_shared<vantor::UndoablePropertyProxy<bool>>("Use Filters", wrapped);
  std::vector<bool> announced;
  QUndoStack& stack = UndoStack::qUndoStack();

  void SetUp() override
  {
    proxy->signalValueChanged.connect([this](const bool& v) { announced.push_back(v); });
  }
};

} // namespace

TEST_F(ProxyFixture, OneStepPerChangeThatUndoAndRedoAnnounceTwice)
{
  proxy->setValue(true);
  ASSERT_EQ(stack.count(), 1);
  EXPECT_EQ(stack.undoText(), "Change Use Filters");
  EXPECT_TRUE(wrapped->value());
  EXPECT_EQ(announced, std::vector<bool>{ true });
  proxy->setValue(true);
  EXPECT_EQ(stack.count(), 1) << "an unchanged value pushes nothing";

  announced.clear();
  stack.undo();
  EXPECT_FALSE(wrapped->value());
  stack.redo();
  EXPECT_TRUE(proxy->value());
  EXPECT_EQ(announced, (std::vector<bool>{ false, false, true, true }));
  EXPECT_EQ(stack.count(), 1) << "replaying records nothing new";

  // A direct change of the wrapped property is announced, not recorded.
  announced.clear();
  wrapped->setValue(false);
  EXPECT_EQ(stack.count(), 1);
  EXPECT_EQ(announced, std::vector<bool>{ false });
  EXPECT_FALSE(proxy->value());
}

TEST_F(ProxyFixture, PushesOfListenersJoinTheSameStep)
{
  auto other = boost::make_shared<vantor::UndoablePropertyProxy<int>>(
    "Size", boost::make_shared<vantor::Property<int>>(1));
  proxy->signalValueChanged.connect(
    [&](const bool& v)
    {
      if (v)
        other->setValue(2);
    });
  proxy->setValue(true);
  ASSERT_EQ(stack.count(), 1);
  stack.undo();
  EXPECT_FALSE(proxy->value());
  EXPECT_EQ(other->value(), 1);
  stack.redo();
  EXPECT_EQ(other->value(), 2);
}

TEST_F(ProxyFixture, MergedChangesFormOneStepAndSurviveTheProxy)
{
  proxy->setMergeId(UndoStack().nextUndoID());
  proxy->setValue(true);
  proxy->setValue(false);
  proxy->setValue(true);
  EXPECT_EQ(stack.count(), 1);
  stack.undo();
  EXPECT_FALSE(wrapped->value());

  proxy.reset();
  stack.redo();
  EXPECT_FALSE(wrapped->value()) << "a command must not run for a destroyed proxy";
}
