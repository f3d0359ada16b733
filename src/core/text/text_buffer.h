#pragma once
// A block of text written piece by piece through a pointer, for files of
// tens of megabytes: the memory is not cleared before it is written, and
// room is asked for once per line instead of once per field.
#include <cstddef>
#include <memory>
#include <string_view>

namespace hk {

class TextBuffer {
  public:
    explicit TextBuffer(std::size_t capacity = 0);

    // Room for `count` more characters after the text: write them at the
    // pointer returned, then pass the end of what was written to commit().
    char* room(std::size_t count) {
        if (capacity_ - size_ < count) grow(count);
        return data_.get() + size_;
    }
    void commit(const char* end) { size_ = static_cast<std::size_t>(end - data_.get()); }
    void append(std::string_view text);

    std::string_view view() const { return {data_.get(), size_}; }
    std::size_t size() const { return size_; }
    std::size_t capacity() const { return capacity_; }
    // Empties the text and keeps the memory for the next one.
    void clear() { size_ = 0; }

  private:
    void grow(std::size_t count);

    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

} // namespace hk
