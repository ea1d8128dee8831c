#include "host/core/SignalConnectionCollection.h"

#include <boost/signals2/signal.hpp>
#include <gtest/gtest.h>

TEST(SignalConnectionCollection, BlocksNestsAndDisconnectsOnDestruction)
{
  boost::signals2::signal<void()> signal;
  int calls = 0;
  {
    SignalConnectionCollection connections;
    connections.add(signal.connect([&calls] { ++calls; }));
    connections.block();
    connections.add(signal.connect([&calls] { calls += 10; }));
    signal();
    EXPECT_EQ(calls, 0) << "a connection added while blocked starts blocked";

    connections.unblock();
    {
      ConnectionBlocker blocker(connections);
      signal();
      EXPECT_EQ(calls, 0);
    }
    signal();
    EXPECT_EQ(calls, 11);

    connections.block();
    {
      ConnectionBlocker blocker(connections);
    }
    signal();
    EXPECT_EQ(calls, 11) << "a blocker ending must not lift the collection's own block";
  }
  EXPECT_TRUE(signal.empty());
}
