#pragma once
// The table of known observers (observerTable): number, name and postal
// address, read from pozorovateleP.dat (or ob.dat) and written back to
// pozorovatelep.dat. Text is UTF-8 inside; names and numbers sort by their
// Windows-1250 bytes, as the files hold them.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hk {

class ObserverTable {
  public:
    // Fields: 0 number, 1 name, 2 street, 3 town, 4 postcode, 5 further text.
    using Entry = std::array<std::string, 6>;
    // Parses raw lines (UTF-8): fields separated by ",", double quotes
    // dropped, at most six fields. Empty lines are skipped. The table is not
    // sorted.
    static ObserverTable parse(const std::vector<std::string>& lines);

    const std::vector<Entry>& entries() const { return entries_; }
    int size() const { return static_cast<int>(entries_.size()); }

    // Entry of the observer `name`, or nullptr. Names match when they are
    // equal without commas, quotes and doubled spaces: a line of the file
    // cannot hold the comma of "surname, first name" as the records write it.
    const Entry* findByName(std::string_view name) const;
    static std::string NameKey(std::string_view name);

    // By name, byte-wise; entries without a number are dropped. Stable.
    void sortByName();
    // By number, compared as text ("10" before "9"); entries without a name
    // are dropped. Stable.
    void sortByNumber();

    // The lines of the file, sorted by number: every field up to the last
    // non-empty one, each followed by "," (empty middle fields keep their
    // place, so the next read gives the same fields).
    std::vector<std::string> lines() const;

    // Sorts by number and writes pozorovatelep.dat (Windows-1250, CR LF)
    // atomically. Throws std::runtime_error on failure.
    void write(const std::filesystem::path& file);

    // Adds an observer unless one of that name is already there; commas and
    // quotes are left out of the fields. Returns false (nothing changed) when
    // the name is present or the number or the name is empty. The table has
    // no fixed size.
    bool add(const Entry& entry);

  private:
    std::vector<Entry> entries_;
};

class ProgramDir;

// The observer lines of a program directory: pozorovateleP.dat, or the older
// ob.dat when that is all there is. A file that is there but cannot be read
// (not a regular file, larger than 1 MiB, zero bytes in it as in a table
// saved as UTF-16, a read error) is `refused`: the table is then empty, and
// nothing may write it back over the file it could not read.
struct ObserverFile {
    std::vector<std::string> lines;     // the non-empty lines, UTF-8
    bool fromOb = false;                // read from ob.dat
    std::optional<std::string> refused; // why the file was not read (Czech)
};
ObserverFile ReadObserverFile(const ProgramDir& dir);

} // namespace hk
