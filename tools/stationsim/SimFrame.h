// Framing of the station bus as the simulated station sees it: CRC-16 (table driven, written
// independently of the program's bitwise one), request parsing and reply building.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace sim
{

uint16_t Crc16(const uint8_t* data, size_t length);

struct Request
{
    uint8_t address = 0;
    uint8_t function = 0;
    uint16_t reg = 0;
    uint8_t count = 0;
    std::vector<uint32_t> values; // data words of write requests
};

// Returns the frame length announced by a buffer holding at least three bytes.
inline size_t AnnouncedLength(const std::vector<uint8_t>& buffer)
{
    return buffer.size() >= 3 ? buffer[2] : 0;
}

// Parses a complete frame; false when the CRC or the layout does not match.
bool ParseRequest(const std::vector<uint8_t>& frame, Request& out);

// Replies: the header fields, optional data words, CRC low byte first.
std::vector<uint8_t> BuildReply(uint8_t address, uint8_t function, uint16_t reg, uint8_t count,
                                const std::vector<uint32_t>& values, bool withCount);

uint32_t FloatBits(float value);
float BitsFloat(uint32_t bits);

} // namespace sim
