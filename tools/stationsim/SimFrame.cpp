#include "SimFrame.h"
#include <cstring>

namespace sim
{

namespace
{
struct CrcTable
{
    uint16_t entries[256];
    CrcTable()
    {
        for (int i = 0; i < 256; ++i)
        {
            uint16_t value = static_cast<uint16_t>(i << 8);
            for (int bit = 0; bit < 8; ++bit)
                value = (value & 0x8000) ? static_cast<uint16_t>((value << 1) ^ 0x1021)
                                         : static_cast<uint16_t>(value << 1);
            entries[i] = value;
        }
    }
};
const CrcTable table;
} // namespace

uint16_t Crc16(const uint8_t* data, size_t length)
{
    uint16_t crc = 0;
    for (size_t i = 0; i < length; ++i)
        crc = static_cast<uint16_t>((crc << 8) ^ table.entries[((crc >> 8) ^ data[i]) & 0xFF]);
    return crc;
}

static uint32_t Le32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

bool ParseRequest(const std::vector<uint8_t>& frame, Request& out)
{
    if (frame.size() < 8 || frame.size() != frame[2])
        return false;
    size_t n = frame.size();
    uint16_t crc = Crc16(frame.data(), n - 2);
    if (frame[n - 2] != (crc & 0xFF) || frame[n - 1] != (crc >> 8))
        return false;
    out.address = frame[0];
    out.function = frame[1];
    out.reg = static_cast<uint16_t>(frame[3] | frame[4] << 8);
    out.count = frame[5];
    out.values.clear();
    size_t words = (n - 8) / 4;
    if (8 + words * 4 != n)
        return false;
    for (size_t i = 0; i < words; ++i)
        out.values.push_back(Le32(&frame[6 + 4 * i]));
    return true;
}

std::vector<uint8_t> BuildReply(uint8_t address, uint8_t function, uint16_t reg, uint8_t count,
                                const std::vector<uint32_t>& values, bool withCount)
{
    std::vector<uint8_t> reply{address, function, 0, static_cast<uint8_t>(reg & 0xFF),
                               static_cast<uint8_t>(reg >> 8)};
    if (withCount)
        reply.push_back(count);
    for (uint32_t v : values)
        for (int shift = 0; shift < 32; shift += 8)
            reply.push_back(static_cast<uint8_t>(v >> shift));
    reply[2] = static_cast<uint8_t>(reply.size() + 2);
    uint16_t crc = Crc16(reply.data(), reply.size());
    reply.push_back(static_cast<uint8_t>(crc & 0xFF));
    reply.push_back(static_cast<uint8_t>(crc >> 8));
    return reply;
}

uint32_t FloatBits(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    return bits;
}

float BitsFloat(uint32_t bits)
{
    float value;
    std::memcpy(&value, &bits, 4);
    return value;
}

} // namespace sim
