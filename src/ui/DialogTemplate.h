#pragma once

#include <cstddef>
#include <span>

// A window laid out in dialog units, as a table of controls in creation order
// (which is also the tab order).

enum class ItemKind {
  kStatic,     // left-aligned, word-wrapped text
  kEdit,       // single-line edit field with a border
  kButton,     // push button, never a default button
  kDefButton,  // the default push button (Enter presses it)
  kCombo,      // editable drop-down list; the height is that of the list dropped down
  kIcon,       // the application icon
  kCustom,     // a control the dialog supplies and paints itself
};

struct DialogItem {
  int id;            // IDC_STATIC for plain labels
  const char* name;  // the id's name, or nullptr for plain labels
  ItemKind kind;
  const char* text;
  int x, y, cx, cy;  // dialog units
};

struct DialogTemplate {
  int id;
  const char* title;
  int cx, cy;  // client area, dialog units
  std::span<const DialogItem> items;
};

extern const DialogTemplate kMainTemplate;
extern const DialogTemplate kAboutTemplate;
