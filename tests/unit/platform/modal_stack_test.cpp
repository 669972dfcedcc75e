#include "platform/modal_stack.h"

#include <gtest/gtest.h>

namespace tinto {
namespace {

// A picker opened from the main window, a notice opened over the picker: input and focus
// follow the innermost window, each level ends with its own result, and a window that is
// modal already cannot be opened again.
TEST(ModalStack, NestedWindowsTakeInputInnermostFirstAndEndWithTheirResults) {
  constexpr WindowId kMain = 1, kPicker = 3, kMessage = 2;
  ModalStack stack;
  EXPECT_TRUE(stack.TakesInput(kMain));
  EXPECT_TRUE(stack.HoldsFocus(kMain, true));
  EXPECT_FALSE(stack.HoldsFocus(kMain, false));  // no modal window: the desktop decides

  const auto picker = stack.Push(kPicker);
  ASSERT_TRUE(picker);
  const auto message = stack.Push(kMessage);
  ASSERT_TRUE(message);
  EXPECT_FALSE(stack.Push(kPicker));  // modal once at a time
  EXPECT_EQ(stack.Top(), kMessage);
  EXPECT_FALSE(stack.TakesInput(kMain));
  EXPECT_FALSE(stack.TakesInput(kPicker));
  EXPECT_TRUE(stack.TakesInput(kMessage));
  EXPECT_TRUE(stack.HoldsFocus(kMessage, false));
  EXPECT_FALSE(stack.HoldsFocus(kMain, true));

  stack.End(kMain, 5);  // not modal: nothing ends
  stack.End(kMessage, 2);
  stack.End(kMessage, 1);  // ended already: the first result stays
  EXPECT_TRUE(stack.Ended(*message));
  EXPECT_FALSE(stack.Ended(*picker));
  EXPECT_EQ(stack.Pop(*message), 2);
  EXPECT_EQ(stack.Top(), kPicker);
  EXPECT_TRUE(stack.TakesInput(kPicker));

  stack.Forget(kPicker);  // destroyed while modal: its loop ends without a result
  EXPECT_TRUE(stack.Ended(*picker));
  EXPECT_EQ(stack.Pop(*picker), 0);
  EXPECT_TRUE(stack.empty());
  EXPECT_TRUE(stack.Push(kPicker));  // open again once closed
}

}  // namespace
}  // namespace tinto
