// The process-wide text table: every user-visible string of the program lives in a fixed buffer
// per string id (100, 150 or 200 characters), filled from the active resource module at start-up
// and whenever the language changes. The rest of the program reads the buffers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace kivet {

class StringSource {
public:
    virtual ~StringSource() = default;
    // Copies string `id` into buf (at most size - 1 characters and a terminator); false when the
    // module has no such string (buf then holds an empty string).
    virtual bool Load(uint32_t id, char* buf, std::size_t size) = 0;
};

// The buffer size of a string id, 0 when the id is not part of the table.
std::size_t TextBufferSize(uint32_t id);

class TextTable {
public:
    TextTable();
    void Fill(StringSource& source);
    // The text of a string id; "" for an id outside the table.
    const char* Text(uint32_t id) const;
    // String 212 is also kept in a second, 150-character buffer.
    const char* Text212Long() const { return text212Long_; }

private:
    char* Slot(uint32_t id);
    std::unique_ptr<char[]> storage_;
    char text212Long_[150];
};

TextTable& ProcessTexts();
inline const char* Text(uint32_t id)
{
    return ProcessTexts().Text(id);
}

} // namespace kivet
