#include <gtest/gtest.h>

#include "form/tform1.h"

TEST(WindowLogic, ConstructsHeadless) {
  TForm1 form;
  EXPECT_EQ(form.state.laserNm, 0.0L);
}
