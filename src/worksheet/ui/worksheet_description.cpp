#include "worksheet/ui/worksheet_description.h"

namespace tessaly {

MenuDescription HelpMenu(const QString& name) {
  return {name,
          "帮助(&H)",
          {{"mnuHelpFile", "帮助文件", "", Command::HelpFile},
           {"mnuAbout", "关于", "", Command::About}}};
}

MethodNode MethodItem(const QString& name) { return {MethodNode::Kind::Item, name, {}, {}}; }

MethodNode MethodSeparator(const QString& name) {
  return {MethodNode::Kind::Separator, name, {}, {}};
}

MethodNode MethodHeading(const QString& name, const QString& caption) {
  return {MethodNode::Kind::Heading, name, caption, {}};
}

MethodNode MethodSubmenu(const QString& name, const QString& caption,
                         std::vector<MethodNode> children) {
  return {MethodNode::Kind::Submenu, name, caption, std::move(children)};
}

}  // namespace tessaly
