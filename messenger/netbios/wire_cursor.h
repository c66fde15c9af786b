// Bounded big-endian reading and writing of the NetBIOS packets (network byte order).
// The reader never reads past its end: a short packet clears its ok flag and every later read
// gives zeros, so a parser checks once at the end of a record instead of after each field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kivet::nbt {

class WireReader {
public:
    WireReader(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Ok() const { return ok_; }
    std::size_t Position() const { return position_; }
    std::size_t Remaining() const { return ok_ ? size_ - position_ : 0; }
    const uint8_t* Data() const { return data_; }
    std::size_t Size() const { return size_; }

    uint8_t U8()
    {
        if (!Need(1)) return 0;
        return data_[position_++];
    }
    uint16_t U16()
    {
        if (!Need(2)) return 0;
        const uint16_t value = static_cast<uint16_t>(data_[position_] << 8 | data_[position_ + 1]);
        position_ += 2;
        return value;
    }
    uint32_t U32()
    {
        const uint32_t high = U16();
        return high << 16 | U16();
    }
    // The next count bytes, or nullptr when fewer remain.
    const uint8_t* Bytes(std::size_t count)
    {
        if (!Need(count)) return nullptr;
        const uint8_t* bytes = data_ + position_;
        position_ += count;
        return bytes;
    }
    bool Skip(std::size_t count) { return Bytes(count) != nullptr || count == 0; }
    // Moves to an absolute position inside the packet (compression pointers).
    bool Seek(std::size_t position)
    {
        if (!ok_ || position > size_) return Fail();
        position_ = position;
        return true;
    }
    bool Fail()
    {
        ok_ = false;
        return false;
    }

private:
    bool Need(std::size_t count)
    {
        if (!ok_ || count > size_ - position_) return Fail();
        return true;
    }

    const uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
    bool ok_ = true;
};

class WireWriter {
public:
    explicit WireWriter(std::vector<uint8_t>& out) : out_(out) {}

    void U8(uint8_t value) { out_.push_back(value); }
    void U16(uint16_t value)
    {
        out_.push_back(static_cast<uint8_t>(value >> 8));
        out_.push_back(static_cast<uint8_t>(value));
    }
    void U32(uint32_t value)
    {
        U16(static_cast<uint16_t>(value >> 16));
        U16(static_cast<uint16_t>(value));
    }
    void Bytes(const void* data, std::size_t count)
    {
        const auto* bytes = static_cast<const uint8_t*>(data);
        out_.insert(out_.end(), bytes, bytes + count);
    }
    std::size_t Position() const { return out_.size(); }
    // Overwrites a 16-bit field written earlier (lengths known only at the end).
    void PatchU16(std::size_t position, uint16_t value)
    {
        out_[position] = static_cast<uint8_t>(value >> 8);
        out_[position + 1] = static_cast<uint8_t>(value);
    }

private:
    std::vector<uint8_t>& out_;
};

} // namespace kivet::nbt
