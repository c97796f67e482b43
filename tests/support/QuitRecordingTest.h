// Window tests of roads that end the program: the program's end step is replaced
// by one that records each end and how many windows were still loaded then.
#pragma once

#include <functional>

#include "platform/Forms.h"
#include "windows/modHelp_QuitApplication.h"
#include "support/Doubles.h"

namespace testing_doubles {

class QuitRecordingTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    defaultEnd = SetEndProgramStep([this] {
      ++ends;
      loadedAtEnd = platform::LoadedForms().size();
    });
  }
  void TearDown() override {
    WindowTest::TearDown();
    SetEndProgramStep(defaultEnd);
  }

  int ends = 0;
  std::size_t loadedAtEnd = 99;
  // The program's own end step, put back after the test.
  std::function<void()> defaultEnd;
};

}  // namespace testing_doubles
