#include "blocker/module1.h"

#include "blocker/form1.h"
#include "blocker/list_encoding.h"
#include "blocker/shared_state.h"
#include "frame/text_compare.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/process_globals.h"
#include "platform/types.h"

namespace windhover::Module1 {

namespace {

const char* const kLineEnd = "\r\n";

// What the program knows of a list's file beyond its entries.
struct FileState {
    // The last load of the file failed.
    bool unread = false;
    // The encoding the file was last read or written in.
    ListEncoding encoding = ListEncoding::Ansi;
};

struct SiteList {
    const char* fileName;
    std::string& text;
    forms::ListBox& items;
    FileState& file;
};

FileState allowedFile;
const platform::ResetAtStart resetAllowedFile([] { allowedFile = FileState{}; });
FileState disallowedFile;
const platform::ResetAtStart resetDisallowedFile([] { disallowedFile = FileState{}; });

SiteList Allowed() { return {"allowed.txt", AllowedSites, forms::The<Form1>().List1, allowedFile}; }
SiteList Disallowed() { return {"disallowed.txt", DisallowedSites, forms::The<Form1>().List2, disallowedFile}; }

std::string PathOf(const SiteList& list) { return platform::files::ProgramFolder() + "\\" + list.fileName; }

// A file operation's failure, as the error the user is shown.
[[noreturn]] void Fail(long error, const char* action, const std::string& path) {
    static const struct {
        long win32;
        long number;
        const char* reason;
    } kReasons[] = {
        {platform::kErrorFileNotFound, platform::kErrFileNotFound, "the file does not exist"},
        {platform::kErrorPathNotFound, platform::kErrPathNotFound, "the folder does not exist"},
        {platform::kErrorAccessDenied, 75, "access is denied"},
        {platform::kErrorDiskFull, 61, "the disk is full"},
    };
    for (const auto& reason : kReasons)
        if (reason.win32 == error)
            throw platform::Error(reason.number, std::string("Cannot ") + action + " the site list " + path + ": " +
                                                     reason.reason + ".");
    throw platform::Error(75, std::string("Cannot ") + action + " the site list " + path + " (system error " +
                                  std::to_string(error) + ").");
}

// The file's text; its encoding is noted for the next write.
std::string ReadList(const SiteList& list) {
    std::string bytes;
    const std::string path = PathOf(list);
    if (long error = platform::files::ReadFile(path, &bytes)) Fail(error, "read", path);
    DecodedList decoded = DecodeList(bytes);
    if (!decoded.fault.empty())
        throw platform::Error(75, "Cannot read the site list " + path + ": " + decoded.fault + ".");
    list.file.encoding = decoded.encoding;
    return std::move(decoded.text);
}

// Writes the bytes whole, and notes the encoding they are in.
void Write(const SiteList& list, const std::string& bytes) {
    const std::string path = PathOf(list);
    if (long error = platform::files::RewriteFile(path, bytes)) Fail(error, "write", path);
    list.file.encoding = EncodingOf(bytes);
}

// Writes the text whole, in the encoding the file was read in.
void Rewrite(const SiteList& list, const std::string& text) { Write(list, ListFileBytes(text, list.file.encoding)); }

// The lines, each followed by CR LF.
std::string LinesText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + kLineEnd;
    return text;
}

// The lines of the file's text that do not hold the site, each followed by CR LF.
std::string LinesWithout(const std::string& text, const std::string& site) {
    std::string kept;
    for (const std::string& line : FileLines(text))
        if (!ContainsNoCase(line, site)) kept += line + kLineEnd;
    return kept;
}

// The file's bytes as they are, whatever they hold, with the line after them
// in the file's own encoding. ANSI bytes that the line would turn into a
// byte-order mark go as UTF-8 text instead.
std::string Appended(const std::string& bytes, const std::string& line) {
    const ListEncoding encoding = EncodingOf(bytes);
    const std::string appended = bytes + EncodeListText(line, encoding);
    return encoding == ListEncoding::Ansi ? ListFileBytes(appended, encoding) : appended;
}

// Appends by writing the whole file anew, so that a failed write leaves no
// half line for the next entry to join. A missing file is made new, and one
// that appears meanwhile is appended to.
void Add(const SiteList& list, const std::string& site) {
    const std::string line = site + kLineEnd;
    const std::string path = PathOf(list);
    std::string bytes;
    long error = platform::files::ReadFile(path, &bytes);
    bool made = false;
    if (error == platform::kErrorFileNotFound) {
        const std::string contents = ListFileBytes(line, ListEncoding::Ansi);
        error = platform::files::CreateNewFile(path, contents);
        made = error == platform::kErrorSuccess;
        if (made) list.file.encoding = EncodingOf(contents);
        else if (error == platform::kErrorFileExists) error = platform::files::ReadFile(path, &bytes);
        else Fail(error, "write", path);
    }
    if (error != platform::kErrorSuccess) Fail(error, "read", path);
    if (!made) Write(list, Appended(bytes, line));
    list.items.addItem(site);
    list.text += line;
}

void Remove(const SiteList& list, const std::string& site) {
    const std::string kept = LinesWithout(ReadList(list), site);
    Rewrite(list, kept + kLineEnd);
    list.text = kept;
}

// The removal and the save in one write of the file, so that a failure
// leaves the file, the items and the text as they were. The file then holds
// the items but the deleted one, or, when its load failed, its own lines but
// those that hold the site.
void Delete(const SiteList& list, int index) {
    const std::string site = list.items.list(index);
    const std::string kept = LinesWithout(ReadList(list), site);
    std::vector<std::string> rest = list.items.items();
    rest.erase(rest.begin() + index);
    const std::string restText = LinesText(rest);
    Rewrite(list, (list.file.unread ? kept : restText) + kLineEnd);
    list.items.removeItem(index);
    list.text = restText;
}

void Load(const SiteList& list) {
    std::string text;
    list.file.unread = true;
    const std::string contents = ReadList(list);
    list.file.unread = false;
    std::vector<std::string> entries = FileEntries(contents);
    text.reserve(contents.size() + 2);
    for (const std::string& entry : entries) text.append(entry).append(kLineEnd, 2);
    list.items.addItems(std::move(entries));
    list.text = std::move(text);
}

void Save(const SiteList& list) {
    if (!list.file.unread) Rewrite(list, ItemsText(list.items) + kLineEnd);
}

}  // namespace

void AddAllowed(const std::string& site) { Add(Allowed(), site); }
void RemoveAllowed(const std::string& site) { Remove(Allowed(), site); }
void AddDisallowed(const std::string& site) { Add(Disallowed(), site); }
void RemoveDisallowed(const std::string& site) { Remove(Disallowed(), site); }
void LoadAllowedList() { Load(Allowed()); }
void SaveAllowedList() { Save(Allowed()); }
void LoadDisallowedList() { Load(Disallowed()); }
void SaveDisallowedList() { Save(Disallowed()); }
void DeleteAllowed(int index) { Delete(Allowed(), index); }
void DeleteDisallowed(int index) { Delete(Disallowed(), index); }

void CreateListFile(const std::string& path, const std::string& contents) {
    const long error = platform::files::CreateNewFile(path, contents);
    if (error != platform::kErrorSuccess && error != platform::kErrorFileExists) Fail(error, "create", path);
}

std::string ItemsText(const forms::ListBox& items) { return LinesText(items.items()); }

bool IsEntry(const std::string& text) { return !text.empty() && text != " "; }

namespace {

// Hands each line of the contents to `take`, in one pass.
template <class Take>
void EachLine(const std::string& contents, Take take) {
    const char* const begin = contents.data();
    const char* const end = begin + contents.size();
    const char* start = begin;
    while (start < end) {
        const char* stop = start;
        while (stop < end && *stop != '\r' && *stop != '\n') ++stop;
        take(std::string(start, stop));
        if (stop == end) break;
        start = stop + (*stop == '\r' && stop + 1 < end && stop[1] == '\n' ? 2 : 1);
    }
}

}  // namespace

std::vector<std::string> FileLines(const std::string& contents) {
    std::vector<std::string> lines;
    EachLine(contents, [&](std::string&& line) { lines.push_back(std::move(line)); });
    return lines;
}

std::vector<std::string> FileEntries(const std::string& contents) {
    std::vector<std::string> entries;
    EachLine(contents, [&](std::string&& line) {
        if (IsEntry(line)) entries.push_back(std::move(line));
    });
    return entries;
}

}  // namespace windhover::Module1
