// Prints a VS_VERSIONINFO resource, as `wrestool -x --raw -t16` extracts it
// from an .exe, one field a line, so that a test can compare it with the
// expected text:
//
//   FILEVERSION 1.0.0.0
//   StringFileInfo/080404B0/CompanyName 墨桐青岚电脑
//   VarFileInfo/Translation 0x0804 1200
//
// Every node is { WORD wLength, wValueLength, wType; WCHAR szKey[];
// padding to 4; value; padding to 4; children }, all little-endian.
#include "cli/utf8.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

std::uint16_t word(const Bytes& data, std::size_t at)
{
    if (at + 2 > data.size())
        throw std::runtime_error("truncated resource");
    return static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8));
}

std::uint32_t dword(const Bytes& data, std::size_t at)
{
    return static_cast<std::uint32_t>(word(data, at))
        | (static_cast<std::uint32_t>(word(data, at + 2)) << 16);
}

std::size_t align4(std::size_t at)
{
    return (at + 3) & ~std::size_t{3};
}

// A NUL-terminated UTF-16 string at `at`, at most `limit` code units;
// `at` moves past the NUL.
std::string utf16z(const Bytes& data, std::size_t& at, std::size_t limit = SIZE_MAX)
{
    std::u16string units;
    for (std::size_t n = 0; n < limit; ++n) {
        const std::uint16_t unit = word(data, at);
        at += 2;
        if (unit == 0)
            break;
        units += static_cast<char16_t>(unit);
    }
    std::string out;
    qhj::cli::appendUtf8(units, out);
    return out;
}

std::string hex(std::uint32_t value, int digits)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%0*X", digits, value);
    return buffer;
}

std::string version(std::uint32_t ms, std::uint32_t ls)
{
    return std::to_string(ms >> 16) + "." + std::to_string(ms & 0xFFFF) + "." + std::to_string(ls >> 16) + "."
        + std::to_string(ls & 0xFFFF);
}

void node(const Bytes& data, std::size_t start, const std::string& path, int depth)
{
    const std::size_t length = word(data, start);
    const std::size_t valueLength = word(data, start + 2);
    const std::uint16_t type = word(data, start + 4);
    const std::size_t end = start + length;
    if (length < 6 || end > data.size())
        throw std::runtime_error("bad node length at " + std::to_string(start));
    std::size_t at = start + 6;
    const std::string key = utf16z(data, at);
    const std::string name = path.empty() ? key : path + "/" + key;
    at = align4(at);

    if (depth == 0) {
        if (key != "VS_VERSION_INFO" || valueLength != 52)
            throw std::runtime_error("not a VS_VERSIONINFO");
        if (dword(data, at) != 0xFEEF04BD)
            throw std::runtime_error("bad VS_FIXEDFILEINFO signature");
        std::printf("FILEVERSION %s\n", version(dword(data, at + 8), dword(data, at + 12)).c_str());
        std::printf("PRODUCTVERSION %s\n", version(dword(data, at + 16), dword(data, at + 20)).c_str());
        std::printf("FILEFLAGS %s\n", hex(dword(data, at + 28), 1).c_str());
        std::printf("FILEOS %s\n", hex(dword(data, at + 32), 5).c_str());
        std::printf("FILETYPE %s\n", hex(dword(data, at + 36), 1).c_str());
        at += valueLength;
    } else if (type == 1 && valueLength > 0) {
        // A string: wValueLength counts UTF-16 units with the NUL.
        std::size_t value = at;
        std::printf("%s %s\n", name.c_str(), utf16z(data, value, valueLength).c_str());
        at += valueLength * 2;
    } else if (valueLength > 0) {
        std::string text = name;
        for (std::size_t i = 0; i + 4 <= valueLength; i += 4)
            text += " " + hex(word(data, at + i), 4) + " " + std::to_string(word(data, at + i + 2));
        std::printf("%s\n", text.c_str());
        at += valueLength;
    }
    at = align4(at);
    while (at + 6 <= end) {
        const std::size_t childLength = word(data, at);
        if (childLength == 0)
            break;
        // The root's name is left out of the paths.
        node(data, at, depth == 0 ? std::string() : name, depth + 1);
        at = align4(at + childLength);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s VERSION_RESOURCE\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const Bytes data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    try {
        node(data, 0, "", 0);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
