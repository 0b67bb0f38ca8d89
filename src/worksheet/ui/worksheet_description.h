// What makes one worksheet window different from another: its names, captions, menus,
// layout figures, status texts and file messages.
#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace tessaly {

class Worksheet;

enum class Command {
  FileNew, FileOpen, FileSave, FileSaveAs, Close,
  SelectAll, Cut, Copy, Paste, Delete, Nothing,
  Font, BackColor, DecimalDigits, DefaultLook,
  HelpFile, About,
  Custom,  // runs the item's own handler
};

struct MenuItemDescription {
  MenuItemDescription(QString name_, QString caption_, QString shortcut_ = {},
               Command command_ = Command::Nothing, bool disabled_ = false, bool hidden_ = false,
               std::function<void(Worksheet&)> handler_ = {})
      : name(std::move(name_)), caption(std::move(caption_)), shortcut(std::move(shortcut_)),
        command(command_), disabled(disabled_), hidden(hidden_), handler(std::move(handler_)) {}

  QString name;
  QString caption;
  QString shortcut;  // portable key text, e.g. "Ctrl+N"; empty for none
  Command command = Command::Nothing;
  bool disabled = false;
  bool hidden = false;
  std::function<void(Worksheet&)> handler;  // for Command::Custom
};

struct MenuDescription {
  QString name;
  QString caption;
  std::vector<MenuItemDescription> items;
};

// One entry of a method menu. Items take their captions from the method registry; an item
// whose method is not in the registry is left out.
struct MethodNode {
  enum class Kind { Item, Separator, Heading, Submenu } kind = Kind::Item;
  QString name;
  QString caption;  // headings and submenus
  std::vector<MethodNode> children;  // submenus
};

struct StatusTexts {
  QString textChanged;  // the input pane's text changed
  QString inputFocus;   // the input pane got the focus
  QString resultFocus;  // the result pane got the focus
  QString focusLost;    // either pane lost the focus
};

struct FileMessages {
  QString openCancel, openFailure;
  QString saveCancel, saveFailure;
  QString saveAsCancel, saveAsFailure;
  QString emptyResult;
  QString emptyFile;
};

struct WorksheetDescription {
  QString name;
  QString caption;
  bool topBottom = false;       // the one-line input pane above the result pane
  double splitterTwips = 100;   // width (or height) of the splitter bar
  double inputLeftTwips = 0;
  double minOuterTwips = 3000;  // an outer size below this snaps to 3500
  double designWidthTwips = 10800;
  double designHeightTwips = 7800;
  double designSplitTwips = 4800;  // the input pane's design width (or height)
  bool resultLocked = false;
  int digitsMax = 0;  // 0: the window has no Decimal digits
  QString digitsPrompt;
  bool defaultSetsFontName = false;
  bool fileMenuSwitchesSave = false;
  bool newResetsStatus = true;
  bool refuseLargeFiles = false;
  StatusTexts status;
  FileMessages messages;
  std::vector<MenuDescription> menusBeforeMethods;  // File, Edit, display
  QString methodMenuName;
  QString methodMenuCaption;
  std::vector<MethodNode> methods;
  MenuDescription helpMenu;
};

// The pieces the four windows share.
MenuDescription HelpMenu(const QString& name);
MethodNode MethodItem(const QString& name);
MethodNode MethodSeparator(const QString& name = {});
MethodNode MethodHeading(const QString& name, const QString& caption);
MethodNode MethodSubmenu(const QString& name, const QString& caption,
                         std::vector<MethodNode> children);

}  // namespace tessaly
