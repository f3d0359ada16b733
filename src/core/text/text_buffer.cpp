#include "text/text_buffer.h"

#include <algorithm>
#include <cstring>

#include "io/huge_pages.h"

namespace hk {

TextBuffer::TextBuffer(std::size_t capacity)
    : data_(std::make_unique_for_overwrite<char[]>(capacity)), capacity_(capacity) {
    // A large block is filled right away: huge pages spare its page faults.
    AdviseHugePages(data_.get(), capacity_);
}

void TextBuffer::append(std::string_view text) {
    if (text.empty()) return; // an empty view may have no data to copy from
    char* at = room(text.size());
    std::memcpy(at, text.data(), text.size());
    commit(at + text.size());
}

void TextBuffer::grow(std::size_t count) {
    const std::size_t capacity = std::max(size_ + count, capacity_ + capacity_ / 2);
    auto data = std::make_unique_for_overwrite<char[]>(capacity);
    AdviseHugePages(data.get(), capacity);
    if (size_ > 0) std::memcpy(data.get(), data_.get(), size_);
    data_ = std::move(data);
    capacity_ = capacity;
}

} // namespace hk
