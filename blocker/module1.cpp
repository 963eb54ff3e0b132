// The two site lists: their files, their list boxes and the text the popup decision searches.
#include "blocker/module1.h"

#include <algorithm>

#include "blocker/form1.h"
#include "blocker/list_edits.h"
#include "blocker/list_encoding.h"
#include "blocker/shared_state.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/process_globals.h"
#include "platform/types.h"

namespace windhover::Module1 {

namespace {

const char* const kLineEnd = "\r\n";

// How often a change is made anew when another program changed the file
// between the change's read and its write.
constexpr int kAttempts = 4;

// What the program knows of a list's file beyond its entries.
struct FileState {
    // Why the file was not read whole at the start; empty once it was.
    std::string unread;
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
        {platform::kErrorAccessDenied, platform::kErrPathFileAccess, "access is denied"},
        {platform::kErrorDiskFull, platform::kErrDiskFull, "the disk is full"},
    };
    for (const auto& reason : kReasons)
        if (reason.win32 == error)
            throw platform::Error(
                reason.number, std::string("Cannot ") + action + " the site list " + path + ": " + reason.reason + ".");
    throw platform::Error(platform::kErrPathFileAccess, std::string("Cannot ") + action + " the site list " + path +
                                                            " (system error " + std::to_string(error) + ").");
}

// The file's text, from bytes read whole; raises, with the reason, when they
// do not hold their encoding's text whole.
std::string TextOf(const std::string& bytes, const std::string& path) {
    DecodedList decoded = DecodeList(bytes);
    if (!decoded.fault.empty())
        throw platform::Error(platform::kErrPathFileAccess,
                              "Cannot read the site list " + path + ": " + decoded.fault + ".");
    return std::move(decoded.text);
}

// The lines, each followed by CR LF.
std::string LinesText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text.append(line).append(kLineEnd, 2);
    return text;
}

// The list box and the decision's text come to hold the entries of the
// file's text. An entry added at the end or one taken out is all the list
// box is told, as the user's own change is the usual one.
void Show(const SiteList& list, const std::string& fileText) {
    std::vector<std::string> entries = FileEntries(fileText);
    list.text = LinesText(entries);
    const std::vector<std::string>& shown = list.items.items();
    if (entries == shown) return;
    if (entries.size() == shown.size() + 1 && std::equal(shown.begin(), shown.end(), entries.begin())) {
        list.items.addItem(entries.back());
        return;
    }
    if (entries.size() + 1 == shown.size()) {
        const auto gone = std::mismatch(entries.begin(), entries.end(), shown.begin()).second;
        if (std::equal(gone + 1, shown.end(), entries.begin() + (gone - shown.begin()))) {
            list.items.removeItem(static_cast<int>(gone - shown.begin()));
            return;
        }
    }
    list.items.clear();
    list.items.addItems(std::move(entries));
}

// A list whose file was not read whole at the start is never written: the
// program does not know all that the file holds.
void RefuseUnread(const SiteList& list) {
    if (list.file.unread.empty()) return;
    throw platform::Error(platform::kErrPathFileAccess,
                          "The site list " + PathOf(list) +
                              " is left as it is: it could not be read whole at the start.\r\n\r\n" + list.file.unread +
                              "\r\n\r\nMend the file, then start the program again.");
}

// The changed bytes of a file in that encoding, as they will read back. A
// file without a byte-order mark may come to read as another encoding (ANSI
// text that now begins like a mark, UTF-16 whose NULs no longer show its byte
// order): its text is written again in its own encoding, in the form that
// reads back as it is.
std::string ReadsAsItIs(const std::string& changed, ListEncoding encoding) {
    if (EncodingOf(changed) == encoding) return changed;
    std::string text = changed;  // ANSI: the bytes are the text
    if (encoding == ListEncoding::Utf16LeNoMark)
        text = DecodeList(ByteOrderMark(ListEncoding::Utf16Le) + changed).text;
    else if (encoding == ListEncoding::Utf16BeNoMark)
        text = DecodeList(ByteOrderMark(ListEncoding::Utf16Be) + changed).text;
    return ListFileBytes(text, encoding);
}

// Makes one change to the file as it is on disk now: reads it whole, writes
// the changed bytes beside it, and puts them in its place only while the
// file still holds what was read; when another program changed it in
// between, the change is made anew to what the file then holds. A missing
// file is made new with `made` where there is one, and never written over
// should it appear meanwhile. Returns the text the file holds afterwards.
template <class Edit>
std::string Change(const SiteList& list, Edit edit, const std::string* made) {
    const std::string path = PathOf(list);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::string bytes;
        long error = platform::files::ReadFile(path, &bytes);
        if (error == platform::kErrorFileNotFound && made) {
            error = platform::files::CreateNewFile(path, *made);
            if (error == platform::kErrorSuccess) return TextOf(*made, path);
            if (error == platform::kErrorFileExists) continue;
            Fail(error, "write", path);
        }
        if (error != platform::kErrorSuccess) Fail(error, "read", path);
        const std::string text = TextOf(bytes, path);
        const std::string changed = ReadsAsItIs(edit(bytes, EncodingOf(bytes)), EncodingOf(bytes));
        if (changed == bytes) return text;
        std::string beside;
        if ((error = platform::files::WriteBeside(path, changed, &beside))) Fail(error, "write", path);
        std::string now;
        error = platform::files::ReadFile(path, &now);
        if (error == platform::kErrorSuccess && now == bytes) {
            if ((error = platform::files::PutInPlace(beside, path))) Fail(error, "write", path);
            return TextOf(changed, path);
        }
        platform::files::RemoveBeside(beside);
        if (error != platform::kErrorSuccess && error != platform::kErrorFileNotFound) Fail(error, "read", path);
    }
    throw platform::Error(platform::kErrPathFileAccess,
                          "Cannot change the site list " + path +
                              ": another program changed it each time it was to be written. Try again.");
}

void Add(const SiteList& list, const std::string& site) {
    RefuseUnread(list);
    // A first Add makes the file: the line, and nothing that would read as a
    // byte-order mark.
    const std::string made = ListFileBytes(site + kLineEnd, ListEncoding::Ansi);
    const auto addLine = [&](const std::string& bytes, ListEncoding encoding) {
        return WithLineAdded(bytes, encoding, site);
    };
    Show(list, Change(list, addLine, &made));
}

// Takes the entry's own line out of the file: the line the item stands for
// among those that hold the same text.
void Delete(const SiteList& list, int index) {
    RefuseUnread(list);
    const std::string site = list.items.list(index);
    const std::vector<std::string>& items = list.items.items();
    const int occurrence = static_cast<int>(std::count(items.begin(), items.begin() + index, site));
    const auto takeLine = [&](const std::string& bytes, ListEncoding encoding) {
        return WithoutLine(bytes, encoding, site, occurrence);
    };
    Show(list, Change(list, takeLine, nullptr));
}

void Load(const SiteList& list) {
    const std::string path = PathOf(list);
    std::string bytes;
    try {
        if (long error = platform::files::ReadFile(path, &bytes)) Fail(error, "read", path);
        std::vector<std::string> entries = FileEntries(TextOf(bytes, path));
        list.file.unread.clear();
        std::string text;
        text.reserve(bytes.size() + 2);
        for (const std::string& entry : entries) text.append(entry).append(kLineEnd, 2);
        list.items.addItems(std::move(entries));
        list.text = std::move(text);
    } catch (const std::exception& e) {
        list.file.unread = e.what();
        throw;
    }
}

}  // namespace

void AddAllowed(const std::string& site) { Add(Allowed(), site); }
void AddDisallowed(const std::string& site) { Add(Disallowed(), site); }
void LoadAllowedList() { Load(Allowed()); }
void LoadDisallowedList() { Load(Disallowed()); }
void DeleteAllowed(int index) { Delete(Allowed(), index); }
void DeleteDisallowed(int index) { Delete(Disallowed(), index); }
void AllowedListUnread(const std::string& reason) { allowedFile.unread = reason; }
void DisallowedListUnread(const std::string& reason) { disallowedFile.unread = reason; }

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

std::vector<std::string> FileEntries(const std::string& contents) {
    std::vector<std::string> entries;
    EachLine(contents, [&](std::string&& line) {
        if (IsEntry(line)) entries.push_back(std::move(line));
    });
    return entries;
}

}  // namespace windhover::Module1
