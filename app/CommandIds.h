// Command ids of the menus, toolbar, accelerators and the view's context
// menu. The values are those the program's resources use, so every skin binds
// its actions to the same numbers.
#pragma once

#include <cstdint>

namespace lodex {

enum class CommandId : int32_t {
  New = 57600,
  Open = 57601,
  Save = 57603,
  SaveAs = 57604,
  RecentFiles = 57616,
  Exit = 57665,
  Serial = 32778,
  Parallel = 32779,
  Fictitious = 32802,
  ThreeInput = 32785,
  SaveSequence = 32780,
  Analysis = 32782,
  Vhdl = 32792,
  Optimize = 32795,
  CoverNand = 32804,
  CoverNor = 32805,
  AutomaticSynthesis = 32810,
  Settings = 32800,
  Visio = 32803,
  ExportBlif = 32820,
  ExportVerilog = 32821,
  SaveImage = 32822,
  Undo = 57643,
  Redo = 57644,
  About = 57664,
  Help = 57670,
};

}  // namespace lodex
