// A document host for widget tests: the scripted host of the document tests
// (every dialog cancelled unless a test scripts it), whose view updates reach
// the real view.
#pragma once

#include "app/LodexDoc.h"
#include "app/ScriptedHost.h"
#include "ui/window/LodexView.h"

namespace lodex::test {

class CUiTestHost : public CScriptedHost {
 public:
  CLodexView* view = nullptr;

  void UpdateAllViews() override {
    CScriptedHost::UpdateAllViews();
    if (view) view->OnUpdate();
  }
};

}  // namespace lodex::test
