// The pages of the user guide and the window each one belongs to. The guide itself is HTML
// in help/, compiled into the programs as Qt resources; this table is shared by the help
// window and tessaly-cli's help command.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace tessaly {

struct HelpPage {
  std::string_view window;  // the topic window the page describes; empty for the start page
  std::string_view file;    // the page's file name in help/
  std::string_view title;   // the contents list's entry
};

// The start page, then one page per topic window, in the main window's order.
const std::vector<HelpPage>& HelpPages();

// The page a window's help opens: its topic's page (a child window opens its topic's page),
// otherwise the start page.
const HelpPage& HelpPageForWindow(std::string_view window);

// The page of a topic window named exactly (LinearFrm, Ultra, …), or none.
std::optional<HelpPage> TopicHelpPage(std::string_view window);

}  // namespace tessaly
