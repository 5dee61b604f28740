// The command table: every command of the program described once, with its
// menu caption and mnemonic, keys, icon, status-bar prompt, the places it
// appears (menu, toolbar, the view's context menu), its enable rule and its
// handler. The document runs and enables commands from it; the Qt frame
// builds its menus, toolbar and context menu from it.
#pragma once

#include <vector>

#include "app/CommandIds.h"

namespace lodex {

class CLodexDoc;

struct CommandInfo {
  CommandId id;
  // The menu caption, '&' before the mnemonic.
  const char* caption;
  // The menu that holds the item, submenus after '/' ("&Синтез/&Декомпозиция"),
  // one of MenuBar(); nullptr: in no menu.
  const char* menu = nullptr;
  // The status-bar prompt, then '\n' and the tooltip.
  const char* prompt = "";
  // The toolbar image, resources/icons/NAME.svg; nullptr: none.
  const char* icon = nullptr;
  // Key sequences in portable text ("Ctrl+N").
  std::vector<const char*> keys = {};
  // The item follows a separator in its menu.
  bool separatorBefore = false;
  // The place on the toolbar, ascending; 0: not there. A new ten starts a
  // group of its own behind a separator.
  int toolBar = 0;
  // The submenu of the view's context menu ("" for its top level), where the
  // item has the menu caption; nullptr: not in the context menu.
  const char* contextMenu = nullptr;
  // Whether the command can run now.
  bool (*enabled)(const CLodexDoc&) = nullptr;
  // The context menu's own rule; nullptr: `enabled`.
  bool (*contextEnabled)(const CLodexDoc&) = nullptr;
  // Runs the command; nullptr: served by the program around the document
  // (the manual, the About box, Exit, the picture of the diagram).
  void (*run)(CLodexDoc&) = nullptr;
};

// Every command, in menu order.
const std::vector<CommandInfo>& CommandTable();
// The entry of `id`, or nullptr.
const CommandInfo* FindCommand(CommandId id);
// The menu bar's menus, left to right: "&Вид" is filled by the program
// around the document with its view actions.
const std::vector<const char*>& MenuBar();

}  // namespace lodex
