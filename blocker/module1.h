#pragma once
// The two site lists, each kept three times: as a file in the program folder
// (allowed.txt, disallowed.txt), as the items of a list on the main window
// (List1, List2) and as the text the popup decision searches (AllowedSites,
// DisallowedSites). The file is what counts: another copy of the program or
// an editor may change it while the program runs. So an Add or a Delete is
// one change to the file as it is on disk at that moment, made to its bytes
// in its own encoding and line ends (see list_edits.h), and the list box and
// the text then show the file's entries. A failure to read or write a file
// raises platform::Error and leaves the three copies as they were. A list
// whose file was not read whole at the start is never written.
#include <string>
#include <vector>

#include "platform/forms/list_box.h"

namespace windhover::Module1 {

// Appends the site as a line to the list's file (made when it is missing).
void AddAllowed(const std::string& site);
void AddDisallowed(const std::string& site);
// Reads the file into a list box that is still empty and into the text.
void LoadAllowedList();
void LoadDisallowedList();

// The main window's Delete: takes the line of the item at that index out of
// the list's file.
void DeleteAllowed(int index);
void DeleteDisallowed(int index);

// The list's file was not read whole at the start, for that reason (a load
// that fails notes it itself): every later change is refused with it.
void AllowedListUnread(const std::string& reason);
void DisallowedListUnread(const std::string& reason);

// Makes a list file that is missing, with those contents. A file already
// there, whatever its attributes, or one that appears meanwhile, is left as
// it is.
void CreateListFile(const std::string& path, const std::string& contents);

// The items as the decision's text holds them: each followed by CR LF.
std::string ItemsText(const forms::ListBox& items);
// False for the texts that are no entry: the empty text and a single blank.
bool IsEntry(const std::string& text);
// The entries a list file holds: its lines that are entries.
std::vector<std::string> FileEntries(const std::string& contents);

}  // namespace windhover::Module1
